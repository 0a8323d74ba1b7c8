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

bool FakeSocketApi::SendToGroup(int socket, const std::string& localAddress,
                                const uint8_t* bytes, size_t length) {
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
  if (pending_.kind == Event::Fail) return -1;
  if (receiveFill >= 0) std::memset(buffer, receiveFill, capacity);
  size_t n = std::min(capacity, pending_.bytes.size());
  // An empty datagram's vector may hold no storage at all: memcpy must not see it.
  if (n > 0) std::memcpy(buffer, pending_.bytes.data(), n);
  return static_cast<long>(pending_.bytes.size());
}

void FakeSocketApi::Close(int) { ++closed_; }

}  // namespace tarvix::testing
