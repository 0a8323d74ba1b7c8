#pragma once
#include <gtest/gtest.h>

#include <memory>

#include "app/CMainDlg.h"
#include "protocol/Protocol.h"
#include "tests/mock/CountingClock.h"
#include "tests/mock/FakeDriveService.h"
#include "tests/mock/FakeSystemInfo.h"
#include "tests/mock/ScriptedSocketApi.h"

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
  FakeDriveService drives;
  FakeSystemInfo system;
  std::unique_ptr<CMainDlg> window;
};

}  // namespace tarvix::testing
