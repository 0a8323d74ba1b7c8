#pragma once
#include "settings/DriveInUseDialogRunner.h"

namespace tarvix::testing {

// Answers every confirmation with `answer` (1 OK, 0 Cancel) and counts them.
class FakeDriveInUseRunner final : public settings::DriveInUseDialogRunner {
 public:
  int Run() override {
    ++runs;
    return answer;
  }
  int answer = 1;
  int runs = 0;
};

}  // namespace tarvix::testing
