#include "tools/devsim/Fault.h"

#include <algorithm>
#include <charconv>

#include "tools/devsim/MessageLayout.h"

namespace tarvix::devsim {

namespace {

constexpr int kMaxDelayMs = 600000;
constexpr int kMaxRepeat = 100;

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

std::optional<int> ParseBoundedInt(std::string_view text, int low, int high) {
  int value = 0;
  const auto* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc{} || ptr != end || value < low || value > high) {
    return std::nullopt;
  }
  return value;
}

bool ApplyWithArgument(std::string_view name, std::string_view arg, Fault& fault) {
  if (name == "delay") {
    const auto ms = ParseBoundedInt(arg, 0, kMaxDelayMs);
    if (ms) fault.delayMs = *ms;
    return ms.has_value();
  }
  if (name == "repeat") {
    const auto n = ParseBoundedInt(arg, 1, kMaxRepeat);
    if (n) fault.repeat = *n;
    return n.has_value();
  }
  if (name == "misaddressed") {
    fault.misaddressed = ParseIpv4(arg);
    return fault.misaddressed.has_value();
  }
  return false;
}

bool ApplyFlag(std::string_view name, Fault& fault) {
  if (name == "none") return true;
  bool* flag = nullptr;
  if (name == "silent") flag = &fault.silent;
  if (name == "noreply") flag = &fault.noReply;
  if (name == "foreign") flag = &fault.foreign;
  if (name == "wrongtype") flag = &fault.wrongType;
  if (flag != nullptr) *flag = true;
  return flag != nullptr;
}

bool ApplyItem(std::string_view item, Fault& fault) {
  const auto colon = item.find(':');
  if (colon == std::string_view::npos) return ApplyFlag(item, fault);
  return ApplyWithArgument(item.substr(0, colon), item.substr(colon + 1), fault);
}

}  // namespace

std::optional<Fault> ParseFault(std::string_view text, std::string& error) {
  Fault fault;
  while (true) {
    const auto comma = text.find(',');
    const auto item = Trim(text.substr(0, comma));
    if (!ApplyItem(item, fault)) {
      error = "bad fault '" + std::string(item) + "'";
      return std::nullopt;
    }
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  return fault;
}

namespace {

// Discovery replies turn into query replies, query replies into set
// acknowledgements and the other way round: each a type the requester does
// not wait for at that moment.
std::uint8_t WrongTypeFor(std::uint8_t type) {
  return type == kTypeQueryReply ? kTypeSetReply : kTypeQueryReply;
}

}  // namespace

void DistortReply(std::vector<std::uint8_t>& reply, const Fault& fault) {
  if (reply.size() < kReplyHeaderSize) return;
  if (fault.foreign) {
    for (std::size_t i = 0; i < 6; ++i) reply[kClientIdOffset + i] ^= 0x5A;
  }
  if (fault.misaddressed) {
    std::copy(fault.misaddressed->begin(), fault.misaddressed->end(),
              reply.begin() + static_cast<std::ptrdiff_t>(kAddressOffset));
  }
  if (fault.wrongType) reply[0] = WrongTypeFor(reply[0]);
}

}  // namespace tarvix::devsim
