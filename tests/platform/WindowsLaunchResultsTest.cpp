#include "platform/windows/WindowsLaunchResults.h"

#include <gtest/gtest.h>

namespace tarvix::platform::windows {
namespace {

// The web launch retries with the shell opener exactly for 2, 3 and 11, so
// those three must stay apart from every other failure.
TEST(WindowsLaunchResults, WinExecNumbersBecomeOutcomes) {
  const std::pair<unsigned, LaunchOutcome> cases[] = {
      {2, LaunchOutcome::ProgramNotFound}, {3, LaunchOutcome::PathNotFound},
      {11, LaunchOutcome::NotExecutable},  {0, LaunchOutcome::Failed},
      {5, LaunchOutcome::Failed},          {31, LaunchOutcome::Failed},
      {32, LaunchOutcome::Started},        {33, LaunchOutcome::Started},
  };
  for (const auto& [result, outcome] : cases) {
    EXPECT_EQ(LaunchOutcomeOfWinExec(result), outcome) << result;
  }
}

TEST(WindowsLaunchResults, ShellOpenSucceedsAboveThirtyTwo) {
  const std::pair<std::uintptr_t, OpenOutcome> cases[] = {
      {42, OpenOutcome::Opened}, {33, OpenOutcome::Opened},  {32, OpenOutcome::Failed},
      {31, OpenOutcome::Failed}, {2, OpenOutcome::NotFound}, {3, OpenOutcome::NotFound},
      {0, OpenOutcome::Failed},
  };
  for (const auto& [result, outcome] : cases) {
    EXPECT_EQ(OpenOutcomeOfShellExecute(result), outcome) << result;
  }
}

TEST(WindowsLaunchResults, HiddenIsShowStateZero) {
  EXPECT_EQ(ShowCommandOf(ShowState::Hidden), 0);
  EXPECT_EQ(ShowCommandOf(ShowState::Normal), 1);
}

}  // namespace
}  // namespace tarvix::platform::windows
