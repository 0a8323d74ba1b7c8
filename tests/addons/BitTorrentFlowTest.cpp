// The BitTorrent button's flow: administrator, disk and support checks, the
// installation and the restart progress.
#include <gtest/gtest.h>

#include "addons/BitTorrentInstallation.h"
#include "tests/addons/AddonHarness.h"

namespace tarvix::addons {
namespace {

using testing::AddonHarness;
using Outcome = InstallOutcome;

const char* kNoBitTorrent = "BitTorrent does not supported on this device now.";

TEST(BitTorrentFlow, StopsBeforeTheChecksWithoutDeviceOrAdministrator) {
  AddonHarness h;
  h.window.deviceSelected = false;
  EXPECT_EQ(h.flows.OnBitTorrentButton(h.window), Outcome::NotStarted);
  EXPECT_EQ(h.messages.Texts(), std::vector<std::string>{"Please select a device."});
  EXPECT_TRUE(h.Entries("administrator check").empty());
  EXPECT_EQ(h.state.bitTorrentMode, 0);

  AddonHarness refused;
  refused.administratorAccepted = false;
  EXPECT_EQ(refused.flows.OnBitTorrentButton(refused.window), Outcome::NotStarted);
  EXPECT_TRUE(refused.Entries("Query").empty());
  EXPECT_TRUE(refused.files.Files().empty());
  EXPECT_EQ(refused.state.bitTorrentMode, 0);
}

// Each check's questions and pauses, and what the flow then says.
TEST(BitTorrentFlow, SupportCheck) {
  struct Case {
    std::optional<std::string> disk;
    std::deque<std::optional<std::string>> support;
    std::optional<std::string> supportThen;
    bool accepted;
    const char* message;  // null: none
    std::size_t diskQueries, supportQueries;
    std::vector<int> pauses;
  };
  const std::vector<int> silent = [] {
    std::vector<int> p(15, 2000);
    p.push_back(1000);
    p.insert(p.end(), 15, 2000);
    return p;
  }();
  const Case cases[] = {
      {"3", {}, "1", true, nullptr, 1, 2, {2000, 1000, 2000}},
      {"4", {}, "1", true, nullptr, 1, 2, {2000, 1000, 2000}},
      {"5", {}, "1", true, nullptr, 1, 2, {2000, 1000, 2000}},
      {"3", {}, "2", false, kNoBitTorrent, 1, 1, {2000, 1000}},
      {"3", {std::nullopt, "0"}, "1", true, nullptr, 1, 3, {2000, 1000, 2000, 2000}},
      {"1",
       {},
       "1",
       false,
       "No hard drives were detected.\nPlease verify that the hard drives "
       "are properly connected before continuing.",
       1,
       2,
       {2000, 1000, 2000}},
      {"2", {}, "1", false, "Please format hard drive.", 1, 2, {2000, 1000, 2000}},
      {std::nullopt, {}, std::nullopt, false, kNoBitTorrent, 15, 16, silent},
  };
  for (const Case& c : cases) {
    AddonHarness h;
    h.operations.ideOk = {{}, c.disk};
    h.operations.btFirmware = {c.support, c.supportThen};
    EXPECT_EQ(CheckBitTorrentSupport(h.context, "10.77.1.2"), c.accepted);
    EXPECT_EQ(h.messages.Texts(),
              c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
    EXPECT_EQ(h.Entries("QueryIdeOk").size(), c.diskQueries);
    EXPECT_EQ(h.Entries("QueryBtFirmware").size(), c.supportQueries);
    EXPECT_EQ(h.clock.pauses, c.pauses);
    EXPECT_EQ(h.state.flowAbandoned, c.accepted ? 0 : -1);
    if (c.accepted) {
      EXPECT_STREQ(h.session.ideOk, "3");
    }
  }
}

TEST(BitTorrentFlow, AnUnformattedDiskOpensTheDevicePages) {
  AddonHarness h;
  h.operations.ideOk = {{}, "2"};
  EXPECT_FALSE(CheckBitTorrentSupport(h.context, "10.77.1.9"));
  EXPECT_EQ(h.Entries("run "), std::vector<std::string>{"run xdg-open http://10.77.1.9"});
}

TEST(BitTorrentFlow, InstallsRestartsRefreshesAndRemovesTheStagingFolder) {
  AddonHarness h;
  EXPECT_EQ(h.flows.OnBitTorrentButton(h.window), Outcome::Installed);
  const std::string folder = R"(\\10.77.1.2\HDD_1\Nas_Prog/BT\)";
  EXPECT_EQ(h.files.Bytes(folder + "bt"), testing::PayloadBytes("BT", 215));
  EXPECT_EQ(h.files.Bytes(folder + "btdog"), testing::PayloadBytes("BT", 220));
  EXPECT_EQ(h.operations.Sent(), (std::vector<std::string>{"10 rw", "14 BT"}));
  EXPECT_LT(h.At("administrator check"), h.At("QueryIdeOk"));
  EXPECT_LT(h.At("send 14 BT"), h.At("restart"));
  EXPECT_LT(h.At("restart"), h.At("search"));
  EXPECT_LT(h.At("clear selection"), h.At(R"(rmdir C:\bt)"));
  EXPECT_FALSE(h.files.Exists(R"(C:\bt\)"));
  EXPECT_EQ(h.state.bitTorrentInstalled, 0);
  EXPECT_EQ(h.state.bitTorrentMode, 0);
}

TEST(BitTorrentFlow, AFailedCopyShowsNoRestart) {
  AddonHarness h;
  h.files.Refuse(R"(\\10.77.1.2\HDD_1\Nas_Prog/BT\btdog)");
  EXPECT_EQ(h.flows.OnBitTorrentButton(h.window), Outcome::Failed);
  EXPECT_EQ(h.messages.Texts(), std::vector<std::string>{"Please check hard drives."});
  EXPECT_TRUE(h.Entries("restart").empty());
  EXPECT_EQ(h.state.bitTorrentInstalled, 0);
  // Nothing gave the flow up, so the window is refreshed and the (empty)
  // staging folder removed.
  EXPECT_EQ(h.At("rmdir C:\\bt"), static_cast<int>(h.journal.size()) - 1);
}

TEST(BitTorrentFlow, ARefusedDeviceLeavesTheNextLanguageInstallationALanguageOne) {
  AddonHarness h;
  h.operations.btFirmware = {{}, "2"};
  EXPECT_EQ(h.flows.OnBitTorrentButton(h.window), Outcome::NotStarted);
  EXPECT_EQ(h.state.bitTorrentMode, 0);
  h.operations.ideOk = {{}, "3"};
  h.dialogs.languageRows = {0};
  EXPECT_EQ(h.flows.OnLanguageButton(h.window), Outcome::Installed);
  EXPECT_EQ(h.Entries("loading"), std::vector<std::string>{"loading 1"});
}

}  // namespace
}  // namespace tarvix::addons
