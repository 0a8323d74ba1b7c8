#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tools/devsim/Ipv4.h"
#include "tools/devsim/Wire.h"

namespace tarvix::devsim {

struct Datagram {
  Bytes bytes;
  std::string from;  // "a.b.c.d:port", for the log only
};

// The group endpoint 224.0.0.1:13579 on one interface: a receiving socket
// that sees only group datagrams arriving on that interface, and a sending
// socket whose datagrams leave by it and are not looped back to this host.
class GroupSocket {
 public:
  GroupSocket() = default;
  ~GroupSocket();
  GroupSocket(GroupSocket&& other) noexcept;
  GroupSocket& operator=(GroupSocket&& other) noexcept;
  GroupSocket(const GroupSocket&) = delete;
  GroupSocket& operator=(const GroupSocket&) = delete;

  bool Open(const Ipv4& interfaceAddress, std::string& error);

  int receiveFd() const { return receiveFd_; }
  std::optional<Datagram> Receive();
  bool Send(ByteView bytes);

 private:
  bool OpenReceiver(const Ipv4& interfaceAddress, std::string& error);
  bool OpenSender(const Ipv4& interfaceAddress, std::string& error);
  void Close();

  int receiveFd_ = -1;
  int sendFd_ = -1;
};

}  // namespace tarvix::devsim
