#include "addons/InstallationRunner.h"

#include <gtest/gtest.h>

#include "addons/PayloadCatalogue.h"
#include "protocol/FixedText.h"
#include "tests/addons/AddonHarness.h"

namespace tarvix::addons {
namespace {

using testing::AddonHarness;
using testing::PayloadBytes;

constexpr int kCyrillic = 7;
constexpr int kNorthernEuropean = 3;

// One installation in the loading dialog; `bitTorrent` sets the mode first.
void Install(AddonHarness& h, bool bitTorrent, int languageIndex = kCyrillic) {
  h.state.bitTorrentMode = bitTorrent ? 1 : 0;
  h.state.languageIndex = languageIndex;
  InstallationRunner runner(h.context, "10.77.1.2");
  h.dialogs.RunLoading(runner);
}

std::vector<std::string> Created(const AddonHarness& h) {
  std::vector<std::string> files;
  for (const std::string& entry : h.Entries("create ")) files.push_back(entry.substr(7));
  return files;
}

TEST(InstallationRunner, CyrillicOnTheSecondGenerationWritesSevenFilesBetweenRwAnd866) {
  AddonHarness h;
  Install(h, false);
  const std::string folder = R"(\\10.77.1.2\HDD_1\.systemfile\.codepages\)";
  std::vector<std::string> expected;
  for (const LanguagePayload& row : PayloadCatalogue::RowsFor(866, kGeneration2)) {
    expected.push_back(folder + row.file);
    EXPECT_EQ(h.files.Bytes(folder + row.file), PayloadBytes("CODEPAGE", row.resourceId))
        << row.file;
  }
  EXPECT_EQ(Created(h), expected);
  EXPECT_LT(h.At("send 10 rw"), h.At("create " + expected.front()));
  EXPECT_LT(h.At("closed " + expected.back() + " 131614"), h.At("send 8 866"));
  EXPECT_EQ(h.operations.Sent(), (std::vector<std::string>{"10 rw", "8 866"}));
  EXPECT_STREQ(h.session.codepage, "866");
  EXPECT_LT(h.At("send 8 866"), h.At("close loading"));
  EXPECT_EQ(h.Entries("stop timer"), std::vector<std::string>{"stop timer 1"});
  EXPECT_EQ(h.state.lastWriteFailed, 0);
  EXPECT_TRUE(h.messages.shown.empty());
}

TEST(InstallationRunner, TheShareAnswerDecidesFolderAndGeneration) {
  struct Case {
    std::deque<std::optional<std::string>> answers;
    std::optional<std::string> then;
    std::string firstFile;
    std::size_t files;
    std::size_t queries;
  };
  const Case cases[] = {
      {{"hdd_1"}, "HDD_1", R"(\\10.77.1.2\hdd_1\.systemfile\.codepages\codepage.866)", 7, 1},
      {{}, std::nullopt, R"(\\10.77.1.2\HDD_a\.codepages\codepage.866)", 5, 10},
      {{"", "NAS", "hdd_a"}, "HDD_1", R"(\\10.77.1.2\HDD_a\.codepages\codepage.866)", 5, 3},
  };
  for (const Case& c : cases) {
    AddonHarness h;
    h.operations.shareName = {c.answers, c.then};
    Install(h, false);
    const auto created = Created(h);
    ASSERT_EQ(created.size(), c.files) << c.firstFile;
    EXPECT_EQ(created.front(), c.firstFile);
    EXPECT_EQ(h.Entries("QueryShareName").size(), c.queries) << c.firstFile;
  }
}

// The last answer names no system share: there is no place to write to.
TEST(InstallationRunner, AnUnknownShareWritesNothingAndStops) {
  AddonHarness h;
  h.operations.shareName = {{}, "Public"};
  Install(h, false);
  EXPECT_EQ(h.Entries("QueryShareName").size(), 10u);
  EXPECT_TRUE(Created(h).empty());
  EXPECT_EQ(h.operations.Sent(), (std::vector<std::string>{"10 rw", "13 stop"}));
  EXPECT_EQ(h.messages.Texts(), std::vector<std::string>{"Please check hard drives."});
  EXPECT_EQ(h.state.lastWriteFailed, 1);
}

TEST(InstallationRunner, AFailureOnTheSecondFileKeepsTheFirstAndWritesNoThird) {
  AddonHarness h;
  const std::string folder = R"(\\10.77.1.2\HDD_1\.systemfile\.codepages\)";
  h.files.Refuse(folder + "nls_cp866.ko");
  Install(h, false);
  EXPECT_EQ(Created(h),
            (std::vector<std::string>{folder + "codepage.866", folder + "nls_cp866.ko failed"}));
  EXPECT_EQ(h.files.Bytes(folder + "codepage.866"), PayloadBytes("CODEPAGE", 169));
  EXPECT_EQ(h.operations.Sent(), (std::vector<std::string>{"10 rw", "13 stop"}));
  // The dialog is closed first, the device told to stop, then the user told.
  EXPECT_LT(h.At("close loading"), h.At("stop timer 1"));
  EXPECT_LT(h.At("stop timer 1"), h.At("send 13 stop"));
  EXPECT_LT(h.At("send 13 stop"), h.At("message Please check hard drives."));
  ASSERT_EQ(h.messages.shown.size(), 1u);
  EXPECT_EQ(h.messages.shown[0].caption, "");
  EXPECT_EQ(h.messages.shown[0].icon, settings::MessageIcon::None);
  EXPECT_EQ(h.state.lastWriteFailed, 1);
}

TEST(InstallationRunner, CodepagesWithoutFilesOnlySendTheirNumber) {
  for (int row : {3, 4, 5}) {
    AddonHarness h;
    Install(h, false, row);
    EXPECT_TRUE(Created(h).empty());
    const std::string codepage = row == kNorthernEuropean ? "865" : row == 4 ? "852" : "857";
    EXPECT_EQ(h.operations.Sent(), (std::vector<std::string>{"10 rw", "8 " + codepage}));
  }
}

TEST(InstallationRunner, BitTorrentStagesAndCopiesBothProgramsThenSaysBT) {
  AddonHarness h;
  h.operations.shareName = {{"hdd_1"}, "HDD_1"};
  Install(h, true);
  const std::string folder = R"(\\10.77.1.2\HDD_1\Nas_Prog\BT\)";
  EXPECT_EQ(h.Entries("copy "),
            (std::vector<std::string>{R"(copy C:\bt\bt -> )" + folder + "bt",
                                      R"(copy C:\bt\btdog -> )" + folder + "btdog"}));
  EXPECT_LT(h.At(R"(mkdir C:\bt)"), h.At(R"(create C:\bt\bt)"));
  EXPECT_EQ(h.files.Bytes(folder + "bt"), PayloadBytes("BT", 215));
  EXPECT_EQ(h.files.Bytes(folder + "btdog"), PayloadBytes("BT", 220));
  EXPECT_FALSE(h.files.Exists(R"(C:\bt\bt)"));
  EXPECT_FALSE(h.files.Exists(R"(C:\bt\btdog)"));
  EXPECT_EQ(h.operations.Sent(), (std::vector<std::string>{"10 rw", "14 BT"}));
  EXPECT_EQ(h.Entries("loading"), std::vector<std::string>{"loading 2"});
  EXPECT_EQ(h.Entries("stop timer"), std::vector<std::string>{"stop timer 2"});
  EXPECT_EQ(h.state.bitTorrentInstalled, 1);
  EXPECT_EQ(h.state.bitTorrentMode, 0);
}

TEST(InstallationRunner, AFailedBitTorrentCopyLeavesTheInstalledFlag) {
  AddonHarness h;
  h.files.Refuse(R"(\\10.77.1.2\HDD_1\Nas_Prog/BT\bt)");
  Install(h, true);
  EXPECT_EQ(h.operations.Sent(), (std::vector<std::string>{"10 rw", "13 stop"}));
  EXPECT_TRUE(h.Entries(R"(create C:\bt\btdog)").empty());
  EXPECT_EQ(h.state.bitTorrentInstalled, 0);
  EXPECT_EQ(h.state.bitTorrentMode, 0);
  EXPECT_EQ(h.Entries("stop timer"), std::vector<std::string>{"stop timer 2"});
}

}  // namespace
}  // namespace tarvix::addons
