#pragma once
#include <gtest/gtest.h>

#include <memory>

#include "app/CMainDlg.h"
#include "tests/support/FakeSocketApi.h"
#include "protocol/Protocol.h"
#include "tests/app/ScriptedSocketApi.h"
#include "platform/testing/FakeDriveService.h"
#include "platform/testing/FakeSystemInfo.h"

namespace tarvix::testing {

// The main window on a scripted network, with a fake drive table.
class MainWindowFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Builds, initialises and shows the window with the devices set up so far.
  CMainDlg& Open();
  // Selects a device row the way a click does, then runs the click handler.
  void ClickDeviceRow(int row);
  int RowOf(const std::string& address) const;

  static ScriptedDevice TwoPortDevice();

  ScriptedSocketApi sockets;
  CountingClock clock;
  std::unique_ptr<Protocol> protocol;
  platform::testing::FakeDriveService drives;
  platform::testing::FakeSystemInfo system;
  std::unique_ptr<CMainDlg> window;
};

}  // namespace tarvix::testing
