#pragma once
#include <filesystem>
#include <string>
#include <vector>

#include "tests/lab/LabFixture.h"

namespace tarvix::lab {

// The simulated device of the add-on lab: the lab's own address on link 1,
// where the lab's Samba serves its system shares.
inline constexpr const char* kAddonDevice = "10.77.1.2";

// One installation asked of a simulated device, and what it must come to,
// however it is started (the tool's verbs or the window's hidden buttons).
struct AddonLabCase {
  AddonLabCase(const char* caseName, std::string deviceLines)
      : name(caseName), device(std::move(deviceLines)) {}

  const char* name;
  std::string device;  // configuration lines of the device beyond its address
  bool bitTorrent = false;
  std::string codepage;  // for a language installation
  std::string password;  // what the user gives when asked; empty: nothing
  // What must come of it.
  bool installed = false;
  std::string messages;              // each message followed by a line feed
  std::vector<std::string> written;  // network paths of the files, in writing order
  std::vector<std::string> texts;    // the device's text commands, "10:rw"
  std::vector<std::string> opened;   // addresses opened in a browser
  int languageDialogs = 0;           // language dialogs shown (window)
  int supportQuestions = -1;         // BitTorrent support queries; -1: not counted
};

const std::vector<AddonLabCase>& AddonLabCases();
// The test name of a case ("cyrillic_866").
std::string AddonLabCaseName(const ::testing::TestParamInfo<std::size_t>& info);

// What a driver saw of one installation.
struct AddonLabRun {
  bool installed = false;
  std::string messages;
  std::vector<std::string> written;
  std::vector<std::string> opened;
  int languageDialogs = 0;
  // The device's text commands as they were when each file had been written.
  std::vector<std::vector<std::string>> textsAtWrites;
};

// The lab with the device's system shares (HDD_1 and HDD_a on the device's
// disk folder) and one simulated device per test.
class AddonLab : public LabFixture {
 protected:
  static void SetUpTestSuite();
  void SetUp() override;

  // Starts the simulated device of `c` on link 1.
  void StartDevice(const AddonLabCase& c);
  // The local folder where the user's "C:\" lives for the program under test.
  std::filesystem::path LocalRoot() const { return work_ / "data" / "tarvix-storage-utility"; }
  const std::filesystem::path& Work() const { return work_; }
  // The device's text commands so far, in order, as the simulator recorded them.
  std::vector<std::string> Texts() const;
  // Requests with command `command` that reached the device.
  int Received(int command) const;
  // Checks `run` against `c`: the outcome, messages, the files in order, each
  // byte for byte the embedded payload of its name and nothing else on the
  // disk, the text commands, and files written after "rw" and before the last
  // command.
  void ExpectOutcome(const AddonLabCase& c, const AddonLabRun& run) const;
  // The disk folder that holds the file of a network path on the device.
  std::filesystem::path OnDisk(const std::string& networkPath) const;

  static std::filesystem::path Disk();

 private:
  std::filesystem::path work_;
};

}  // namespace tarvix::lab
