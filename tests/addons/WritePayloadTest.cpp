#include "addons/WritePayload.h"

#include <gtest/gtest.h>

#include "tests/addons/AddonHarness.h"

namespace tarvix::addons {
namespace {

using testing::AddonHarness;
using testing::PayloadBytes;

const std::string kShareFile = R"(\\10.77.1.2\HDD_1\Nas_Prog/BT\btdog)";
const std::string kDirect = R"(\\10.77.1.2\HDD_1\.systemfile\.codepages\codepage.950)";

TEST(WritePayload, DirectWriteTruncatesAnOlderFile) {
  AddonHarness h;
  h.files.Put(kDirect, std::vector<std::uint8_t>(100, 0xEE));
  EXPECT_TRUE(WritePayload(h.context, "Codepage", 151, kDirect, ""));
  EXPECT_EQ(h.files.Bytes(kDirect), PayloadBytes("CODEPAGE", 151));
  EXPECT_EQ(h.state.lastWriteFailed, 0);
  ASSERT_EQ(h.drives.Connects().size(), 1u);
  EXPECT_EQ(h.drives.Connects()[0].remoteName, kDirect);
  EXPECT_EQ(h.drives.Connects()[0].account, "");
  EXPECT_EQ(h.drives.Connects()[0].password, std::string());
}

TEST(WritePayload, AFailedConnectionIsTriedSixTimesAndTheWriteGoesOn) {
  AddonHarness h;
  h.drives.SetDefaultConnectResult(platform::DriveResult::Unreachable);
  EXPECT_TRUE(WritePayload(h.context, "Codepage", 151, kDirect, ""));
  EXPECT_EQ(h.drives.Connects().size(), 6u);
}

// A staged write deletes the old destination, copies without overwriting and
// deletes its staging file, in this order.
TEST(WritePayload, StagedWriteReplacesTheDestinationAndRemovesTheStagingFile) {
  AddonHarness h;
  h.files.Put(kShareFile, {1, 2, 3});
  EXPECT_TRUE(WritePayload(h.context, "BT", 220, R"(C:\bt\btdog)", kShareFile));
  EXPECT_EQ(h.files.Bytes(kShareFile), PayloadBytes("BT", 220));
  EXPECT_FALSE(h.files.Exists(R"(C:\bt\btdog)"));
  EXPECT_EQ(h.Entries("c"), (std::vector<std::string>{
                                R"(create C:\bt\btdog)", R"(closed C:\bt\btdog 22672)",
                                R"(copy C:\bt\btdog -> \\10.77.1.2\HDD_1\Nas_Prog\BT\btdog)"}));
  EXPECT_LT(h.At(R"(delete \\10.77.1.2\HDD_1\Nas_Prog\BT\btdog)"),
            h.At(R"(copy C:\bt\btdog -> \\10.77.1.2\HDD_1\Nas_Prog\BT\btdog)"));
}

TEST(WritePayload, ALowerCaseDriveIsNoStagingPath) {
  AddonHarness h;
  EXPECT_TRUE(WritePayload(h.context, "BT", 220, R"(c:\bt\btdog)", kShareFile));
  EXPECT_EQ(h.files.Bytes(R"(c:\bt\btdog)"), PayloadBytes("BT", 220));
  EXPECT_FALSE(h.files.Exists(kShareFile));
  EXPECT_TRUE(h.Entries("copy").empty());
}

TEST(WritePayload, AFailedCopyStillDeletesTheStagingFile) {
  AddonHarness h;
  h.files.Refuse(kShareFile);
  EXPECT_FALSE(WritePayload(h.context, "BT", 220, R"(C:\bt\btdog)", kShareFile));
  EXPECT_FALSE(h.files.Exists(R"(C:\bt\btdog)"));
  EXPECT_EQ(h.state.lastWriteFailed, 1);
}

// Only a file that really holds the payload counts: an old file that cannot be
// rewritten, or a write cut short, fails although a file is there.
TEST(WritePayload, AFileThatIsThereIsNotEnough) {
  struct Case {
    const char* what;
    void (*arrange)(mock::FakeFileService&);
  };
  const Case cases[] = {
      {"old file refused",
       [](mock::FakeFileService& f) {
         f.Put(kDirect, {9});
         f.Refuse(kDirect);
       }},
      {"disk full", [](mock::FakeFileService& f) { f.FillAfter(kDirect, 5); }},
      {"a folder in the way", [](mock::FakeFileService& f) { f.PutFolder(kDirect); }},
  };
  for (const Case& c : cases) {
    AddonHarness h;
    c.arrange(h.files);
    EXPECT_FALSE(WritePayload(h.context, "Codepage", 151, kDirect, "")) << c.what;
    EXPECT_TRUE(h.files.Exists(kDirect)) << c.what;
    EXPECT_EQ(h.state.lastWriteFailed, 1) << c.what;
  }
}

TEST(WritePayload, LastWriteFailedFollowsTheLatestCall) {
  AddonHarness h;
  h.files.Refuse(kDirect);
  EXPECT_FALSE(WritePayload(h.context, "Codepage", 151, kDirect, ""));
  EXPECT_EQ(h.state.lastWriteFailed, 1);
  EXPECT_TRUE(WritePayload(h.context, "Codepage", 157, kDirect + "6", ""));
  EXPECT_EQ(h.state.lastWriteFailed, 0);
}

TEST(WritePayload, APayloadTheProgramLacksWritesNothing) {
  AddonHarness h;
  EXPECT_FALSE(WritePayload(h.context, "Codepage", 222, kDirect, ""));
  EXPECT_TRUE(h.files.Files().empty());
  EXPECT_EQ(h.state.lastWriteFailed, 1);
}

}  // namespace
}  // namespace tarvix::addons
