#pragma once
#include "protocol/DeviceSession.h"
#include "settings/SettingsContext.h"
#include "settings/SettingsState.h"
#include "tests/mock/FakeBrowserService.h"
#include "tests/mock/FakeDriveInUseRunner.h"
#include "tests/mock/FakeDriveService.h"
#include "tests/mock/FakeLanForm.h"
#include "tests/mock/FakeLoginRunner.h"
#include "tests/mock/FakeMessageBoxes.h"
#include "tests/mock/FakeOperations.h"
#include "tests/mock/FakePanel.h"
#include "tests/mock/FakeProcessLauncher.h"
#include "tests/mock/FakeReachabilityChecker.h"
#include "tests/mock/FakeSystemInfo.h"
#include "tests/mock/FakeWorkers.h"

namespace tarvix::testing {

// A settings context made of recording fakes, for the flow tests.
struct SettingsHarness {
  DeviceSession session;
  FakeOperations operations{session};
  settings::SettingsState state;
  FakeMessageBoxes messages;
  FakeLoginRunner login;
  FakeSystemInfo system;
  settings::SettingsContext context{session, operations, state, messages, login, system};
};

}  // namespace tarvix::testing
