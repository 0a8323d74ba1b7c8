#include "protocol/PosixSocketApi.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <unistd.h>

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

bool LoopbackOff(int s) {
  unsigned char off = 0;
  return setsockopt(s, IPPROTO_IP, IP_MULTICAST_LOOP, &off, sizeof off) == 0;
}

}  // namespace

// Up, non-loopback IPv4 interfaces in the order the system returns them; the host
// name would usually resolve to 127.0.1.1 only here, which finds nothing.
std::vector<std::string> PosixSocketApi::LocalAddresses() {
  std::vector<std::string> out;
  ifaddrs* list = nullptr;
  if (getifaddrs(&list) != 0) return {"127.0.0.1"};
  for (ifaddrs* it = list; it; it = it->ifa_next) {
    if (!it->ifa_addr || it->ifa_addr->sa_family != AF_INET) continue;
    if (!(it->ifa_flags & IFF_UP) || (it->ifa_flags & IFF_LOOPBACK)) continue;
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

void PosixSocketApi::Close(int s) {
  if (s >= 0) close(s);
}

}  // namespace tarvix
