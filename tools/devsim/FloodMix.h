#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tools/devsim/Ipv4.h"
#include "tools/devsim/Wire.h"

namespace tarvix::devsim {

// What a busy link carries besides the program's own exchanges: other hosts'
// requests (types 1, 3, 5), devices' discovery replies to those hosts (types 2, 7,
// 8, with the other hosts' ClientIds) and junk of types the protocol does not have.
// None of it is of a reply type that an exchange waits for (4 or 6), so none of it
// can pass for, or count against, an answer to the program.
//
// The mix is a fixed cycle of datagrams, built once, that the sender repeats.
std::vector<Bytes> FloodMix(const Ipv4& linkAddress);

// How much a flood may send: it is bounded in rate, count and time, and stops by
// itself when either bound is reached.
struct FloodPlan {
  Ipv4 interfaceAddress{};
  long rate = 50000;   // datagrams a second
  double seconds = 5;  // at most this long
  long count = 0;      // at most this many (0: rate x seconds)
};

inline constexpr long kMaxFloodRate = 200000;
inline constexpr double kMaxFloodSeconds = 600;

struct FloodPlanResult {
  FloodPlan plan;
  std::string error;  // empty on success; "help" when asked for the usage
};

FloodPlanResult ParseFloodPlan(const std::vector<std::string>& arguments);
const char* FloodUsageText();

}  // namespace tarvix::devsim
