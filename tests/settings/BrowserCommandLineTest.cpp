#include "settings/BrowserCommandLine.h"

#include <gtest/gtest.h>

#include "tests/mock/FakeBrowserService.h"

namespace tarvix::settings {
namespace {

struct BrowserRow {
  const char* name;
  const char* command;
  bool secure;
  const char* expected;
};

class BrowserForms : public ::testing::TestWithParam<BrowserRow> {};

TEST_P(BrowserForms, BuildsTheCommandLine) {
  testing::FakeBrowserService browsers;
  browsers.SetDefault(GetParam().name);
  browsers.SetCommand(GetParam().name, GetParam().command);
  EXPECT_EQ(BrowserCommandLine(browsers, "10.77.1.2", GetParam().secure), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, BrowserForms,
    ::testing::Values(BrowserRow{"IEXPLORE.EXE", "ignored", false, "xdg-open http://10.77.1.2"},
                      BrowserRow{"IEXPLORE.EXE", "ignored", true, "xdg-open https://10.77.1.2"},
                      BrowserRow{"firefox-esr.desktop", "\"/usr/lib/firefox esr/firefox\"", false,
                                 "\"/usr/lib/firefox esr/firefox\" http://10.77.1.2"},
                      BrowserRow{"firefox-esr.desktop", "firefox --new-window %u", true,
                                 "firefox --new-window %u https://10.77.1.2"},
                      BrowserRow{"", "", false, " http://10.77.1.2"},
                      // "ie" in lower case is not the system browser's mark.
                      BrowserRow{"epiphany-ie.desktop", "epiphany", false,
                                 "epiphany http://10.77.1.2"}));

TEST(BrowserCommandLine, TextsTooLongForTheRegistryBufferReadAsEmpty) {
  testing::FakeBrowserService browsers;
  browsers.SetDefault("chromium.desktop");
  browsers.SetCommand("chromium.desktop", std::string(120, 'c'));
  EXPECT_EQ(BrowserCommandLine(browsers, "10.0.0.1", false), " http://10.0.0.1");
  browsers.SetCommand("chromium.desktop", std::string(119, 'c'));
  EXPECT_EQ(BrowserCommandLine(browsers, "10.0.0.1", false),
            std::string(119, 'c') + " http://10.0.0.1");
}

TEST(BrowserCommandLine, SecureFlagIsAnyOne) {
  EXPECT_TRUE(IsSecureFlagSet("1"));
  EXPECT_TRUE(IsSecureFlagSet("01"));
  EXPECT_FALSE(IsSecureFlagSet("0"));
  EXPECT_FALSE(IsSecureFlagSet(""));
}

}  // namespace
}  // namespace tarvix::settings
