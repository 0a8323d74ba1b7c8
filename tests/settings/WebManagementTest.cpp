#include "settings/WebManagement.h"

#include <gtest/gtest.h>

#include "settings/Reachability.h"
#include "settings/WorkerThread.h"
#include "tests/settings/support/SettingsHarness.h"

namespace tarvix::settings {
namespace {

using Log = std::vector<std::string>;

class WebLaunch : public ::testing::Test {
 protected:
  void SetUp() override {
    browsers.name = "firefox-esr.desktop";
    browsers.command = "firefox-esr";
  }
  bool Launch() { return LaunchWebManagement(h.context, panel, services); }

  testing::SettingsHarness h;
  testing::FakePanel panel;
  testing::FakeReachabilityChecker checker;
  testing::FakeBrowserService browsers;
  testing::FakeProcessLauncher launcher;
  testing::FakeSleeper sleeper;
  testing::FakeWorkers workers;
  WebServices services{checker, browsers, launcher, sleeper, workers};
};

TEST_F(WebLaunch, NoSelectedRowIsReported) {
  panel.deviceRow.reset();
  EXPECT_FALSE(Launch());
  EXPECT_EQ(h.messages.shown, (std::vector<testing::ShownMessage>{
                                  {"Please select a device to configure.", "Warning",
                                   MessageIcon::Exclamation}}));
  EXPECT_EQ(workers.starts, 0);
  EXPECT_TRUE(launcher.started.empty());
}

TEST_F(WebLaunch, ReachableDeviceOpensInTheBrowserHidden) {
  CopyField(h.session.ssl, "1");
  EXPECT_TRUE(Launch());
  EXPECT_EQ(panel.selectedHost, "10.77.1.2");
  EXPECT_EQ(checker.probes, Log{"10.77.1.2:443"});
  EXPECT_EQ(launcher.started, Log{"firefox-esr https://10.77.1.2"});
  EXPECT_EQ(launcher.showStates, std::vector<int>{0});
  EXPECT_EQ(h.state.reachResult.load(), 0);
}

TEST_F(WebLaunch, UnreachableDeviceStartsNothing) {
  checker.reachable = false;
  EXPECT_FALSE(Launch());
  EXPECT_TRUE(launcher.started.empty());
  EXPECT_EQ(panel.log.back(), "ClearDeviceSelected");
}

class WebLaunchFallback : public WebLaunch, public ::testing::WithParamInterface<unsigned> {};

TEST_P(WebLaunchFallback, StartFailureFallsBackToTheShellOpener) {
  launcher.results = {GetParam(), 0u};
  EXPECT_TRUE(Launch());
  EXPECT_EQ(launcher.started, (Log{"firefox-esr http://10.77.1.2", "xdg-open http://10.77.1.2"}));
}

INSTANTIATE_TEST_SUITE_P(NotFoundCodes, WebLaunchFallback, ::testing::Values(2u, 3u, 11u));

TEST_F(WebLaunch, OtherStartFailuresAreNotRetried) {
  launcher.results = {5u};
  EXPECT_TRUE(Launch());
  EXPECT_EQ(launcher.started.size(), 1u);
}

TEST_F(WebLaunch, ALateAnswerOfAnEarlierProbeDoesNotCount) {
  h.state.reachResult.store(1);  // left behind by a probe that answered too late
  workers.runAtOnce = false;     // this probe never answers in time
  EXPECT_FALSE(Launch());
  EXPECT_EQ(workers.finishes, 1);
  EXPECT_TRUE(launcher.started.empty());
}

TEST(WorkerThread, RunsTheJobOnAnotherThreadAndJoinsIt) {
  std::atomic<int> result{0};
  testing::FakeReachabilityChecker checker;
  {
    WorkerThread worker;
    worker.Start([&] { CheckReachability(checker, "10.0.0.1", false, result); });
    worker.Finish();
    EXPECT_EQ(result.load(), 1);
  }
}

}  // namespace
}  // namespace tarvix::settings
