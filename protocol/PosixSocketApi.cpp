#include "protocol/PosixSocketApi.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "protocol/ProtocolConstants.h"

namespace tarvix {
namespace {

sockaddr_in GroupEndpoint() {
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_port = htons(kGroupPort);
  inet_pton(AF_INET, kGroupAddress, &addr.sin_addr);
  return addr;
}

in_addr ToInAddr(const std::string& text) {
  in_addr a{};
  inet_pton(AF_INET, text.c_str(), &a);
  return a;
}

// The receive buffer that a busy link gets: the kernel drops a datagram, the device's
// answer among them, once a socket's buffer is full. The system caps what is granted
// (net.core.rmem_max), which is as much as the program can have without privileges.
constexpr int kReceiveBufferBytes = 1 << 20;

bool LoopbackOff(int s) {
  unsigned char off = 0;
  return setsockopt(s, IPPROTO_IP, IP_MULTICAST_LOOP, &off, sizeof off) == 0;
}

}  // namespace

// The IPv4 addresses of interfaces that are up, running (have a carrier) and can do
// multicast, not loopback, in the order the system returns them. The host name would
// usually resolve to 127.0.1.1 only here, which finds nothing; an interface without a
// carrier (an idle container bridge) or without multicast could only answer nothing.
std::vector<std::string> PosixSocketApi::LocalAddresses() {
  std::vector<std::string> out;
  ifaddrs* list = nullptr;
  if (getifaddrs(&list) != 0) return {"127.0.0.1"};
  constexpr unsigned kUsable = IFF_UP | IFF_RUNNING | IFF_MULTICAST;
  for (ifaddrs* it = list; it; it = it->ifa_next) {
    if (!it->ifa_addr || it->ifa_addr->sa_family != AF_INET) continue;
    if ((it->ifa_flags & kUsable) != kUsable || (it->ifa_flags & IFF_LOOPBACK)) continue;
    char text[INET_ADDRSTRLEN];
    auto* sin = reinterpret_cast<sockaddr_in*>(it->ifa_addr);
    if (inet_ntop(AF_INET, &sin->sin_addr, text, sizeof text)) out.emplace_back(text);
  }
  freeifaddrs(list);
  if (out.empty()) out.emplace_back("127.0.0.1");
  return out;
}

int PosixSocketApi::OpenSendSocket() {
  int s = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  if (s >= 0) LoopbackOff(s);
  return s;
}

// Binding to the interface's own address does not deliver group datagrams on Linux;
// binding to the group with IP_MULTICAST_ALL off gives each slot only the datagrams
// of the interface it joined on.
int PosixSocketApi::OpenReceiveSocket(const std::string& localAddress) {
  int s = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  if (s < 0) return s;
  int one = 1;
  setsockopt(s, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
  int zero = 0;
  setsockopt(s, IPPROTO_IP, IP_MULTICAST_ALL, &zero, sizeof zero);
  setsockopt(s, SOL_SOCKET, SO_RCVBUF, &kReceiveBufferBytes, sizeof kReceiveBufferBytes);
  sockaddr_in bindAddr = GroupEndpoint();
  bind(s, reinterpret_cast<sockaddr*>(&bindAddr), sizeof bindAddr);
  ip_mreq membership{};
  membership.imr_multiaddr = GroupEndpoint().sin_addr;
  membership.imr_interface = ToInAddr(localAddress);
  setsockopt(s, IPPROTO_IP, IP_ADD_MEMBERSHIP, &membership, sizeof membership);
  LoopbackOff(s);
  return s;
}

bool PosixSocketApi::SendToGroup(int s, const std::string& localAddress, const uint8_t* bytes,
                                 size_t length) {
  if (s < 0) return false;
  in_addr iface = ToInAddr(localAddress);
  setsockopt(s, IPPROTO_IP, IP_MULTICAST_IF, &iface, sizeof iface);
  sockaddr_in to = GroupEndpoint();
  return sendto(s, bytes, length, 0, reinterpret_cast<sockaddr*>(&to), sizeof to) ==
         static_cast<ssize_t>(length);
}

SocketApi::Wait PosixSocketApi::WaitReadable(int s, int timeoutMicroseconds) {
  if (s < 0 || s >= FD_SETSIZE) return Wait::Error;
  fd_set set;
  FD_ZERO(&set);
  FD_SET(s, &set);
  timeval tv{0, timeoutMicroseconds};
  int r = select(s + 1, &set, nullptr, nullptr, &tv);
  if (r < 0) return Wait::Error;
  return r == 0 ? Wait::Nothing : Wait::Readable;
}

long PosixSocketApi::Receive(int s, uint8_t* buffer, size_t capacity) {
  // MSG_TRUNC makes recv report the datagram's real length, so an oversize one is seen.
  ssize_t n = recv(s, buffer, capacity, MSG_TRUNC | MSG_DONTWAIT);
  return n < 0 ? -1 : static_cast<long>(n);
}

// One ppoll over every socket: the protocol waits on all interfaces together. Slots
// whose socket could not be made (-1) are skipped by ppoll and never become readable.
SocketApi::Wait PosixSocketApi::WaitAnyReadable(const int* sockets, size_t count,
                                                int timeoutMicroseconds, bool* readable) {
  pollfd fds[kMaxInterfaces];
  if (count > kMaxInterfaces) return Wait::Error;
  for (size_t k = 0; k < count; ++k) fds[k] = {sockets[k], POLLIN, 0};
  timespec timeout{timeoutMicroseconds / 1000000, (timeoutMicroseconds % 1000000) * 1000L};
  int r = ppoll(fds, count, &timeout, nullptr);
  if (r < 0) return Wait::Error;
  for (size_t k = 0; k < count; ++k) readable[k] = (fds[k].revents & POLLIN) != 0;
  return r == 0 ? Wait::Nothing : Wait::Readable;
}

long PosixSocketApi::ReceiveNow(int s, uint8_t* buffer, size_t capacity) {
  if (s < 0) return kWouldBlock;
  ssize_t n = recv(s, buffer, capacity, MSG_TRUNC | MSG_DONTWAIT);
  if (n >= 0) return static_cast<long>(n);
  return errno == EAGAIN || errno == EWOULDBLOCK ? kWouldBlock : -1;
}

void PosixSocketApi::Close(int s) {
  if (s >= 0) close(s);
}

}  // namespace tarvix
