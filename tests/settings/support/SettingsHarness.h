#pragma once
#include "tests/settings/support/RecordingFakes.h"
#include "settings/SettingsContext.h"
#include "settings/SettingsState.h"

namespace tarvix::settings::testing {

// A settings context made of recording fakes, for the flow tests.
struct SettingsHarness {
  DeviceSession session;
  FakeOperations operations{session};
  SettingsState state;
  FakeMessageBoxes messages;
  FakeLoginRunner login;
  FakeSystemInfo system;
  SettingsContext context{session, operations, state, messages, login, system};
};

inline platform::WindowsVersion NtVersion(unsigned major, unsigned minor) {
  return {platform::WindowsVersion::Platform::NT, major, minor, 0};
}

}  // namespace tarvix::settings::testing
