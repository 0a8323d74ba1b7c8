#include "tests/mock/FakeSystemInfo.h"

namespace tarvix::testing {

std::string FakeSystemInfo::ToSystemText(std::string_view utf8, std::size_t width) const {
  return conversions_.ToSystemText(utf8, width);
}

std::uint32_t FakeSystemInfo::ParseDottedAddress(std::string_view text) const {
  return conversions_.ParseDottedAddress(text);
}

}  // namespace tarvix::testing
