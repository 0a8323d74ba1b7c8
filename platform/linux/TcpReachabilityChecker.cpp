#include "platform/linux/TcpReachabilityChecker.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

namespace tarvix::platform {
namespace {

class Socket {
 public:
  Socket() : fd_(::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0)) {}
  ~Socket() {
    if (fd_ >= 0) ::close(fd_);
  }
  Socket(const Socket&) = delete;
  Socket& operator=(const Socket&) = delete;
  int fd() const { return fd_; }

 private:
  int fd_;
};

bool WaitForConnect(int fd, std::chrono::milliseconds timeout) {
  pollfd entry{fd, POLLOUT, 0};
  int ready = 0;
  do {
    ready = ::poll(&entry, 1, static_cast<int>(timeout.count()));
  } while (ready < 0 && errno == EINTR);
  if (ready <= 0) return false;
  int error = 0;
  socklen_t length = sizeof(error);
  return ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0;
}

}  // namespace

bool TcpReachabilityChecker::CanConnect(const std::string& address, std::uint16_t port,
                                        std::chrono::milliseconds timeout) {
  sockaddr_in target{};
  target.sin_family = AF_INET;
  target.sin_port = htons(port);
  if (::inet_pton(AF_INET, address.c_str(), &target.sin_addr) != 1) return false;
  Socket socket;
  if (socket.fd() < 0) return false;
  if (::connect(socket.fd(), reinterpret_cast<const sockaddr*>(&target), sizeof(target)) == 0)
    return true;
  return errno == EINPROGRESS && WaitForConnect(socket.fd(), timeout);
}

}  // namespace tarvix::platform
