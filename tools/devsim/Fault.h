#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/devsim/Ipv4.h"

namespace tarvix::devsim {

// Misbehaviour that a device shows for one kind of request. Several faults
// may be combined, e.g. "delay:300,repeat:2".
struct Fault {
  bool silent = false;                  // request dropped: no answer, no state change
  bool noReply = false;                 // request carried out, answer lost
  int delayMs = 0;                      // every answer sent this much later
  int repeat = 1;                       // number of copies of the answer
  bool foreign = false;                 // answer carries another requester's ClientId
  bool wrongType = false;               // answer carries an unexpected message type
  std::optional<Ipv4> misaddressed;     // answer reports this address instead
  std::optional<std::size_t> truncate;  // answer cut to at most this many bytes

  bool operator==(const Fault&) const = default;
};

// Parses "none" or a comma-separated list of silent, noreply, delay:MS,
// repeat:N, foreign, wrongtype, misaddressed:ADDR, truncate:N. On failure
// `error` names the offending item.
std::optional<Fault> ParseFault(std::string_view text, std::string& error);

// Changes one reply as the fault says (ClientId, reported address, type,
// length); delay, repeat and the dropping faults are the sender's business.
void DistortReply(std::vector<std::uint8_t>& reply, const Fault& fault);

}  // namespace tarvix::devsim
