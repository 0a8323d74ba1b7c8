#pragma once
#include <cstddef>
#include <cstdint>

#include "protocol/ClientId.h"
#include "protocol/Clock.h"
#include "protocol/InterfaceTable.h"
#include "protocol/ProtocolConstants.h"
#include "protocol/SocketApi.h"

namespace tarvix {

enum class PollOutcome { Nothing, ReadFailed, Read };

// Reads and foreign datagrams that do not count against a wait are still bounded:
// an exchange may skip this many per allowed miss, after which each skipped read
// counts as a miss (with its pause). So a flood cannot keep an exchange alive forever.
inline constexpr int kSkipsPerMiss = 32;

// The process-wide network state: the interface table with its sockets, the client
// identity, the receive area, and the one send-and-wait procedure of all requests.
class Network {
 public:
  enum class State { NotStarted, Started, Stopped };

  Network(SocketApi& sockets, Clock& clock);
  Network(const Network&) = delete;
  Network& operator=(const Network&) = delete;

  // False when the socket library cannot be started (the program then exits with 1).
  bool StartNetwork();
  void StopNetwork();

  bool SendToGroup(int interfaceIndex, const uint8_t* bytes, size_t length);
  PollOutcome PollReceive(int interfaceIndex);
  bool IsOurReply(const uint8_t* datagram, size_t length) const;

  // 1 with the accepted reply in the receive area, 0 on failure. `matchAddress` null
  // means "no match address"; an empty text matches nothing.
  int RunExchange(int interfaceIndex, const uint8_t* request, size_t length,
                  uint8_t expectedType, const char* matchAddress, int flushPolls,
                  int missLimit);

  const uint8_t* ReceiveArea() const { return area_; }
  size_t ReceivedLength() const { return received_; }

  const InterfaceTable& Interfaces() const { return table_; }
  const ClientId& Id() const { return clientId_; }
  void SetClientId(const ClientId& id) { clientId_ = id; }
  State CurrentState() const { return state_; }
  Clock& GetClock() { return clock_; }

 private:
  enum class ExchangeStep { Skip, Miss, Accept };
  ExchangeStep JudgeReply(uint8_t expectedType, const char* matchAddress) const;
  bool ValidSlot(int interfaceIndex) const;

  SocketApi& sockets_;
  Clock& clock_;
  InterfaceTable table_;
  ClientId clientId_;
  State state_ = State::NotStarted;
  uint8_t area_[kReceiveAreaSize + 1]{};
  size_t received_ = 0;
};

// The responder's address reported in bytes 17-20, as "%d.%d.%d.%d"; empty when the
// datagram is too short to carry it.
std::string ReportedAddress(const uint8_t* datagram, size_t length);

}  // namespace tarvix
