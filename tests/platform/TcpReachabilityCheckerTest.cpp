#include "platform/linux/TcpReachabilityChecker.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "tests/platform/support/SmbdServer.h"

namespace tarvix::platform {
namespace {

using namespace std::chrono_literals;

// A listening TCP socket on 127.0.0.1 with a port of the system's choice.
class Listener {
 public:
  Listener() : fd_(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof(address);
    ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof(address));
    ::listen(fd_, 4);
    ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
  }
  ~Listener() { ::close(fd_); }
  std::uint16_t Port() const { return port_; }

 private:
  int fd_;
  std::uint16_t port_ = 0;
};

TEST(TcpReachabilityCheckerTest, ListeningPortIsReachable) {
  Listener listener;
  EXPECT_TRUE(TcpReachabilityChecker().CanConnect("127.0.0.1", listener.Port(), 5000ms));
}

TEST(TcpReachabilityCheckerTest, ClosedPortAndBadAddressesAreNot) {
  TcpReachabilityChecker checker;
  EXPECT_FALSE(checker.CanConnect("127.0.0.1", testsupport::FreeLoopbackPort(), 5000ms));
  for (const char* address : {"", "nas", "127.0.0.256", "::1"}) {
    EXPECT_FALSE(checker.CanConnect(address, 80, 5000ms)) << address;
  }
}

}  // namespace
}  // namespace tarvix::platform
