#include "settings/Reachability.h"

#include <gtest/gtest.h>

#include "tests/mock/CountingClock.h"
#include "tests/mock/FakeMessageBoxes.h"
#include "tests/mock/FakePanel.h"
#include "tests/mock/FakeReachabilityChecker.h"

namespace tarvix::settings {
namespace {

using Log = std::vector<std::string>;

// The counting clock, with a hook that runs at each pause (given the number of
// pauses so far), so an answer can come in while the window waits.
class AnsweringClock final : public tarvix::testing::CountingClock {
 public:
  void Pause(int milliseconds) override {
    CountingClock::Pause(milliseconds);
    if (onPause) onPause(static_cast<int>(pauses.size()));
  }
  std::function<void(int)> onPause;
};

TEST(CheckReachability, ProbesTheWebPortOfTheScheme) {
  testing::FakeReachabilityChecker checker;
  checker.Open("10.77.1.2", 80);  // the device serves plain pages only
  std::atomic<int> result{0};
  CheckReachability(checker, "10.77.1.2", false, result);
  EXPECT_EQ(result.load(), 1);
  CheckReachability(checker, "10.77.1.2", true, result);
  EXPECT_EQ(result.load(), -1);
  EXPECT_EQ(checker.Probes(), (Log{"10.77.1.2:80", "10.77.1.2:443"}));
  EXPECT_LT(checker.Checks().back().timeout, std::chrono::milliseconds(2000));
}

struct WaitRow {
  const char* name;
  int answer;         // what the worker stores
  int answerAtPause;  // 0: before the first look; n: during the n-th pause; -1: never
  bool reached;
  std::vector<int> pauses;
};

class WaitTable : public ::testing::TestWithParam<WaitRow> {};

TEST_P(WaitTable, LooksAtZeroOneAndTwoSeconds) {
  const auto& row = GetParam();
  std::atomic<int> result{row.answerAtPause == 0 ? row.answer : 0};
  AnsweringClock clock;
  clock.onPause = [&](int n) {
    if (n == row.answerAtPause) result.store(row.answer);
  };
  testing::FakeMessageBoxes messages;
  testing::FakePanel panel;
  EXPECT_EQ(WaitForReachability(result, clock, messages, panel), row.reached);
  EXPECT_EQ(result.load(), 0);
  EXPECT_EQ(clock.pauses, row.pauses);
  EXPECT_EQ(messages.shown.size(), row.reached ? 0u : 1u);
}

INSTANTIATE_TEST_SUITE_P(Answers, WaitTable,
                         ::testing::Values(WaitRow{"ReachedAtOnce", 1, 0, true, {}},
                                           WaitRow{"ReachedAfterOneSecond", 1, 1, true, {1000}},
                                           WaitRow{
                                               "ReachedAtTheLastLook", 1, 2, true, {1000, 1000}},
                                           WaitRow{"RefusedAtOnce", -1, 0, false, {}},
                                           WaitRow{"RefusedAfterOneSecond", -1, 1, false, {1000}},
                                           WaitRow{"NoAnswer", 1, -1, false, {1000, 1000}}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(WaitForReachability, GivingUpTellsRefreshesSearchesAndForgetsTheDevice) {
  std::atomic<int> result{-1};
  tarvix::testing::CountingClock clock;
  testing::FakeMessageBoxes messages;
  testing::FakePanel panel;
  EXPECT_FALSE(WaitForReachability(result, clock, messages, panel));
  EXPECT_EQ(messages.shown,
            (std::vector<testing::ShownMessage>{
                {"Device is no longer available.", "Warning", MessageIcon::Exclamation}}));
  EXPECT_EQ(panel.log,
            (Log{"RefreshMappedDrives", "FillDriveLetterCombo", "Search", "ClearDeviceSelected"}));
  EXPECT_FALSE(panel.deviceSelected);
}

}  // namespace
}  // namespace tarvix::settings
