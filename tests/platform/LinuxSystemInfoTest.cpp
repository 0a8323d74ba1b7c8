#include "platform/linux/LinuxSystemInfo.h"

#include <gtest/gtest.h>

#include "platform/linux/CommandOutput.h"

namespace tarvix::platform {
namespace {

TEST(LinuxSystemInfoTest, VersionNameIsLinuxAndMatchesNoSpecialPath) {
  const std::string name = LinuxSystemInfo().VersionName();
  EXPECT_EQ(name, "Linux");
  for (const char* word : {"NT", "Vista", "98", "ME"})
    EXPECT_EQ(name.find(word), std::string::npos) << word;
}

TEST(LinuxSystemInfoTest, UserNameIsTheEffectiveLoginName) {
  const auto id = RunForOutput({"id", "-un"});
  ASSERT_TRUE(id.has_value());
  EXPECT_EQ(LinuxSystemInfo().LoggedOnUserName() + "\n", *id);
}

TEST(LinuxSystemInfoTest, Utf8IsKeptAndCutOnACharacterBoundary) {
  struct Case {
    std::string text;
    std::size_t width;
    std::string expected;
  };
  const std::string umlauts = "\xC3\xA4\xC3\xB6";  // two 2-byte characters
  const std::string euro = "a\xE2\x82\xAC";        // 'a' and a 3-byte character
  const Case cases[] = {
      {"HDD_1", 256, "HDD_1"},
      {"HDD_1", 6, "HDD_1"},
      {"HDD_1", 5, "HDD_"},
      {umlauts, 5, umlauts},
      {umlauts, 4, "\xC3\xA4"},
      {euro, 4, "a"},
      {euro, 5, euro},
      {"x", 1, ""},
      {"x", 0, ""},
  };
  const LinuxSystemInfo info;
  for (const auto& c : cases) {
    EXPECT_EQ(info.ToSystemText(c.text, c.width), c.expected) << c.text << " " << c.width;
  }
}

TEST(LinuxSystemInfoTest, ParsesDottedAddressesLikeTheSocketLibrary) {
  const std::pair<const char*, std::uint32_t> cases[] = {
      {"192.168.1.5", 0xC0A80105u},
      {"0.0.0.0", 0u},
      {"10.1", 0x0A000001u},
      {"0x7f.1", 0x7F000001u},
      {"256.1.1.1", kAddressNone},
      {"", kAddressNone},
      {"1.2.3.4x", kAddressNone},
      {"nas", kAddressNone},
      {"255.255.255.255", kAddressNone},
  };
  const LinuxSystemInfo info;
  for (const auto& [text, value] : cases) EXPECT_EQ(info.ParseDottedAddress(text), value) << text;
}

}  // namespace
}  // namespace tarvix::platform
