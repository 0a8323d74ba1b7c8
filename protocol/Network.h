#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "protocol/ClientId.h"
#include "protocol/Clock.h"
#include "protocol/InterfaceTable.h"
#include "protocol/ProtocolConstants.h"
#include "protocol/SocketApi.h"

namespace tarvix {

// The process-wide network state: the interface table with its sockets, the client
// identity, the receive area, and the one send-and-wait procedure of all requests.
//
// Every wait reads its sockets for the whole of its time: a poll is a readability wait
// of 10 ms, a pause goes on reading instead of sleeping, and each reads everything that
// is queued, not one datagram. A wait ends early only when the datagram it is for has
// come, so however many datagrams of other kinds arrive, no wait runs longer than its
// nominal time, and a reply is taken when it arrives, not at the next poll.
class Network {
 public:
  enum class State { NotStarted, Started, Stopped };
  // What a wait does with each datagram it reads, which it finds in the receive area:
  // true when it is the one the wait is for; the wait then ends and leaves it there.
  using Take = std::function<bool(int interfaceIndex)>;
  // Interface indices whose receiving sockets a wait reads.
  using Slots = std::span<const int>;

  Network(SocketApi& sockets, Clock& clock);
  Network(const Network&) = delete;
  Network& operator=(const Network&) = delete;

  // False when the socket library cannot be started (the program then exits with 1).
  bool StartNetwork();
  void StopNetwork();

  bool SendToGroup(int interfaceIndex, const uint8_t* bytes, size_t length);
  // One poll of the slots' receiving sockets, all at once: 10 ms in which every
  // datagram that is or comes readable is read and handed to `take`. Failed reads and
  // datagrams longer than the receive area are skipped. True when `take` ended it.
  bool PollReceive(Slots slots, const Take& take);
  // A pause that goes on reading the same way.
  bool PauseReceiving(int milliseconds, Slots slots, const Take& take);
  bool IsOurReply(const uint8_t* datagram, size_t length) const;

  // 1 with the accepted reply in the receive area, 0 on failure. `matchAddress` null
  // means "no match address"; an empty text matches nothing.
  //
  // After the flush polls and the request, the exchange runs steps of one poll and,
  // while misses are left, one pause of 100 ms. A step that ends without the answer is
  // one miss, whatever it read (nothing, replies of the expected type for another
  // requester or another address, other types), so a burst of foreign replies costs
  // one miss, and the exchange fails after exactly (miss limit + 1) polls and (miss
  // limit) pauses.
  //
  // The receive area is reused and only the byte after a datagram is cleared, so a
  // reader that looked past a short reply would see an earlier datagram's bytes. A
  // reply is therefore accepted only when it carries the whole reply header and the
  // `replyLength` bytes that the caller's reader needs; a shorter one is skipped like
  // a failed read.
  int RunExchange(int interfaceIndex, const uint8_t* request, size_t length, uint8_t expectedType,
                  const char* matchAddress, int flushPolls, int missLimit,
                  size_t replyLength = kReplyHeaderSize);

  const uint8_t* ReceiveArea() const { return area_; }
  size_t ReceivedLength() const { return received_; }

  const InterfaceTable& Interfaces() const { return table_; }
  const ClientId& Id() const { return clientId_; }
  void SetClientId(const ClientId& id) { clientId_ = id; }
  State CurrentState() const { return state_; }
  Clock& GetClock() { return clock_; }

 private:
  bool IsAnswer(uint8_t expectedType, const char* matchAddress, size_t replyLength) const;
  bool ValidSlot(int interfaceIndex) const;
  // Reads what arrives on the slots within `sliceMicroseconds` (0: only what is queued).
  bool Look(Slots slots, int sliceMicroseconds, const Take& take);
  bool ReadQueued(int interfaceIndex, const Take& take);
  void ForgetReceived();

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
