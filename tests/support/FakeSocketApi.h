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
// its next reads see, and a responder may queue replies when a request is sent.
// It counts polls (readability waits, one per interface waited on) and sends, so
// tests check waits without waiting.
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
  std::vector<std::string> LocalAddresses() override { return addresses; }
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

// Records pauses instead of sleeping; no time passes. A poll takes what is queued with
// one readability wait, which the fake sockets count as a poll. A pause first lets
// `duringPause` place what arrives in it, then takes what is queued without a wait,
// so it counts no poll.
class CountingClock : public Clock {
 public:
  void Pause(int milliseconds) override { pauses.push_back(milliseconds); }
  void Idle() override { ++idles; }
  bool Poll(int milliseconds, const Watch& watch) override {
    const bool ended = watch(milliseconds * 1000);
    Idle();
    return ended;
  }
  bool PauseWatching(int milliseconds, const Watch& watch) override {
    pauses.push_back(milliseconds);
    if (duringPause) duringPause(pauses.size());
    return watch(0);
  }

  std::vector<int> pauses;
  int idles = 0;
  // Called in every pause that watches, with the number of pauses so far (1 first).
  std::function<void(size_t pause)> duringPause;
};

}  // namespace tarvix::testing
