#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tarvix {

// The operating system's datagram sockets, as far as the protocol needs them.
// Handles are small integers; -1 means "no socket".
class SocketApi {
 public:
  enum class Wait { Readable, Nothing, Error };
  // What ReceiveNow returns when no datagram is queued.
  static constexpr long kWouldBlock = -2;

  virtual ~SocketApi() = default;

  // Start and end the socket library (a no-op where there is none to start).
  virtual bool Startup() = 0;
  virtual void Cleanup() = 0;

  // The host's IPv4 addresses as dotted text, in the system's order.
  virtual std::vector<std::string> LocalAddresses() = 0;

  // A sending socket with multicast loopback off.
  virtual int OpenSendSocket() = 0;
  // A receiving socket on the group port that has joined the group on `localAddress`
  // and receives only what arrives on that interface.
  virtual int OpenReceiveSocket(const std::string& localAddress) = 0;

  // Sends to the group endpoint out of the interface with `localAddress`.
  virtual bool SendToGroup(int socket, const std::string& localAddress, const uint8_t* bytes,
                           size_t length) = 0;
  virtual Wait WaitReadable(int socket, int timeoutMicroseconds) = 0;
  // Reads one datagram; returns its full length (which may exceed `capacity`, in which
  // case it was cut), or -1 on failure.
  virtual long Receive(int socket, uint8_t* buffer, size_t capacity) = 0;
  virtual void Close(int socket) = 0;

  // The protocol waits on all its receiving sockets at once and reads each one empty,
  // through the two calls below. Their defaults are made of the one-socket calls above,
  // for sockets that have no better way (doubles whose datagrams are there at once).

  // A readability wait on `count` sockets together: marks in `readable` each socket
  // with a datagram queued, and returns Readable when there is one, Nothing when the
  // time ran out first. The default waits only when there is a single socket; with
  // several it looks at each in turn without waiting.
  virtual Wait WaitAnyReadable(const int* sockets, size_t count, int timeoutMicroseconds,
                               bool* readable);
  // Reads one queued datagram without waiting: its full length as Receive gives it,
  // -1 on a failed read, or kWouldBlock when none is queued.
  virtual long ReceiveNow(int socket, uint8_t* buffer, size_t capacity);
};

}  // namespace tarvix
