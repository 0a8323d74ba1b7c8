#include "tools/devsim/GroupSocket.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "tools/devsim/MessageLayout.h"

namespace tarvix::devsim {

namespace {

constexpr std::size_t kLargestDatagram = 65536;

in_addr ToInAddr(const Ipv4& address) {
  in_addr result{};
  std::memcpy(&result.s_addr, address.data(), 4);
  return result;
}

sockaddr_in GroupEndpoint() {
  sockaddr_in endpoint{};
  endpoint.sin_family = AF_INET;
  endpoint.sin_port = htons(kGroupPort);
  inet_pton(AF_INET, kGroupAddress, &endpoint.sin_addr);
  return endpoint;
}

template <typename T>
bool SetOption(int fd, int level, int name, const T& value, const char* what, std::string& error) {
  if (setsockopt(fd, level, name, &value, sizeof value) == 0) return true;
  error = std::string(what) + ": " + std::strerror(errno);
  return false;
}

std::string FormatEndpoint(const sockaddr_in& from) {
  char text[INET_ADDRSTRLEN] = {};
  inet_ntop(AF_INET, &from.sin_addr, text, sizeof text);
  return std::string(text) + ":" + std::to_string(ntohs(from.sin_port));
}

}  // namespace

GroupSocket::~GroupSocket() { Close(); }

GroupSocket::GroupSocket(GroupSocket&& other) noexcept
    : receiveFd_(std::exchange(other.receiveFd_, -1)), sendFd_(std::exchange(other.sendFd_, -1)) {}

GroupSocket& GroupSocket::operator=(GroupSocket&& other) noexcept {
  if (this != &other) {
    Close();
    receiveFd_ = std::exchange(other.receiveFd_, -1);
    sendFd_ = std::exchange(other.sendFd_, -1);
  }
  return *this;
}

void GroupSocket::Close() {
  if (receiveFd_ >= 0) close(receiveFd_);
  if (sendFd_ >= 0) close(sendFd_);
  receiveFd_ = sendFd_ = -1;
}

bool GroupSocket::Open(const Ipv4& interfaceAddress, std::string& error) {
  Close();
  return OpenReceiver(interfaceAddress, error) && OpenSender(interfaceAddress, error);
}

// Bound to the group itself, with IP_MULTICAST_ALL off: the socket then gets
// only the group's datagrams that arrive on the interface it joined on.
bool GroupSocket::OpenReceiver(const Ipv4& interfaceAddress, std::string& error) {
  receiveFd_ = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (receiveFd_ < 0) {
    error = std::string("socket: ") + std::strerror(errno);
    return false;
  }
  const int on = 1;
  const int off = 0;
  if (!SetOption(receiveFd_, SOL_SOCKET, SO_REUSEADDR, on, "SO_REUSEADDR", error)) return false;
  const auto endpoint = GroupEndpoint();
  if (bind(receiveFd_, reinterpret_cast<const sockaddr*>(&endpoint), sizeof endpoint) != 0) {
    error = std::string("bind 224.0.0.1:13579: ") + std::strerror(errno);
    return false;
  }
  if (!SetOption(receiveFd_, IPPROTO_IP, IP_MULTICAST_ALL, off, "IP_MULTICAST_ALL", error))
    return false;
  ip_mreq membership{};
  membership.imr_multiaddr = endpoint.sin_addr;
  membership.imr_interface = ToInAddr(interfaceAddress);
  return SetOption(receiveFd_, IPPROTO_IP, IP_ADD_MEMBERSHIP, membership, "IP_ADD_MEMBERSHIP",
                   error);
}

bool GroupSocket::OpenSender(const Ipv4& interfaceAddress, std::string& error) {
  sendFd_ = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  if (sendFd_ < 0) {
    error = std::string("socket: ") + std::strerror(errno);
    return false;
  }
  sockaddr_in local{};
  local.sin_family = AF_INET;
  local.sin_addr = ToInAddr(interfaceAddress);
  if (bind(sendFd_, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) {
    error = "bind " + FormatIpv4(interfaceAddress) + ": " + std::strerror(errno);
    return false;
  }
  const unsigned char loop = 0;
  const unsigned char ttl = 1;
  return SetOption(sendFd_, IPPROTO_IP, IP_MULTICAST_IF, local.sin_addr, "IP_MULTICAST_IF",
                   error) &&
         SetOption(sendFd_, IPPROTO_IP, IP_MULTICAST_LOOP, loop, "IP_MULTICAST_LOOP", error) &&
         SetOption(sendFd_, IPPROTO_IP, IP_MULTICAST_TTL, ttl, "IP_MULTICAST_TTL", error);
}

std::optional<Datagram> GroupSocket::Receive() {
  Datagram datagram;
  datagram.bytes.resize(kLargestDatagram);
  sockaddr_in from{};
  socklen_t fromLength = sizeof from;
  const auto n = recvfrom(receiveFd_, datagram.bytes.data(), datagram.bytes.size(), 0,
                          reinterpret_cast<sockaddr*>(&from), &fromLength);
  if (n < 0) return std::nullopt;
  datagram.bytes.resize(static_cast<std::size_t>(n));
  datagram.from = FormatEndpoint(from);
  return datagram;
}

bool GroupSocket::Send(ByteView bytes) {
  const auto endpoint = GroupEndpoint();
  const auto n = sendto(sendFd_, bytes.data(), bytes.size(), 0,
                        reinterpret_cast<const sockaddr*>(&endpoint), sizeof endpoint);
  return n == static_cast<ssize_t>(bytes.size());
}

}  // namespace tarvix::devsim
