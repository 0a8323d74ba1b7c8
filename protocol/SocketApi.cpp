#include "protocol/SocketApi.h"

namespace tarvix {

SocketApi::Wait SocketApi::WaitAnyReadable(const int* sockets, size_t count,
                                           int timeoutMicroseconds, bool* readable) {
  const int timeout = count == 1 ? timeoutMicroseconds : 0;
  Wait result = Wait::Nothing;
  for (size_t k = 0; k < count; ++k) {
    readable[k] = WaitReadable(sockets[k], timeout) == Wait::Readable;
    if (readable[k]) result = Wait::Readable;
  }
  return result;
}

long SocketApi::ReceiveNow(int socket, uint8_t* buffer, size_t capacity) {
  if (WaitReadable(socket, 0) != Wait::Readable) return kWouldBlock;
  return Receive(socket, buffer, capacity);
}

}  // namespace tarvix
