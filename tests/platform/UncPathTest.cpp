#include "platform/linux/UncPath.h"

#include <gtest/gtest.h>

namespace tarvix::platform {
namespace {

struct ParseCase {
  const char* text;
  std::optional<UncPath> expected;
};

TEST(UncPathTest, ParsesServerShareAndDeeperPath) {
  const ParseCase cases[] = {
      {R"(\\NAS\HDD_1)", UncPath{"NAS", "HDD_1", ""}},
      {R"(\\192.168.1.5\Music\a\b)", UncPath{"192.168.1.5", "Music", R"(a\b)"}},
      {R"(\\NAS\)", std::nullopt},
      {R"(\\\share)", std::nullopt},
      {R"(\NAS\share)", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(UncPath::Parse(c.text), c.expected) << c.text;
}

TEST(UncPathTest, SmbUrlRoundTripsWithPercentEscapes) {
  const UncPath path{"nas", "My Music", R"(rock\100%)"};
  const std::string url = path.ToSmbUrl();
  EXPECT_EQ(url, "smb://nas/My%20Music/rock/100%25");
  EXPECT_EQ(UncPath::FromSmbUrl(url), path);
  EXPECT_EQ(path.ToUnc(), R"(\\nas\My Music\rock\100%)");
}

TEST(UncPathTest, SmbUrlCarriesAPort) {
  EXPECT_EQ((UncPath{"127.0.0.1", "s", ""}.ToSmbUrl(4455)), "smb://127.0.0.1:4455/s");
}

TEST(UncPathTest, RejectsUrlsThatAreNotShares) {
  for (const char* url :
       {"file:///home/u", "smb://nas", "smb://nas/", "smb://nas/a%2", "smb://n/a%5Cb"}) {
    EXPECT_EQ(UncPath::FromSmbUrl(url), std::nullopt) << url;
  }
}

}  // namespace
}  // namespace tarvix::platform
