#include "platform/windows/WindowsNetErrors.h"

#include <gtest/gtest.h>

namespace tarvix::platform::windows {
namespace {

TEST(WindowsNetErrors, ErrorNumbersBecomeDriveResults) {
  const std::pair<unsigned long, DriveResult> cases[] = {
      {0, DriveResult::Done},
      {5, DriveResult::RefusedCredentials},
      {86, DriveResult::RefusedCredentials},
      {1326, DriveResult::RefusedCredentials},
      {67, DriveResult::NoSuchShare},
      {53, DriveResult::Unreachable},
      {1222, DriveResult::Unreachable},
      {85, DriveResult::LetterInUse},
      {1202, DriveResult::LetterInUse},
      {2250, DriveResult::NotConnected},
      {1200, DriveResult::BadLetter},
      {1223, DriveResult::Cancelled},
      {1205, DriveResult::ProfileNotSaved},
      {1206, DriveResult::ProfileNotSaved},
      {1219, DriveResult::Failed},  // credentials conflict with an open session
      {2401, DriveResult::Failed},  // open files, had the disconnection not been forced
  };
  for (const auto& [error, result] : cases) {
    EXPECT_EQ(DriveResultOfNetError(error), result) << error;
  }
}

TEST(WindowsNetErrors, PersistentAndInteractiveRequestsSetTheirFlags) {
  ConnectRequest request{'K', R"(\\10.0.0.2\HDD_1)", "", "", true, false};
  EXPECT_EQ(ConnectFlagsOf(request), 0x1u);
  request.interactive = true;
  EXPECT_EQ(ConnectFlagsOf(request), 0x9u);
  request.persistent = false;
  EXPECT_EQ(ConnectFlagsOf(request), 0x8u);
}

}  // namespace
}  // namespace tarvix::platform::windows
