#include "addons/RestartProgress.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "tests/mock/ScriptedWorkerClock.h"

namespace tarvix::addons {
namespace {

class RecordingBar final : public ProgressBar {
 public:
  void SetRange(int lower, int upper) override {
    calls.push_back("range " + std::to_string(lower) + " " + std::to_string(upper));
  }
  void SetStep(int step) override { calls.push_back("step " + std::to_string(step)); }
  void StepIt() override { ++steps; }
  std::vector<std::string> calls;
  int steps = 0;
};

TEST(RestartProgress, NinetyNineStepsOf900MsThenTheFlowCountsAsCompleted) {
  RecordingBar bar;
  mock::ScriptedWorkerClock clock;
  AddonState state;
  state.flowAbandoned = -1;
  EXPECT_EQ(RestartProgressWorker(bar, clock, state), 1);
  EXPECT_EQ(bar.calls, (std::vector<std::string>{"range 1 100", "step 1"}));
  EXPECT_EQ(bar.steps, 99);
  EXPECT_EQ(clock.Pauses(), std::vector<int>(99, 900));
  EXPECT_EQ(state.flowAbandoned, 0);
  // The last step comes 98 pauses after the first: about 88.2 s.
  EXPECT_EQ(98 * kRestartStepMs, 88200);
  EXPECT_LT(99 * kRestartStepMs, kRestartTimeMs);
}

TEST(RestartProgress, AStopEndsTheStepsButStillResetsTheFlag) {
  RecordingBar bar;
  mock::ScriptedWorkerClock clock;
  clock.holdAt = 10;
  AddonState state;
  state.flowAbandoned = -1;
  std::jthread worker(
      [&](std::stop_token stop) { RestartProgressWorker(bar, clock, state, stop); });
  while (!clock.Holding()) std::this_thread::yield();
  worker.request_stop();
  worker.join();
  EXPECT_EQ(bar.steps, 10);
  EXPECT_EQ(clock.Pauses().size(), 10u);
  EXPECT_EQ(state.flowAbandoned, 0);
}

// The real clock: a stop request ends a pause at once and says so.
TEST(RestartProgress, AStopCutsARealPauseShort) {
  SteadyWorkerClock clock;
  std::stop_source stop;
  EXPECT_TRUE(clock.Pause(1, stop.get_token()));
  std::jthread stopper([&stop] { stop.request_stop(); });
  EXPECT_FALSE(clock.Pause(600000, stop.get_token()));
}

}  // namespace
}  // namespace tarvix::addons
