// The doubles other areas test against must behave like the real services
// in the ways those tests rely on.
#include <gtest/gtest.h>

#include "tests/mock/FakeBrowserService.h"
#include "tests/mock/FakeDriveService.h"
#include "tests/mock/FakeProcessLauncher.h"
#include "tests/mock/FakeReachabilityChecker.h"
#include "tests/mock/FakeSystemInfo.h"

namespace tarvix::platform {
namespace {

using namespace tarvix::testing;
using namespace std::chrono_literals;

TEST(FakeDriveServiceTest, TableOfLettersAnswersTypeAndRemoteName) {
  FakeDriveService drives;
  drives.SetDrive('C', DriveType::Fixed);
  drives.MapRemote('k', R"(\\NAS\HDD_1)");
  EXPECT_EQ(drives.TypeOf('C'), DriveType::Fixed);
  EXPECT_EQ(drives.RemoteName('C'), std::nullopt);
  EXPECT_EQ(drives.TypeOf('K'), DriveType::Remote);
  EXPECT_EQ(drives.RemoteName('K'), R"(\\NAS\HDD_1)");
  EXPECT_EQ(drives.TypeOf('Q'), DriveType::NoRootDir);
  EXPECT_EQ(drives.TypeOf('1'), DriveType::NoRootDir);
}

TEST(FakeDriveServiceTest, ConnectUsesQueuedResultsAndMapsOnSuccess) {
  FakeDriveService drives;
  drives.QueueConnectResults({DriveResult::RefusedCredentials, DriveResult::Done});
  const ConnectRequest request{'G', R"(\\10.0.0.2\A)", R"(D\u)", std::nullopt, true, false};
  EXPECT_EQ(drives.Connect(request), DriveResult::RefusedCredentials);
  EXPECT_EQ(drives.RemoteName('G'), std::nullopt);
  EXPECT_EQ(drives.Connect(request), DriveResult::Done);
  EXPECT_EQ(drives.RemoteName('G'), R"(\\10.0.0.2\A)");
  ASSERT_EQ(drives.Connects().size(), 2u);
  EXPECT_EQ(drives.Connects()[0].account, R"(D\u)");
}

TEST(FakeDriveServiceTest, DisconnectUnmapsAndRefusesUnknownDrives) {
  FakeDriveService drives;
  drives.MapRemote('G', R"(\\NAS\A)");
  EXPECT_EQ(drives.Disconnect("G:"), DriveResult::Done);
  EXPECT_EQ(drives.Disconnect("G:"), DriveResult::NotConnected);
  EXPECT_EQ(drives.Disconnect(""), DriveResult::NotConnected);
  EXPECT_EQ(drives.TypeOf('G'), DriveType::NoRootDir);
  EXPECT_EQ(drives.Disconnects().size(), 3u);
}

TEST(FakeProcessLauncherTest, RecordsAndAnswersFromTheQueue) {
  FakeProcessLauncher launcher;
  launcher.QueueStartResults({LaunchOutcome::ProgramNotFound});
  EXPECT_EQ(launcher.StartCommandLine("firefox http://1.2.3.4", ShowState::Hidden),
            LaunchOutcome::ProgramNotFound);
  EXPECT_EQ(launcher.StartCommandLine("xdg-open http://1.2.3.4", ShowState::Hidden),
            LaunchOutcome::Started);
  EXPECT_EQ(launcher.OpenDocument("/tmp/w"), OpenOutcome::Opened);
  ASSERT_EQ(launcher.Starts().size(), 2u);
  EXPECT_EQ(launcher.Starts()[1].commandLine, "xdg-open http://1.2.3.4");
  EXPECT_EQ(launcher.Opens(), std::vector<std::string>{"/tmp/w"});
}

TEST(FakeSystemInfoTest, ChosenVersionAndUserWithLinuxConversions) {
  FakeSystemInfo info;
  EXPECT_EQ(info.VersionName(), "Linux");
  info.SetVersionName("Windows ME");
  info.SetUserName("bob");
  EXPECT_EQ(info.VersionName(), "Windows ME");
  EXPECT_EQ(info.LoggedOnUserName(), "bob");
  EXPECT_EQ(info.ToSystemText("abc", 3), "ab");
  EXPECT_EQ(info.ParseDottedAddress("1.2.3.4"), 0x01020304u);
}

TEST(FakeBrowserAndReachabilityTest, AnswerWhatTheTestSet) {
  FakeBrowserService browsers;
  browsers.SetDefault("FIREFOX.EXE");
  browsers.SetCommand("FIREFOX.EXE", R"("C:\Program Files\Firefox\firefox.exe")");
  EXPECT_EQ(browsers.DefaultBrowserName(), "FIREFOX.EXE");
  EXPECT_EQ(browsers.BrowserCommand("IEXPLORE.EXE"), "");
  FakeReachabilityChecker reach;
  reach.Open("10.0.0.2", 80);
  EXPECT_TRUE(reach.CanConnect("10.0.0.2", 80, 1000ms));
  EXPECT_FALSE(reach.CanConnect("10.0.0.2", 443, 1000ms));
  EXPECT_EQ(reach.Checks().size(), 2u);
}

}  // namespace
}  // namespace tarvix::platform
