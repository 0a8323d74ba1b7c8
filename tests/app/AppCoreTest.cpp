#include <gtest/gtest.h>

#include "app/DriveLetterItems.h"
#include "app/MappedDriveTable.h"
#include "app/SelectedRow.h"
#include "app/VolumeRows.h"
#include "protocol/FixedText.h"
#include "protocol/LanInfo.h"
#include "protocol/ShareList.h"
#include "tests/mock/FakeDriveService.h"
#include "tests/mock/FakeSystemInfo.h"

namespace tarvix::app {
namespace {

using platform::DriveType;
using testing::FakeDriveService;

int EntryOf(char letter) { return 'Z' - letter; }

TEST(MappedDriveTable, ReadsServerAndShareFromTheRemoteName) {
  struct Case {
    const char* remote;
    const char* server;
    const char* share;
  };
  const Case cases[] = {
      {"\\\\nas\\music", "nas", "music"},
      {"\\\\10.0.0.2\\HDD_1\\deep\\path", "10.0.0.2", "HDD_1\\deep\\path"},
  };
  for (const Case& c : cases) {
    FakeDriveService drives;
    drives.MapRemote('K', c.remote);
    MappedDriveTable table;
    table.RefreshMappedDrives(drives);
    const MappedDriveEntry& k = table.Entry(EntryOf('K'));
    EXPECT_STREQ(k.drive, "K:");
    EXPECT_STREQ(k.server, c.server);
    EXPECT_STREQ(k.share, c.share);
  }
}

TEST(MappedDriveTable, NameWithoutSeparatorKeepsTheEntryAndNoConnectionClearsIt) {
  FakeDriveService drives;
  drives.MapRemote('K', "\\\\nas\\music");
  drives.MapRemote('J', "\\\\nas\\music");
  MappedDriveTable table;
  table.RefreshMappedDrives(drives);
  drives.MapRemote('K', "\\\\nas");
  drives.SetDrive('J', DriveType::NoRootDir);
  table.RefreshMappedDrives(drives);
  EXPECT_STREQ(table.Entry(EntryOf('K')).share, "music");
  EXPECT_FALSE(table.Entry(EntryOf('J')).IsMapped());
  EXPECT_STREQ(table.Entry(EntryOf('A')).drive, "A:");
}

TEST(DriveLetterItems, OffersFreeAndNetworkLettersOnly) {
  FakeDriveService drives;
  drives.SetDrive('Z', DriveType::Fixed);
  drives.SetDrive('Y', DriveType::CdRom);
  drives.SetDrive('X', DriveType::RamDisk);
  drives.SetDrive('W', DriveType::Removable);
  drives.MapRemote('V', "\\\\nas\\music");
  MappedDriveTable table;
  table.RefreshMappedDrives(drives);
  const DriveLetterItems items = BuildDriveLetterItems(table, drives);
  ASSERT_EQ(items.texts.size(), 20u);  // V: down to C:
  EXPECT_EQ(items.texts[0], "V: \\\\nas\\music");
  EXPECT_EQ(items.texts[1], "U:");
  EXPECT_EQ(items.texts.back(), "C:");
  EXPECT_EQ(items.selected, 1);
}

TEST(DriveLetterItems, LongMappingIsCutToItsBuffer) {
  FakeDriveService drives;
  drives.MapRemote('Q', "\\\\" + std::string(120, 's') + "\\" + std::string(120, 'h'));
  MappedDriveTable table;
  table.RefreshMappedDrives(drives);
  // Longer than the buffer once the drive and separators are added.
  CopyField(table.Entry(EntryOf('Q')).share, std::string(255, 'h'));
  const DriveLetterItems items = BuildDriveLetterItems(table, drives);
  const std::string& q = items.texts[static_cast<size_t>(EntryOf('Q'))];
  EXPECT_EQ(q.size(), kDriveItemBuffer - 1);
  EXPECT_EQ(q.substr(0, 6), "Q: \\\\s");
}

TEST(VolumeRows, LocationIsTheLowestLetterMappingTheShareIgnoringCase) {
  FakeDriveService drives;
  drives.MapRemote('K', "\\\\10.0.0.2\\music");
  drives.MapRemote('G', "\\\\NAS\\Music");
  drives.MapRemote('H', "\\\\other\\photo");
  MappedDriveTable table;
  table.RefreshMappedDrives(drives);
  ShareList shares;
  shares.AppendShareText("music:photo");
  testing::FakeSystemInfo system;
  const auto rows = BuildVolumeRows(shares, table, system, "nas", "10.0.0.2");
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].name, "music");
  EXPECT_EQ(rows[0].location, "G:");
  EXPECT_EQ(rows[1].location, "");
}

TEST(FindSelectedRow, SearchesFromTheTopVisibleRow) {
  struct Case {
    int top;
    int selected;
    int expected;
  };
  const Case cases[] = {{0, 3, 3}, {2, 3, 3}, {4, 3, 6}, {0, -1, 6}, {0, 5, 5}};
  for (const Case& c : cases) {
    EXPECT_EQ(FindSelectedRow(c.top, 6, [&](int row) { return row == c.selected; }), c.expected)
        << c.top << " " << c.selected;
  }
}

}  // namespace
}  // namespace tarvix::app
