#include "platform/windows/WindowsVersionName.h"

#include <gtest/gtest.h>

namespace tarvix::platform::windows {
namespace {

using P = WindowsVersion::Platform;

struct VersionRow {
  WindowsVersion record;
  const char* name;
};

class WindowsVersionTable : public ::testing::TestWithParam<VersionRow> {};

TEST_P(WindowsVersionTable, NamesTheRecord) {
  EXPECT_EQ(WindowsVersionName(GetParam().record), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    EveryRow, WindowsVersionTable,
    ::testing::Values(VersionRow{{P::Win9x, 4, 0, 950}, "Windows 95"},
                      VersionRow{{P::Win9x, 4, 3, 951}, "Windows 95 SP1"},
                      VersionRow{{P::Win9x, 4, 0, 1080}, "Windows 95 SP1"},
                      VersionRow{{P::Win9x, 4, 0, 1081}, "Windows 95 OSR2"},
                      VersionRow{{P::Win9x, 4, 0, 949}, "unknown Windows version"},
                      VersionRow{{P::Win9x, 4, 10, 1998}, "Windows 98"},
                      VersionRow{{P::Win9x, 4, 10, 1999}, "Windows 98 SP1"},
                      VersionRow{{P::Win9x, 4, 10, 2182}, "Windows 98 SP1"},
                      VersionRow{{P::Win9x, 4, 10, 2183}, "Windows 98 SE"},
                      VersionRow{{P::Win9x, 4, 10, 0x10000u + 2222}, "Windows 98 SE"},
                      VersionRow{{P::Win9x, 4, 10, 1997}, "unknown Windows version"},
                      VersionRow{{P::Win9x, 4, 90, 3000}, "Windows ME"},
                      VersionRow{{P::Win9x, 4, 50, 3000}, "unknown Windows version"},
                      VersionRow{{P::Win9x, 5, 0, 950}, "unknown Windows version"},
                      VersionRow{{P::NT, 3, 51, 1057}, "Windows NT 3.51"},
                      VersionRow{{P::NT, 3, 50, 807}, "unknown Windows version"},
                      VersionRow{{P::NT, 4, 0, 1381}, "Windows NT 4"},
                      VersionRow{{P::NT, 5, 0, 2195}, "Windows 2000"},
                      VersionRow{{P::NT, 5, 1, 2600}, "Windows XP"},
                      VersionRow{{P::NT, 5, 2, 3790}, "unknown Windows version"},
                      VersionRow{{P::NT, 6, 0, 6000}, "Vista"},
                      VersionRow{{P::NT, 6, 2, 9200}, "Vista"},
                      VersionRow{{P::NT, 10, 0, 19045}, "unknown Windows version"},
                      VersionRow{{P::CE, 7, 3, 1}, "Windows CE"}));

TEST(WindowsVersionName, AFailedVersionQueryNamesNoVersion) {
  EXPECT_EQ(WindowsVersionName(std::nullopt), "unknown Windows version");
}

TEST(WindowsVersionName, OnlyNtSystemsContainNt) {
  EXPECT_EQ(WindowsVersionName(WindowsVersion{P::NT, 5, 0, 0}).find("NT"), std::string::npos);
  EXPECT_EQ(WindowsVersionName(WindowsVersion{P::NT, 5, 1, 0}).find("NT"), std::string::npos);
  EXPECT_NE(WindowsVersionName(WindowsVersion{P::NT, 4, 0, 0}).find("NT"), std::string::npos);
}

}  // namespace
}  // namespace tarvix::platform::windows
