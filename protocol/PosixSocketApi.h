#pragma once
#include "protocol/SocketApi.h"

namespace tarvix {

class PosixSocketApi : public SocketApi {
 public:
  bool Startup() override { return true; }
  void Cleanup() override {}
  std::vector<std::string> LocalAddresses() override;
  int OpenSendSocket() override;
  int OpenReceiveSocket(const std::string& localAddress) override;
  bool SendToGroup(int socket, const std::string& localAddress, const uint8_t* bytes,
                   size_t length) override;
  Wait WaitReadable(int socket, int timeoutMicroseconds) override;
  long Receive(int socket, uint8_t* buffer, size_t capacity) override;
  Wait WaitAnyReadable(const int* sockets, size_t count, int timeoutMicroseconds,
                       bool* readable) override;
  long ReceiveNow(int socket, uint8_t* buffer, size_t capacity) override;
  void Close(int socket) override;
};

}  // namespace tarvix
