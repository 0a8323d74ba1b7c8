#include "tests/addons/lab/AddonLab.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "addons/EmbeddedPayloads.h"
#include "addons/PayloadCatalogue.h"

namespace tarvix::lab {
namespace {

namespace fs = std::filesystem;
using addons::PayloadCatalogue;

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

const char* kFirmware =
    "This codepage does not supported in this firmware.\nPlease download the latest firmware "
    "from the support link.\n";

// The files of a code page for a generation, below `folder`.
std::vector<std::string> LanguageFiles(const std::string& folder, int codepage, int generation) {
  std::vector<std::string> files;
  for (const auto& row : PayloadCatalogue::RowsFor(codepage, generation))
    files.push_back(folder + row.file);
  return files;
}

const std::string kSecondGeneration = R"(\\10.77.1.2\HDD_1\.systemfile\.codepages\)";
const std::string kLowerCase = R"(\\10.77.1.2\hdd_1\.systemfile\.codepages\)";
const std::string kFirstGeneration = R"(\\10.77.1.2\HDD_a\.codepages\)";
const std::string kBitTorrent = R"(\\10.77.1.2\HDD_1\Nas_Prog/BT\)";

std::vector<AddonLabCase> MakeCases() {
  std::vector<AddonLabCase> cases;
  const auto language = [&](const char* name, std::string device, std::string codepage) {
    AddonLabCase c{name, std::move(device)};
    c.codepage = std::move(codepage);
    c.languageDialogs = 1;
    return c;
  };
  AddonLabCase c = language("cyrillic", "", "866");
  c.installed = true;
  c.written = LanguageFiles(kSecondGeneration, 866, 2);
  c.texts = {"10:rw", "8:866"};
  cases.push_back(c);

  c = language("lower-case-share", "sharename = hdd_1", "866");
  c.installed = true;
  c.written = LanguageFiles(kLowerCase, 866, 2);
  c.texts = {"10:rw", "8:866"};
  cases.push_back(c);

  c = language("no-share-answer", "sharename = HDD_a\nfault.12 = silent", "866");
  c.installed = true;
  c.written = LanguageFiles(kFirstGeneration, 866, 1);
  c.texts = {"10:rw", "8:866"};
  cases.push_back(c);

  c = language("second-file-refused", "refuse_write = HDD_1/.systemfile/.codepages/nls_cp866.ko",
               "866");
  c.messages = "Please check hard drives.\n";
  c.written = {kSecondGeneration + "codepage.866"};
  c.texts = {"10:rw", "13:stop"};
  c.languageDialogs = 2;  // offered again after the failure
  cases.push_back(c);

  for (const char* codepage : {"865", "852", "857"}) {
    c = language("extended-firmware", "ideok = 5", codepage);
    c.installed = true;
    c.texts = {"10:rw", std::string("8:") + codepage};
    cases.push_back(c);
  }

  c = language("older-firmware", "ideok = 3", "857");
  c.messages = kFirmware;
  cases.push_back(c);

  c = language("no-disk", "ideok = 1", "950");
  c.languageDialogs = 0;  // given up before it shows
  c.messages =
      "No hard drives were detected.\nPlease verify that the hard drives are properly "
      "connected before continuing.\n";
  cases.push_back(c);
  c = language("unformatted", "ideok = 2", "950");
  c.languageDialogs = 0;
  c.messages = "Please format hard drive.\n";
  c.opened = {"http://10.77.1.2"};
  cases.push_back(c);
  c = language("unicode", "ideok = 4", "950");
  c.languageDialogs = 0;
  c.messages = "This device supports Unicode.\n";
  cases.push_back(c);

  AddonLabCase bt{"bittorrent", ""};
  bt.bitTorrent = true;
  bt.installed = true;
  bt.written = {kBitTorrent + "bt", kBitTorrent + "btdog"};
  bt.texts = {"10:rw", "14:BT"};
  bt.supportQuestions = 2;
  cases.push_back(bt);

  // An administrator password, given when asked.
  bt = AddonLabCase{"bittorrent-with-password", "admin_password = secret"};
  bt.bitTorrent = true;
  bt.password = "secret";
  bt.installed = true;
  bt.written = {kBitTorrent + "bt", kBitTorrent + "btdog"};
  bt.texts = {"10:rw", "14:BT"};
  cases.push_back(bt);

  bt = AddonLabCase{"no-bittorrent-support", "bt_firmware = 2"};
  bt.bitTorrent = true;
  bt.messages = "BitTorrent does not supported on this device now.\n";
  bt.supportQuestions = 1;
  cases.push_back(bt);

  bt = AddonLabCase{"wrong-password", "admin_password = secret"};
  bt.bitTorrent = true;
  bt.password = "nope";
  bt.messages = "Wrong administrator password input!\n";
  bt.supportQuestions = 0;
  cases.push_back(bt);
  return cases;
}

// The payload that a device file of this name is made from.
std::vector<std::uint8_t> PayloadOf(const std::string& file) {
  for (const auto& row : PayloadCatalogue::LanguageRows())
    if (file == row.file) {
      const auto bytes =
          addons::FindPayload(addons::kCodepageType, static_cast<unsigned>(row.resourceId));
      return {bytes->begin(), bytes->end()};
    }
  for (const auto& row : PayloadCatalogue::BitTorrentRows())
    if (file == row.file) {
      const auto bytes =
          addons::FindPayload(addons::kBitTorrentType, static_cast<unsigned>(row.resourceId));
      return {bytes->begin(), bytes->end()};
    }
  return {};
}

std::vector<std::uint8_t> ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The files on the device's system shares.
std::vector<std::string> DiskFiles(const fs::path& disk) {
  std::vector<std::string> files;
  for (const char* share : {"HDD_1", "HDD_a"})
    for (const auto& entry : fs::recursive_directory_iterator(disk / share))
      if (entry.is_regular_file()) files.push_back(fs::relative(entry.path(), disk).string());
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace

const std::vector<AddonLabCase>& AddonLabCases() {
  static const std::vector<AddonLabCase> cases = MakeCases();
  return cases;
}

std::string AddonLabCaseName(const ::testing::TestParamInfo<std::size_t>& info) {
  const AddonLabCase& c = AddonLabCases()[info.param];
  std::string name = std::string(c.name) + (c.codepage.empty() ? "" : "_" + c.codepage);
  std::replace(name.begin(), name.end(), '-', '_');
  return name;
}

fs::path AddonLab::Disk() { return fs::path("/run/tarvix-lab") / Env("TARVIX_LAB") / "disk1"; }

void AddonLab::SetUpTestSuite() {
  const std::string command = "'" + std::string(TARVIX_LAB_SERVICES) + "' system '" +
                              Env("TARVIX_LAB") + "' 1 '" + Disk().string() +
                              "' HDD_1 HDD_a >/dev/null";
  ASSERT_EQ(RunCommand(command), 0) << command;
}

// Every test starts from empty destination folders and a fresh local drive.
void AddonLab::SetUp() {
  for (const char* share : {"HDD_1", "HDD_a"})
    for (const char* folder : {".systemfile/.codepages", ".codepages", "Nas_Prog/BT"}) {
      const fs::path place = Disk() / share / folder;
      for (const auto& entry : fs::directory_iterator(place)) fs::remove_all(entry.path());
    }
  work_ =
      fs::path("/run/tarvix-lab") / Env("TARVIX_LAB") /
      ("addons-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
  fs::remove_all(work_);
  fs::create_directories(work_ / "data");
  fs::create_directories(work_ / "config");
}

void AddonLab::StartDevice(const AddonLabCase& c) {
  StartSim(1, "[NAS]\naddress = " + std::string(kAddonDevice) +
                  "\nreply_type = 8\nmodel = NV-A20\nideok = 3\ndisk = " + Disk().string() + "\n" +
                  c.device + "\n");
}

std::vector<std::string> AddonLab::Texts() const {
  std::map<int, std::string> texts;
  std::istringstream state(ReadWholeFile(StatePath(1)));
  std::string line;
  while (std::getline(state, line)) {
    const std::string key = "NAS.text.";
    if (!line.starts_with(key) || line.starts_with(key + "count")) continue;
    const auto equals = line.find('=');
    texts[std::stoi(line.substr(key.size(), equals - key.size()))] = line.substr(equals + 1);
  }
  std::vector<std::string> ordered;
  for (const auto& [index, text] : texts) ordered.push_back(text);
  return ordered;
}

int AddonLab::Received(int command) const {
  std::istringstream log(ReadWholeFile(LogPath(1)));
  std::string line;
  int count = 0;
  const std::string wanted = " cmd=" + std::to_string(command) + " ";
  while (std::getline(log, line))
    if (line.find(" rx ") != std::string::npos && line.find(wanted) != std::string::npos) ++count;
  return count;
}

// Share names are not case-sensitive; the folders are "HDD_1" and "HDD_a".
fs::path AddonLab::OnDisk(const std::string& networkPath) const {
  std::string rest =
      networkPath.substr(std::string("\\\\").size() + std::string(kAddonDevice).size() + 1);
  std::replace(rest.begin(), rest.end(), '\\', '/');
  const auto slash = rest.find('/');
  std::string share = rest.substr(0, slash);
  share = (share == "hdd_a" || share == "HDD_a") ? "HDD_a" : "HDD_1";
  return Disk() / share / rest.substr(slash + 1);
}

void AddonLab::ExpectOutcome(const AddonLabCase& c, const AddonLabRun& run) const {
  SCOPED_TRACE(c.name + (c.codepage.empty() ? std::string() : " " + c.codepage));
  EXPECT_EQ(run.installed, c.installed);
  EXPECT_EQ(run.messages, c.messages);
  EXPECT_EQ(run.written, c.written);
  EXPECT_EQ(run.opened, c.opened);
  EXPECT_EQ(Texts(), c.texts);
  if (c.supportQuestions >= 0) {
    EXPECT_EQ(Received(15), c.supportQuestions);
  }
  std::vector<std::string> expectedOnDisk;
  for (const std::string& file : c.written) {
    const fs::path place = OnDisk(file);
    const std::string name = place.filename().string();
    EXPECT_EQ(ReadBytes(place), PayloadOf(name)) << file;
    EXPECT_EQ(fs::file_size(place), PayloadOf(name).size()) << file;
    expectedOnDisk.push_back(fs::relative(place, Disk()).string());
  }
  std::sort(expectedOnDisk.begin(), expectedOnDisk.end());
  EXPECT_EQ(DiskFiles(Disk()), expectedOnDisk);
  // Every file was written after "rw" and before the command that followed the files.
  for (const auto& texts : run.textsAtWrites) EXPECT_EQ(texts, std::vector<std::string>{"10:rw"});
  EXPECT_EQ(run.textsAtWrites.size(), c.written.size());
  EXPECT_FALSE(fs::exists(LocalRoot() / "bt")) << "the staging folder is left";
}

}  // namespace tarvix::lab
