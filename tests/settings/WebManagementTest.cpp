#include "settings/WebManagement.h"

#include <gtest/gtest.h>

#include "settings/Reachability.h"
#include "settings/WorkerThread.h"
#include "tests/mock/CountingClock.h"
#include "tests/settings/support/SettingsHarness.h"

namespace tarvix::settings {
namespace {

using Log = std::vector<std::string>;

class WebLaunch : public ::testing::Test {
 protected:
  void SetUp() override {
    browsers.SetDefault("firefox-esr.desktop");
    browsers.SetCommand("firefox-esr.desktop", "firefox-esr");
    checker.Open("10.77.1.2", 80);
    checker.Open("10.77.1.2", 443);
  }
  bool Launch() { return LaunchWebManagement(h.context, panel, services); }

  testing::SettingsHarness h;
  testing::FakePanel panel;
  testing::FakeReachabilityChecker checker;
  testing::FakeBrowserService browsers;
  testing::FakeProcessLauncher launcher;
  tarvix::testing::CountingClock clock;
  testing::FakeWorkers workers;
  WebServices services{checker, browsers, launcher, clock, workers};
};

TEST_F(WebLaunch, NoSelectedRowIsReported) {
  panel.deviceRow.reset();
  EXPECT_FALSE(Launch());
  EXPECT_EQ(h.messages.shown,
            (std::vector<testing::ShownMessage>{
                {"Please select a device to configure.", "Warning", MessageIcon::Exclamation}}));
  EXPECT_EQ(workers.starts, 0);
  EXPECT_TRUE(launcher.Starts().empty());
}

TEST_F(WebLaunch, ReachableDeviceOpensInTheBrowserHidden) {
  CopyField(h.session.ssl, "1");
  EXPECT_TRUE(Launch());
  EXPECT_EQ(panel.selectedHost, "10.77.1.2");
  EXPECT_EQ(checker.Probes(), Log{"10.77.1.2:443"});
  EXPECT_EQ(launcher.CommandLines(), Log{"firefox-esr https://10.77.1.2"});
  EXPECT_EQ(launcher.ShowStates(), std::vector<platform::ShowState>{platform::ShowState::Hidden});
  EXPECT_EQ(h.state.reachResult.load(), 0);
}

TEST_F(WebLaunch, UnreachableDeviceStartsNothing) {
  checker.Close("10.77.1.2", 80);
  checker.Close("10.77.1.2", 443);
  EXPECT_FALSE(Launch());
  EXPECT_TRUE(launcher.Starts().empty());
  EXPECT_EQ(panel.log.back(), "ClearDeviceSelected");
}

using platform::LaunchOutcome;

class WebLaunchFallback : public WebLaunch, public ::testing::WithParamInterface<LaunchOutcome> {};

TEST_P(WebLaunchFallback, StartFailureFallsBackToTheShellOpener) {
  launcher.QueueStartResults({GetParam(), LaunchOutcome::Failed});
  EXPECT_TRUE(Launch());
  EXPECT_EQ(launcher.CommandLines(),
            (Log{"firefox-esr http://10.77.1.2", "xdg-open http://10.77.1.2"}));
}

std::string OutcomeName(const ::testing::TestParamInfo<LaunchOutcome>& param) {
  switch (param.param) {
    case LaunchOutcome::ProgramNotFound: return "ProgramNotFound";
    case LaunchOutcome::PathNotFound: return "PathNotFound";
    default: return "NotExecutable";
  }
}

INSTANTIATE_TEST_SUITE_P(NotFoundCodes, WebLaunchFallback,
                         ::testing::Values(LaunchOutcome::ProgramNotFound,
                                           LaunchOutcome::PathNotFound,
                                           LaunchOutcome::NotExecutable),
                         OutcomeName);

TEST_F(WebLaunch, OtherStartFailuresAreNotRetried) {
  launcher.QueueStartResults({LaunchOutcome::Failed});
  EXPECT_TRUE(Launch());
  EXPECT_EQ(launcher.Starts().size(), 1u);
}

TEST_F(WebLaunch, ALateAnswerOfAnEarlierProbeDoesNotCount) {
  h.state.reachResult.store(1);  // left behind by a probe that answered too late
  workers.runAtOnce = false;     // this probe never answers in time
  EXPECT_FALSE(Launch());
  EXPECT_EQ(workers.finishes, 1);
  EXPECT_TRUE(launcher.Starts().empty());
  // The wait pauses through the caller's clock: the window's one keeps it painting.
  EXPECT_EQ(clock.pauses, (std::vector<int>{1000, 1000}));
}

TEST(WorkerThread, RunsTheJobOnAnotherThreadAndJoinsIt) {
  std::atomic<int> result{0};
  testing::FakeReachabilityChecker checker;
  checker.Open("10.0.0.1", 80);
  {
    WorkerThread worker;
    worker.Start([&] { CheckReachability(checker, "10.0.0.1", false, result); });
    worker.Finish();
    EXPECT_EQ(result.load(), 1);
  }
}

}  // namespace
}  // namespace tarvix::settings
