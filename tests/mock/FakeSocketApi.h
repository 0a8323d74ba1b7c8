#pragma once
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "protocol/SocketApi.h"

namespace tarvix::testing {

using Bytes = std::vector<uint8_t>;

// A scripted stand-in for the system's sockets: each interface has a queue of what
// its next reads see, and a responder may queue replies when a request is sent.
// It counts polls (readability waits, one per interface waited on) and sends, so
// tests check waits without waiting. The protocol's
// own tests use it for what a network can do to one exchange (floods, failed and
// oversized reads); ScriptedSocketApi plays whole devices for the window instead.
class FakeSocketApi : public SocketApi {
 public:
  struct Event {
    enum Kind { Datagram, Fail, Oversize } kind = Datagram;
    Bytes bytes;
  };
  using Responder = std::function<void(int interfaceIndex, const Bytes& request)>;

  // The options both socket doubles share, under the same names: what
  // LocalAddresses() answers, and whether Startup() fails.
  std::vector<std::string> localAddresses = {"10.77.1.1"};
  bool startupFails = false;
  Responder responder;
  // When set, every read that finds its queue empty sees this event (a flood).
  std::map<int, Event> endless;
  // When 0..255, every read first fills the caller's whole buffer with this byte, so
  // a reader that looks past the datagram finds it in its result.
  int receiveFill = -1;

  void Queue(int interfaceIndex, Bytes datagram) {
    queues_[interfaceIndex].push_back({Event::Datagram, std::move(datagram)});
  }
  void QueueFailure(int interfaceIndex) { queues_[interfaceIndex].push_back({Event::Fail, {}}); }
  void QueueOversize(int interfaceIndex) {
    queues_[interfaceIndex].push_back({Event::Oversize, Bytes(5000, 4)});
  }

  int polls(int interfaceIndex) const { return Get(polls_, interfaceIndex); }
  int totalPolls() const;
  // Each request with the interface whose address it was sent from.
  const std::vector<std::pair<int, Bytes>>& sent() const { return sent_; }
  // The socket of each request, in the order of sent().
  const std::vector<int>& sentSockets() const { return sentSockets_; }
  int openSockets() const { return open_; }
  int closedSockets() const { return closed_; }

  bool Startup() override { return !startupFails; }
  void Cleanup() override { cleanedUp = true; }
  std::vector<std::string> LocalAddresses() override { return localAddresses; }
  int OpenSendSocket() override;
  int OpenReceiveSocket(const std::string& localAddress) override;
  bool SendToGroup(int socket, const std::string& localAddress, const uint8_t* bytes,
                   size_t length) override;
  Wait WaitReadable(int socket, int timeoutMicroseconds) override;
  long Receive(int socket, uint8_t* buffer, size_t capacity) override;
  void Close(int socket) override;
  Wait WaitAnyReadable(const int* sockets, size_t count, int timeoutMicroseconds,
                       bool* readable) override;
  long ReceiveNow(int socket, uint8_t* buffer, size_t capacity) override;

  bool cleanedUp = false;

 private:
  static int Get(const std::map<int, int>& m, int k) {
    auto it = m.find(k);
    return it == m.end() ? 0 : it->second;
  }
  int InterfaceOfReceiveSocket(int socket) const;
  int InterfaceOfAddress(const std::string& address) const;
  bool HasQueued(int interfaceIndex) const;
  long Read(const Event& event, uint8_t* buffer, size_t capacity) const;

  std::map<int, std::deque<Event>> queues_;
  std::map<int, int> polls_;
  std::map<int, int> receiveSocketInterface_;
  std::vector<std::pair<int, Bytes>> sent_;
  std::vector<int> sentSockets_;
  Event pending_;
  int nextSocket_ = 100;
  int open_ = 0;
  int closed_ = 0;
};

}  // namespace tarvix::testing
