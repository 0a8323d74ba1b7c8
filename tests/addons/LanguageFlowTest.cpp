// The language button's flow: the dialog's checks, the firmware refusal, the
// installation, the restart progress and the retry after a failure.
#include <gtest/gtest.h>

#include "addons/LanguageChoice.h"
#include "tests/addons/AddonHarness.h"

namespace tarvix::addons {
namespace {

using testing::AddonHarness;
using Outcome = InstallOutcome;

const std::vector<std::string> kRefresh = {"refresh drives", "fill drive letters", "search",
                                           "clear selection"};
const std::string kFirmware =
    "This codepage does not supported in this firmware.\nPlease download the latest firmware "
    "from the support link.";

std::vector<std::string> Refreshes(const AddonHarness& h) {
  std::vector<std::string> found;
  for (const std::string& entry : h.journal)
    for (const std::string& step : kRefresh)
      if (entry == step) found.push_back(entry);
  return found;
}

TEST(LanguageFlow, WithoutASelectedDeviceNothingHappens) {
  AddonHarness h;
  h.window.deviceSelected = false;
  EXPECT_EQ(h.flows.OnLanguageButton(h.window), Outcome::NotStarted);
  ASSERT_EQ(h.messages.shown.size(), 1u);
  EXPECT_EQ(h.messages.shown[0], (mock::JournalMessages::Shown{"Please select a device.", "Error",
                                                               settings::MessageIcon::Stop}));
  EXPECT_TRUE(h.Entries("language dialog").empty());
}

// The disk states that end the flow before the list is shown: their message,
// no "rw", no installation, and the main window left as it was.
TEST(LanguageFlow, DiskStatesThatGiveUp) {
  struct Case {
    std::optional<std::string> answer;
    const char* message;
    std::size_t queries;
  };
  const Case cases[] = {
      {"1",
       "No hard drives were detected.\nPlease verify that the hard drives are properly "
       "connected before continuing.",
       1},
      {"2", "Please format hard drive.", 1},
      {"4", "This device supports Unicode.", 1},
      {"6", "Multi-language options are not supported on this device.", 10},
      {"ready", "Multi-language options are not supported on this device.", 10},
      {std::nullopt, "Multi-language options are not supported on this device.", 10},
  };
  for (const Case& c : cases) {
    AddonHarness h;
    h.operations.ideOk = {{}, c.answer};
    EXPECT_EQ(h.flows.OnLanguageButton(h.window), Outcome::NotStarted);
    EXPECT_EQ(h.messages.Texts(), std::vector<std::string>{c.message});
    EXPECT_EQ(h.Entries("QueryIdeOk").size(), c.queries) << c.message;
    EXPECT_EQ(h.clock.pauses, std::vector<int>(c.queries, 1000)) << c.message;
    EXPECT_TRUE(h.operations.Sent().empty()) << c.message;
    EXPECT_EQ(h.state.flowAbandoned, -1);
    EXPECT_TRUE(Refreshes(h).empty());
  }
}

TEST(LanguageFlow, AnUnformattedDiskOpensTheDevicePages) {
  AddonHarness h;
  h.operations.ideOk = {{}, "2"};
  h.flows.OnLanguageButton(h.window);
  EXPECT_EQ(h.Entries("run "), std::vector<std::string>{"run xdg-open http://10.77.1.2"});
  EXPECT_LT(h.At("message Please format hard drive."), h.At("run xdg-open http://10.77.1.2"));
}

TEST(LanguageFlow, TheDiskStateIsAskedUntilItMeansSomething) {
  AddonHarness h;
  h.operations.ideOk = {{std::nullopt, "0", "3"}, "1"};
  h.dialogs.languageRows = {std::nullopt};
  h.flows.OnLanguageButton(h.window);
  EXPECT_EQ(h.Entries("QueryIdeOk").size(), 3u);
  EXPECT_EQ(h.dialogs.preselected, std::vector<int>{0});  // the device's 950
}

TEST(LanguageFlow, TheDevicesCodepagePreselectsItsRow) {
  struct Case {
    std::deque<std::optional<std::string>> answers;
    std::optional<std::string> then;
    int row;
    std::size_t queries;
  };
  const Case cases[] = {
      {{}, "857", 5, 1},  // Turkish, even when the firmware lacks it
      {{}, "932", 8, 1},         {{std::nullopt, "1252"}, "866", 7, 3},
      {{}, std::nullopt, 2, 10},  // no answer: Western European
      {{}, "437", 2, 10},
  };
  for (const Case& c : cases) {
    AddonHarness h;
    h.operations.codepage = {c.answers, c.then};
    h.dialogs.languageRows = {std::nullopt};
    h.flows.OnLanguageButton(h.window);
    EXPECT_EQ(h.dialogs.preselected, std::vector<int>{c.row});
    EXPECT_EQ(h.Entries("QueryCodepage").size(), c.queries);
    EXPECT_EQ(h.state.extendedCodepages, 0);
  }
}

TEST(LanguageFlow, FirmwareWithoutTheExtendedCodepagesRefusesThemAtSelectionAndAtOK) {
  for (int row : {3, 4, 5}) {
    AddonHarness h;
    h.dialogs.languageRows = {row};
    EXPECT_EQ(h.flows.OnLanguageButton(h.window), Outcome::NotStarted);
    EXPECT_EQ(h.messages.Texts(), (std::vector<std::string>{kFirmware, kFirmware}));
    EXPECT_TRUE(h.Entries("loading").empty());
  }
}

// Disk state 5 offers the extended code pages; 865 has no files of its own.
TEST(LanguageFlow, NorthernEuropeanOnAnExtendedFirmwareSendsOnlyItsNumber) {
  AddonHarness h;
  h.operations.ideOk = {{}, "5"};
  h.dialogs.languageRows = {3};
  h.state.flowAbandoned = -1;  // an earlier flow was given up
  EXPECT_EQ(h.flows.OnLanguageButton(h.window), Outcome::Installed);
  EXPECT_EQ(h.state.extendedCodepages, 1);
  EXPECT_STREQ(h.session.ideOk, "3");
  EXPECT_TRUE(h.messages.shown.empty());
  EXPECT_TRUE(h.files.Files().empty());
  EXPECT_EQ(h.operations.Sent(), (std::vector<std::string>{"10 rw", "8 865"}));
  EXPECT_LT(h.At("send 8 865"), h.At("restart"));
  EXPECT_EQ(Refreshes(h), kRefresh);
  EXPECT_LT(h.At("restart"), h.At("refresh drives"));
  EXPECT_EQ(h.state.flowAbandoned, 0);
  EXPECT_FALSE(h.window.deviceSelected);
}

TEST(LanguageFlow, AFailedInstallationOffersTheDialogAgain) {
  AddonHarness h;
  h.files.Refuse(R"(\\10.77.1.2\HDD_1\.systemfile\.codepages\nls_cp866.ko)");
  h.dialogs.languageRows = {7, std::nullopt};
  EXPECT_EQ(h.flows.OnLanguageButton(h.window), Outcome::Failed);
  EXPECT_EQ(h.Entries("language dialog").size(), 2u);
  std::vector<std::string> steps;
  for (const std::string& entry : h.journal)
    if (entry == "language dialog" || entry.starts_with("message")) steps.push_back(entry);
  EXPECT_EQ(steps, (std::vector<std::string>{"language dialog", "message Please check hard drives.",
                                             "language dialog"}));
  EXPECT_TRUE(h.Entries("restart").empty());
  EXPECT_EQ(h.state.flowAbandoned, -1);  // the second dialog was cancelled
  EXPECT_TRUE(Refreshes(h).empty());
}

TEST(LanguageFlow, ARetryThatSucceedsRestartsAndRefreshes) {
  AddonHarness h;
  const std::string second = R"(\\10.77.1.2\HDD_1\.systemfile\.codepages\nls_cp866.ko)";
  h.files.Refuse(second);
  h.dialogs.languageRows = {7, 0};
  h.journal.clear();
  EXPECT_EQ(h.flows.OnLanguageButton(h.window), Outcome::Installed);
  EXPECT_EQ(h.operations.Sent(), (std::vector<std::string>{"10 rw", "13 stop", "10 rw", "8 950"}));
  EXPECT_EQ(h.Entries("restart").size(), 1u);
  EXPECT_EQ(Refreshes(h), kRefresh);
}

// A code page without files is judged by the last write before it.
TEST(LanguageFlow, ACodepageWithoutFilesIsJudgedByTheWriteBeforeIt) {
  AddonHarness h;
  h.operations.ideOk = {{}, "5"};
  h.state.lastWriteFailed = 1;
  h.dialogs.languageRows = {4, std::nullopt};
  EXPECT_EQ(h.flows.OnLanguageButton(h.window), Outcome::Failed);
  EXPECT_EQ(h.operations.Sent(), (std::vector<std::string>{"10 rw", "8 852"}));
  EXPECT_EQ(h.Entries("language dialog").size(), 2u);
  EXPECT_TRUE(h.Entries("restart").empty());
}

TEST(LanguageFlow, CancelGivesUpAndTheBitTorrentModeIsCleared) {
  AddonHarness h;
  h.state.bitTorrentMode = 1;
  h.dialogs.languageRows = {std::nullopt};
  EXPECT_EQ(h.flows.OnLanguageButton(h.window), Outcome::NotStarted);
  EXPECT_EQ(h.state.flowAbandoned, -1);
  EXPECT_EQ(h.state.bitTorrentMode, 0);
  EXPECT_TRUE(h.operations.Sent().empty());
}

TEST(LanguageChoice, OKWithoutARowKeepsTheDialogOpen) {
  AddonHarness h;
  LanguageChoice choice(h.context, "10.77.1.2");
  h.state.languageIndex = 4;
  EXPECT_FALSE(choice.OnOK(std::nullopt));
  EXPECT_EQ(h.state.languageIndex, 4);
  EXPECT_TRUE(h.messages.shown.empty());
  EXPECT_TRUE(choice.OnOK(8));
  EXPECT_EQ(h.state.languageIndex, 8);
}

}  // namespace
}  // namespace tarvix::addons
