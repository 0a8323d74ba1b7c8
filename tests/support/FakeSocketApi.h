#pragma once
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "protocol/Clock.h"
#include "protocol/SocketApi.h"

namespace tarvix::testing {

using Bytes = std::vector<uint8_t>;

// A scripted stand-in for the system's sockets: each interface has a queue of what
// its next polls see, and a responder may queue replies when a request is sent.
// It counts polls and sends, so tests check waits without waiting.
class FakeSocketApi : public SocketApi {
 public:
  struct Event {
    enum Kind { Datagram, Fail, Oversize } kind = Datagram;
    Bytes bytes;
  };
  using Responder = std::function<void(int interfaceIndex, const Bytes& request)>;

  std::vector<std::string> addresses = {"10.77.1.1"};
  bool startupFails = false;
  Responder responder;
  // When set, every poll that finds its queue empty sees this event (a flood).
  std::map<int, Event> endless;

  void Queue(int interfaceIndex, Bytes datagram) {
    queues_[interfaceIndex].push_back({Event::Datagram, std::move(datagram)});
  }
  void QueueFailure(int interfaceIndex) { queues_[interfaceIndex].push_back({Event::Fail, {}}); }
  void QueueOversize(int interfaceIndex) {
    queues_[interfaceIndex].push_back({Event::Oversize, Bytes(5000, 4)});
  }

  int polls(int interfaceIndex) const { return Get(polls_, interfaceIndex); }
  int totalPolls() const;
  const std::vector<std::pair<int, Bytes>>& sent() const { return sent_; }
  int openSockets() const { return open_; }
  int closedSockets() const { return closed_; }

  bool Startup() override { return !startupFails; }
  void Cleanup() override { cleanedUp = true; }
  std::vector<std::string> LocalAddresses() override { return addresses; }
  int OpenSendSocket() override;
  int OpenReceiveSocket(const std::string& localAddress) override;
  bool SendToGroup(int socket, const std::string& localAddress, const uint8_t* bytes,
                   size_t length) override;
  Wait WaitReadable(int socket, int timeoutMicroseconds) override;
  long Receive(int socket, uint8_t* buffer, size_t capacity) override;
  void Close(int socket) override;

  bool cleanedUp = false;

 private:
  static int Get(const std::map<int, int>& m, int k) {
    auto it = m.find(k);
    return it == m.end() ? 0 : it->second;
  }
  int InterfaceOfReceiveSocket(int socket) const;
  int InterfaceOfAddress(const std::string& address) const;

  std::map<int, std::deque<Event>> queues_;
  std::map<int, int> polls_;
  std::map<int, int> receiveSocketInterface_;
  std::vector<std::pair<int, Bytes>> sent_;
  Event pending_;
  int nextSocket_ = 100;
  int open_ = 0;
  int closed_ = 0;
};

// Records pauses instead of sleeping.
class CountingClock : public Clock {
 public:
  void Pause(int milliseconds) override { pauses.push_back(milliseconds); }
  void Idle() override { ++idles; }
  std::vector<int> pauses;
  int idles = 0;
};

}  // namespace tarvix::testing
