// The install-language and install-bittorrent verbs against a simulated device
// whose system shares the lab's Samba serves. Run through
//   lab.sh run 1 -- tarvix_addons_verbs_lab_tests
#include <chrono>
#include <ctime>
#include <iomanip>
#include <sstream>

#include "tests/addons/lab/AddonLab.h"

namespace tarvix::lab {
namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;
using std::chrono::system_clock;

// "2024-05-01T12:00:00.123Z" of a simulator log line.
system_clock::time_point LogTime(const std::string& line) {
  std::tm tm{};
  std::istringstream text(line.substr(0, 19));
  text >> std::get_time(&tm, "%Y-%m-%dT%H:%M:%S");
  const auto seconds = system_clock::from_time_t(timegm(&tm));
  return seconds + milliseconds(std::stoi(line.substr(20, 3)));
}

class InstallVerbsLab : public AddonLab, public ::testing::WithParamInterface<std::size_t> {
 protected:
  std::string Tool() const { return BuildDir() + "/tools/cli/tarvix"; }

  // Runs the verb as a user would, without a terminal.
  AddonLabRun Run(const AddonLabCase& c, const std::string& extra = "") {
    const std::string verb =
        c.bitTorrent ? "install-bittorrent 10.77.1.2" : "install-language 10.77.1.2 " + c.codepage;
    const std::string password =
        c.password.empty() ? "-u TARVIX_PASSWORD" : "TARVIX_PASSWORD='" + c.password + "'";
    const std::string command = "env " + password + " XDG_DATA_HOME='" +
                                (Work() / "data").string() + "' XDG_CONFIG_HOME='" +
                                (Work() / "config").string() + "' setsid '" + Tool() + "' " + verb +
                                extra + " </dev/null >'" + (Work() / "out").string() + "' 2>'" +
                                (Work() / "err").string() + "'";
    AddonLabRun run;
    run.installed = RunCommand(command) == 0;
    run.messages = ReadWholeFile((Work() / "err").string());
    std::istringstream out(ReadWholeFile((Work() / "out").string()));
    std::string line;
    while (std::getline(out, line)) {
      output.push_back(line);
      if (line.ends_with(" bytes)")) run.written.push_back(line.substr(0, line.rfind(" (")));
      if (line.starts_with("http://")) run.opened.push_back(line);
    }
    run.textsAtWrites = TextsAtWrites(run.written);
    return run;
  }

  // The text commands the device had received when each file was last written:
  // the simulator's log times of the set requests against the files' times.
  std::vector<std::vector<std::string>> TextsAtWrites(const std::vector<std::string>& files) {
    std::vector<system_clock::time_point> received;
    std::istringstream log(ReadWholeFile(LogPath(1)));
    std::string line;
    while (std::getline(log, line)) {
      const bool set =
          line.find(" rx ") != std::string::npos && line.find(" type=5 ") != std::string::npos;
      if (set) received.push_back(LogTime(line));
    }
    const std::vector<std::string> texts = Texts();
    std::vector<std::vector<std::string>> seen;
    for (const std::string& file : files) {
      const auto written = std::chrono::time_point_cast<milliseconds>(
          std::chrono::file_clock::to_sys(fs::last_write_time(OnDisk(file))));
      std::vector<std::string> before;
      for (std::size_t i = 0; i < received.size() && i < texts.size(); ++i)
        if (received[i] < written) before.push_back(texts[i]);
      seen.push_back(before);
    }
    return seen;
  }

  std::vector<std::string> output;
};

TEST_P(InstallVerbsLab, Installs) {
  const AddonLabCase& c = AddonLabCases()[GetParam()];
  StartDevice(c);
  const AddonLabRun run = Run(c);
  ExpectOutcome(c, run);
  const bool restarting =
      std::find(output.begin(), output.end(), "The system is restarting. Please wait a moment.") !=
      output.end();
  EXPECT_EQ(restarting, c.installed);
}

INSTANTIATE_TEST_SUITE_P(Cases, InstallVerbsLab,
                         ::testing::Range<std::size_t>(0, AddonLabCases().size()),
                         AddonLabCaseName);

class InstallVerbsWaitLab : public InstallVerbsLab {};

// The restart takes its whole 90 seconds, with a line that fills up.
TEST_F(InstallVerbsWaitLab, WaitsOutTheRestart) {
  const AddonLabCase& c = AddonLabCases()[0];
  StartDevice(c);
  const auto start = std::chrono::steady_clock::now();
  const AddonLabRun run = Run(c, " --wait");
  const auto waited = std::chrono::steady_clock::now() - start;
  ExpectOutcome(c, run);
  ASSERT_FALSE(output.empty());
  EXPECT_NE(output.back().find("\rRestarting: 100%"), std::string::npos);
  EXPECT_EQ(std::count(output.back().begin(), output.back().end(), '\r'), 99);
  EXPECT_GE(waited, std::chrono::seconds(90));
}

TEST_F(InstallVerbsLab, ACodepageOutsideTheListIsAUsageError) {
  AddonLabCase c{"bad", ""};
  c.codepage = "1252";
  StartDevice(c);
  const AddonLabRun run = Run(c);
  EXPECT_FALSE(run.installed);
  // The tool's usage line follows the message.
  EXPECT_EQ(run.messages.substr(0, run.messages.find('\n') + 1),
            "tarvix install-language: CODEPAGE is one of 950 936 850 865 852 857 949 866 932\n");
  EXPECT_EQ(Received(11), 0);
}

}  // namespace
}  // namespace tarvix::lab

int main(int argc, char** argv) { return tarvix::lab::LabMain(argc, argv); }
