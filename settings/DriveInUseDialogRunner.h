#pragma once

namespace tarvix::settings {

// Asks whether a drive letter that is already connected may be taken over;
// returns 1 for OK and 0 for Cancel.
class DriveInUseDialogRunner {
 public:
  virtual ~DriveInUseDialogRunner() = default;
  virtual int Run() = 0;
};

}  // namespace tarvix::settings
