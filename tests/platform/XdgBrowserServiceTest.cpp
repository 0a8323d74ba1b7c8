#include "platform/linux/XdgBrowserService.h"

#include <gtest/gtest.h>

#include "platform/linux/PosixProcessLauncher.h"
#include "tests/platform/support/TempDir.h"

namespace tarvix::platform {
namespace {

using testsupport::TempDir;

class XdgBrowserServiceTest : public ::testing::Test {
 protected:
  XdgBrowserServiceTest() {
    env_.configHome = dir_.Path() / "config";
    env_.dataHome = dir_.Path() / "data";
  }

  // A browser whose program records the arguments it was started with.
  void InstallRecordingBrowser() {
    dir_.WriteExecutable("bin/my browser", "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.args\"\n");
    dir_.Write("data/applications/fake-browser.desktop",
               "[Desktop Entry]\nType=Application\nName=Fake\nExec=\"" +
                   (dir_.Path() / "bin/my browser").string() + "\" --new-window %u\n");
    dir_.Write("config/mimeapps.list",
               "[Default Applications]\nx-scheme-handler/http=fake-browser.desktop\n");
  }

  TempDir dir_;
  DesktopEnvironment env_;
};

TEST_F(XdgBrowserServiceTest, FallsBackToMimeAppsWhenTheDesktopToolsSayNothing) {
  InstallRecordingBrowser();
  const XdgBrowserService browsers(env_, [] { return std::string(); });
  EXPECT_EQ(browsers.DefaultBrowserName(), "fake-browser.desktop");
  EXPECT_EQ(browsers.BrowserCommand("fake-browser.desktop"),
            "\"" + (dir_.Path() / "bin/my browser").string() + "\" --new-window");
  EXPECT_EQ(browsers.BrowserCommand("missing.desktop"), "");
}

TEST_F(XdgBrowserServiceTest, AsksXdgSettingsFirst) {
  InstallRecordingBrowser();
  const auto tool = dir_.WriteExecutable(
      "bin/xdg-settings",
      "#!/bin/sh\n[ \"$1 $2\" = 'get default-web-browser' ] && echo other.desktop\n");
  const XdgBrowserService browsers(env_, XdgBrowserService::XdgSettingsQuery(tool.string()));
  EXPECT_EQ(browsers.DefaultBrowserName(), "other.desktop");
}

TEST_F(XdgBrowserServiceTest, NoBrowserAnywhereGivesEmptyName) {
  const XdgBrowserService browsers(
      env_, XdgBrowserService::XdgSettingsQuery("/nonexistent/xdg-settings"));
  EXPECT_EQ(browsers.DefaultBrowserName(), "");
}

TEST_F(XdgBrowserServiceTest, TheBrowserCommandStartsTheBrowserWithTheAddress) {
  InstallRecordingBrowser();
  const XdgBrowserService browsers(env_, [] { return std::string(); });
  PosixProcessLauncher launcher;
  const auto command =
      browsers.BrowserCommand(browsers.DefaultBrowserName()) + " https://127.0.0.1";
  EXPECT_EQ(launcher.StartCommandLine(command, ShowState::Hidden), LaunchOutcome::Started);
  launcher.Reaper().WaitForAll();
  EXPECT_EQ(dir_.Read("bin/my browser.args"), "--new-window\nhttps://127.0.0.1\n");
}

}  // namespace
}  // namespace tarvix::platform
