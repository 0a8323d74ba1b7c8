#include <gtest/gtest.h>

#include <algorithm>

#include <QApplication>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTimer>

#include "app/CIpAddressCtrl.h"
#include "app/CStorageUtilityApp.h"
#include "app/QtEventClock.h"
#include "app/WindowShape.h"
#include "tests/mock/FakeDriveService.h"
#include "tests/mock/FakeSystemInfo.h"
#include "tests/mock/ScriptedSocketApi.h"

namespace tarvix::app {
namespace {

TEST(WindowShape, CutsTheTopRowAndTheCorners) {
  const QRegion shape = MakeWindowShape(400, 300);
  for (QPoint inside : {QPoint(200, 1), QPoint(200, 299), QPoint(3, 1), QPoint(396, 2)})
    EXPECT_TRUE(shape.contains(inside)) << inside.x() << "," << inside.y();
  for (QPoint outside : {QPoint(200, 0), QPoint(0, 0), QPoint(399, 0), QPoint(0, 299),
                         QPoint(396, 1), QPoint(3, 299)})
    EXPECT_FALSE(shape.contains(outside)) << outside.x() << "," << outside.y();
}

TEST(IpAddressCtrl, SetsReadsClearsAndFocuses) {
  CIpAddressCtrl field;
  EXPECT_TRUE(field.IsBlank());
  field.SetAddress(0x0A4D0102u);
  std::array<std::uint8_t, 4> octets{};
  EXPECT_EQ(field.GetAddress(octets), 4);
  EXPECT_EQ(octets, (std::array<std::uint8_t, 4>{10, 77, 1, 2}));
  field.Field(2)->clear();
  EXPECT_EQ(field.GetAddress(octets), 3);
  EXPECT_EQ(octets[2], 0);
  field.ClearAddress();
  EXPECT_TRUE(field.IsBlank());
  field.show();
  field.activateWindow();
  field.SetFieldFocus(2);
  EXPECT_EQ(field.focusWidget(), field.Field(2));
}

TEST(QtEventClock, KeepsHandlingEventsWhileItWaits) {
  QtEventClock clock;
  bool timerRan = false;
  QTimer::singleShot(0, [&] { timerRan = true; });
  clock.Pause(5);
  EXPECT_TRUE(timerRan);
  bool posted = false;
  QMetaObject::invokeMethod(
      QCoreApplication::instance(), [&] { posted = true; }, Qt::QueuedConnection);
  clock.Idle();
  EXPECT_TRUE(posted);
}

// A wait that watches sockets hands them slices of at most 10 ms and handles the
// window's events between the slices; the wait ends as soon as its watch says so.
TEST(QtEventClock, WatchedWaitsKeepHandlingEventsBetweenShortSlices) {
  QtEventClock clock;
  bool timerRan = false;
  QTimer::singleShot(0, [&] { timerRan = true; });
  int longest = 0;
  bool sawTimer = false;
  int calls = 0;
  EXPECT_FALSE(clock.PauseWatching(60, [&](int slice) {
    longest = std::max(longest, slice);
    sawTimer = sawTimer || timerRan;
    ++calls;
    return false;
  }));
  EXPECT_GT(calls, 0);
  EXPECT_LE(longest, QtEventClock::kSliceMicroseconds);
  EXPECT_TRUE(sawTimer);  // handled between two slices, while the wait went on

  calls = 0;
  EXPECT_TRUE(clock.Poll(10, [&](int) { return ++calls == 1; }));
  EXPECT_EQ(calls, 1);
}

TEST(StorageUtilityApp, ExitsWithOneAndNoWindowWhenTheNetworkCannotStart) {
  testing::ScriptedSocketApi sockets;
  sockets.startupFails = true;
  testing::FakeDriveService drives;
  testing::FakeSystemInfo system;
  const int windowsBefore = static_cast<int>(QApplication::topLevelWidgets().size());
  EXPECT_EQ(CStorageUtilityApp().Run(sockets, drives, system), 1);
  EXPECT_EQ(static_cast<int>(QApplication::topLevelWidgets().size()), windowsBefore);
  EXPECT_EQ(sockets.OpenSocketCount(), 0);
}

}  // namespace
}  // namespace tarvix::app
