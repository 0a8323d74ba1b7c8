#include "tests/mock/FakeSocketApi.h"

#include <algorithm>
#include <cstring>

namespace tarvix::testing {

int FakeSocketApi::totalPolls() const {
  int total = 0;
  for (const auto& [k, v] : polls_) total += v;
  return total;
}

int FakeSocketApi::OpenSendSocket() {
  ++open_;
  return nextSocket_++;
}

int FakeSocketApi::OpenReceiveSocket(const std::string& localAddress) {
  ++open_;
  int s = nextSocket_++;
  receiveSocketInterface_[s] = InterfaceOfAddress(localAddress);
  return s;
}

int FakeSocketApi::InterfaceOfAddress(const std::string& address) const {
  auto it = std::find(localAddresses.begin(), localAddresses.end(), address);
  return it == localAddresses.end() ? -1 : static_cast<int>(it - localAddresses.begin());
}

int FakeSocketApi::InterfaceOfReceiveSocket(int socket) const {
  auto it = receiveSocketInterface_.find(socket);
  return it == receiveSocketInterface_.end() ? -1 : it->second;
}

bool FakeSocketApi::SendToGroup(int socket, const std::string& localAddress, const uint8_t* bytes,
                                size_t length) {
  int i = InterfaceOfAddress(localAddress);
  Bytes request(bytes, bytes + length);
  sent_.emplace_back(i, request);
  sentSockets_.push_back(socket);
  if (responder) responder(i, request);
  return true;
}

SocketApi::Wait FakeSocketApi::WaitReadable(int socket, int) {
  int i = InterfaceOfReceiveSocket(socket);
  ++polls_[i];
  auto& q = queues_[i];
  if (!q.empty()) {
    pending_ = q.front();
    q.pop_front();
  } else if (endless.count(i)) {
    pending_ = endless[i];
  } else {
    return Wait::Nothing;
  }
  return Wait::Readable;
}

long FakeSocketApi::Receive(int, uint8_t* buffer, size_t capacity) {
  return Read(pending_, buffer, capacity);
}

long FakeSocketApi::Read(const Event& event, uint8_t* buffer, size_t capacity) const {
  if (event.kind == Event::Fail) return -1;
  if (receiveFill >= 0) std::memset(buffer, receiveFill, capacity);
  size_t n = std::min(capacity, event.bytes.size());
  // An empty datagram's vector may hold no storage at all: memcpy must not see it.
  if (n > 0) std::memcpy(buffer, event.bytes.data(), n);
  return static_cast<long>(event.bytes.size());
}

bool FakeSocketApi::HasQueued(int i) const {
  auto q = queues_.find(i);
  return (q != queues_.end() && !q->second.empty()) || endless.count(i);
}

SocketApi::Wait FakeSocketApi::WaitAnyReadable(const int* sockets, size_t count, int,
                                               bool* readable) {
  Wait result = Wait::Nothing;
  for (size_t k = 0; k < count; ++k) {
    int i = InterfaceOfReceiveSocket(sockets[k]);
    ++polls_[i];
    readable[k] = HasQueued(i);
    if (readable[k]) result = Wait::Readable;
  }
  return result;
}

long FakeSocketApi::ReceiveNow(int socket, uint8_t* buffer, size_t capacity) {
  int i = InterfaceOfReceiveSocket(socket);
  auto& q = queues_[i];
  if (q.empty()) {
    auto flood = endless.find(i);
    return flood == endless.end() ? kWouldBlock : Read(flood->second, buffer, capacity);
  }
  Event event = std::move(q.front());
  q.pop_front();
  return Read(event, buffer, capacity);
}

void FakeSocketApi::Close(int) { ++closed_; }

}  // namespace tarvix::testing
