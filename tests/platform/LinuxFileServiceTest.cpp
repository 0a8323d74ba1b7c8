// The program's path names on Linux, and the file service on real local files
// and on a private smbd on 127.0.0.1 (a guest share, as the devices' system share).
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <numeric>
#include <vector>

#include "platform/linux/FilePathMapping.h"
#include "platform/linux/LinuxFileService.h"
#include "tests/platform/support/SmbdServer.h"
#include "tests/platform/support/TempDir.h"

namespace tarvix::platform {
namespace {

namespace fs = std::filesystem;
using testsupport::SmbdServer;
using testsupport::TempDir;

TEST(FilePathMappingTest, LocalDriveIsTheRootAndNetworkPathsStayNetworkPaths) {
  const fs::path root = "/home/u/.local/share/tarvix-storage-utility";
  struct Case {
    const char* path;
    std::optional<MappedPath> expected;
  };
  const Case cases[] = {
      {R"(C:\bt\bt)", root / "bt" / "bt"},
      {R"(c:\bt\bt)", root / "bt" / "bt"},  // drive letters know no case
      {R"(C:\ip.txt)", root / "ip.txt"},
      {R"(C:\bt\)", root / "bt"},
      {"C:/bt/btdog", root / "bt" / "btdog"},
      {R"(\\10.77.1.2\HDD_1\Nas_Prog/BT\bt)", UncPath{"10.77.1.2", "HDD_1", R"(Nas_Prog\BT\bt)"}},
      {R"(\\nas\hdd_1\.systemfile\.codepages\codepage.950)",
       UncPath{"nas", "hdd_1", R"(.systemfile\.codepages\codepage.950)"}},
      {R"(\\nas\HDD_a)", UncPath{"nas", "HDD_a", ""}},
      {R"(\\nas)", std::nullopt},
      {R"(D:\bt\bt)", std::nullopt},
      {"bt", std::nullopt},
      {"/etc/passwd", std::nullopt},
      {R"(C:\..\..\etc\passwd)", std::nullopt},
      {R"(\\nas\HDD_1\..\other)", std::nullopt},
      {"C:", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(MapPath(c.path, root), c.expected) << c.path;
}

std::vector<std::uint8_t> Pattern(std::size_t size) {
  std::vector<std::uint8_t> bytes(size);
  std::iota(bytes.begin(), bytes.end(), std::uint8_t{7});
  return bytes;
}

// Writes `bytes` in pieces of `piece`, as the payload writer does.
bool WriteFile(FileService& files, const std::string& path, const std::vector<std::uint8_t>& bytes,
               std::size_t piece = 1000) {
  std::unique_ptr<FileWriter> writer = files.Create(path);
  if (!writer) return false;
  for (std::size_t at = 0; at < bytes.size(); at += piece) {
    const std::size_t n = std::min(piece, bytes.size() - at);
    if (!writer->Write({bytes.data() + at, n})) return false;
  }
  return writer->Close();
}

std::vector<std::uint8_t> ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint64_t SizeOf(FileService& files, const std::string& path) {
  const auto status = files.Stat(path);
  return status ? status->size : ~0ull;
}

// The same operations on the local drive and on a share.
class FileServiceTest : public ::testing::TestWithParam<bool> {
 protected:
  static void SetUpTestSuite() {
    if (SmbdServer::WhyUnavailable()) return;
    shares_ = std::make_unique<TempDir>();
    fs::create_directories(shares_->Path() / "system");
    fs::permissions(shares_->Path(), fs::perms::all);
    fs::permissions(shares_->Path() / "system", fs::perms::all);
    testsupport::SmbdOptions options;
    options.shares = {{"HDD_1", shares_->Path() / "system", true, {}}};
    server_ = std::make_unique<SmbdServer>(options);
    startError_ = server_->Start();
  }
  static void TearDownTestSuite() {
    server_.reset();
    shares_.reset();
  }

  void SetUp() override {
    if (Network()) {
      if (auto why = SmbdServer::WhyUnavailable()) GTEST_SKIP() << *why;
      ASSERT_EQ(startError_, "");
      for (const auto& entry : fs::directory_iterator(shares_->Path() / "system"))
        fs::remove_all(entry.path());
    }
    files_ = std::make_unique<LinuxFileService>(Options("drive"));
  }

  bool Network() const { return GetParam(); }
  LinuxFileService::Options Options(const char* rootName) const {
    return {root_.Path() / rootName, Network() ? server_->Port() : std::uint16_t{0}, 10000};
  }
  // Where `name` lives for the service, and where the test finds it directly.
  std::string At(const std::string& name) const {
    return (Network() ? R"(\\127.0.0.1\HDD_1\)" : R"(C:\)") + name;
  }
  fs::path Direct(const std::string& name) const {
    return (Network() ? shares_->Path() / "system" : root_.Path() / "drive") / name;
  }

  TempDir root_;
  std::unique_ptr<LinuxFileService> files_;
  static inline std::unique_ptr<TempDir> shares_;
  static inline std::unique_ptr<SmbdServer> server_;
  static inline std::string startError_;
};

TEST_P(FileServiceTest, WritesInPiecesTruncatesAndDeletes) {
  const std::vector<std::uint8_t> large = Pattern(300000);
  ASSERT_TRUE(WriteFile(*files_, At("payload"), large, 65536));
  EXPECT_EQ(SizeOf(*files_, At("payload")), large.size());
  ASSERT_TRUE(WriteFile(*files_, At("payload"), Pattern(8)));
  EXPECT_EQ(SizeOf(*files_, At("payload")), 8u);
  EXPECT_EQ(ReadBytes(Direct("payload")), Pattern(8));
  EXPECT_TRUE(files_->Delete(At("payload")));
  EXPECT_FALSE(files_->Stat(At("payload")));
  EXPECT_FALSE(files_->Delete(At("payload")));
}

TEST_P(FileServiceTest, FoldersAreMadeOnceAndRemovedOnlyWhenEmpty) {
  ASSERT_TRUE(files_->MakeFolder(At("Nas_Prog")));
  ASSERT_TRUE(files_->MakeFolder(At("Nas_Prog/BT")));
  EXPECT_FALSE(files_->MakeFolder(At("Nas_Prog")));
  EXPECT_TRUE(files_->Stat(At("Nas_Prog\\BT"))->folder);
  ASSERT_TRUE(WriteFile(*files_, At(R"(Nas_Prog/BT\bt)"), Pattern(10)));
  EXPECT_TRUE(fs::is_regular_file(Direct("Nas_Prog/BT/bt")));
  EXPECT_FALSE(files_->RemoveFolder(At("Nas_Prog\\BT")));
  EXPECT_TRUE(files_->Delete(At(R"(Nas_Prog\BT\bt)")));
  EXPECT_TRUE(files_->RemoveFolder(At(R"(Nas_Prog\BT\)")));
  EXPECT_FALSE(files_->Stat(At("Nas_Prog\\BT")));
}

TEST_P(FileServiceTest, AFolderInTheWayRefusesTheFile) {
  fs::create_directories(Direct("nls_cp866.ko"));
  fs::permissions(Direct("nls_cp866.ko"), fs::perms::all);
  EXPECT_EQ(files_->Create(At("nls_cp866.ko")), nullptr);
  EXPECT_FALSE(files_->Delete(At("nls_cp866.ko")));
  EXPECT_TRUE(files_->Stat(At("nls_cp866.ko"))->folder);
}

// Staging: a local file copied to the share, or the other way round.
TEST_P(FileServiceTest, CopiesAcrossWithoutOverwriting) {
  const std::vector<std::uint8_t> payload = Pattern(200000);
  ASSERT_TRUE(WriteFile(*files_, R"(C:\staged)", payload));
  ASSERT_TRUE(files_->CopyNoOverwrite(R"(C:\staged)", At("copy")));
  EXPECT_EQ(ReadBytes(Direct("copy")), payload);
  EXPECT_FALSE(files_->CopyNoOverwrite(R"(C:\staged)", At("copy")));
  ASSERT_TRUE(files_->CopyNoOverwrite(At("copy"), R"(C:\back)"));
  EXPECT_EQ(SizeOf(*files_, R"(C:\back)"), payload.size());
  EXPECT_FALSE(files_->CopyNoOverwrite(R"(C:\missing)", At("other")));
  EXPECT_FALSE(files_->CopyNoOverwrite(At(""), R"(C:\folder)"));
  EXPECT_FALSE(files_->Stat(At("other")));
  EXPECT_FALSE(files_->Stat(R"(C:\folder)"));
}

INSTANTIATE_TEST_SUITE_P(LocalAndShare, FileServiceTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& param) {
                           return param.param ? "Share" : "Local";
                         });

TEST(LinuxFileServiceTest, TheLocalRootIsMadeOnFirstUseAndNamesTheRealPlace) {
  TempDir temp;
  LinuxFileService files({temp.Path() / "a" / "root", 0, 10000});
  EXPECT_EQ(files.SystemPath(R"(C:\ip.txt)"), (temp.Path() / "a" / "root" / "ip.txt").string());
  EXPECT_EQ(files.SystemPath(R"(\\nas\HDD_1\x y)"), "smb://nas/HDD_1/x%20y");
  EXPECT_EQ(files.SystemPath("Z:\\x"), "");
  ASSERT_TRUE(files.MakeFolder(R"(C:\bt\)"));
  EXPECT_TRUE(fs::is_directory(temp.Path() / "a" / "root" / "bt"));
  EXPECT_EQ(files.Create("Z:\\x"), nullptr);
  EXPECT_FALSE(files.Stat("relative"));
}

TEST(LinuxFileServiceTest, AnUnreachableShareFailsEveryOperation) {
  TempDir temp;
  LinuxFileService files({temp.Path(), testsupport::FreeLoopbackPort(), 2000});
  const std::string path = R"(\\127.0.0.1\HDD_1\x)";
  EXPECT_EQ(files.Create(path), nullptr);
  EXPECT_FALSE(files.Stat(path));
  EXPECT_FALSE(files.Delete(path));
  EXPECT_FALSE(files.MakeFolder(R"(\\127.0.0.1\HDD_1\d)"));
}

}  // namespace
}  // namespace tarvix::platform
