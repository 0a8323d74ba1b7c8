#pragma once
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "settings/DeviceOperations.h"
#include "protocol/DeviceSession.h"
#include "settings/DriveInUseDialogRunner.h"
#include "protocol/FixedText.h"
#include "settings/LanForm.h"
#include "settings/LoginDialogRunner.h"
#include "settings/MessageBoxes.h"
#include "settings/PanelView.h"
#include "settings/Sleeper.h"
#include "settings/WorkerThread.h"
#include "platform/BrowserService.h"
#include "platform/DriveService.h"
#include "platform/ProcessLauncher.h"
#include "platform/ReachabilityChecker.h"
#include "platform/SystemInfo.h"

namespace tarvix::settings::testing {

struct ShownMessage {
  std::string text;
  std::string caption;
  MessageIcon icon;
  bool operator==(const ShownMessage&) const = default;
};

class FakeMessageBoxes final : public MessageBoxes {
 public:
  void Show(std::string_view text, std::string_view caption, MessageIcon icon) override {
    shown.push_back({std::string(text), std::string(caption), icon});
  }
  std::vector<ShownMessage> shown;
};

// Answers each run with the next scripted entry (none = Cancel); Cancel when the
// script is used up.
class FakeLoginRunner final : public LoginDialogRunner {
 public:
  std::optional<LoginEntry> Run(const LoginPreset& preset) override {
    presets.push_back(preset);
    if (script.empty()) return std::nullopt;
    auto next = script.front();
    script.pop_front();
    return next;
  }
  std::deque<std::optional<LoginEntry>> script;
  std::vector<LoginPreset> presets;
};

class FakeDriveInUseRunner final : public DriveInUseDialogRunner {
 public:
  int Run() override {
    ++runs;
    return answer;
  }
  int answer = 1;
  int runs = 0;
};

// A device that accepts the administrator with `adminPassword`; every call is
// logged with the credentials it saw.
class FakeOperations final : public DeviceOperations {
 public:
  explicit FakeOperations(DeviceSession& session) : session_(session) {}

  int VerifyLogin() override {
    const std::string user(FieldText(session_.loginUser));
    const std::string password(FieldText(session_.loginPassword));
    log.push_back("VerifyLogin " + user + "/" + password);
    return answers && user == "admin" && password == adminPassword ? 1 : 0;
  }
  int QueryDomain() override {
    log.push_back("QueryDomain");
    if (domain) CopyField(session_.domain, *domain);
    return domain ? 1 : 0;
  }
  int QueryLanInfo() override {
    log.push_back("QueryLanInfo");
    return 1;
  }
  int SetDhcp() override {
    log.push_back("SetDhcp");
    return dhcpResult;
  }
  int SetStaticAddress() override {
    log.push_back("SetStaticAddress");
    return staticResult;
  }

  bool answers = true;
  std::string adminPassword;
  std::optional<std::string> domain;  // none: the query is not answered
  int dhcpResult = 1;
  int staticResult = 1;
  std::vector<std::string> log;

 private:
  DeviceSession& session_;
};

class FakeSystemInfo final : public platform::SystemInfo {
 public:
  std::optional<platform::WindowsVersion> WindowsVersionRecord() const override { return record; }
  std::string LoggedOnUserName() const override { return logonName; }
  std::string Utf8ToAnsi(std::string_view utf8, std::size_t width) const override {
    return std::string(utf8.substr(0, width - 1));
  }
  std::uint32_t ParseDottedAddress(std::string_view) const override { return 0; }

  std::optional<platform::WindowsVersion> record;
  std::string logonName = "winuser";
};

class FakeLanForm final : public LanForm {
 public:
  bool IsBlank(LanField field) const override { return !values.contains(field); }
  Octets Read(LanField field) const override {
    auto it = values.find(field);
    return it == values.end() ? Octets{0, 0, 0, 0} : it->second;
  }
  void SetFieldFocus(LanField field, int octet) override { focus.push_back({field, octet}); }
  int DhcpChoice() const override { return dhcpChoice; }
  std::string PortSelectorText() const override { return portText; }

  void Set(LanField field, const Octets& octets) { values[field] = octets; }

  std::map<LanField, Octets> values;  // absent: blank
  int dhcpChoice = kDhcpDisable;
  std::string portText;
  std::vector<std::pair<LanField, int>> focus;
};

// Every call that changes the window is logged by name.
class FakePanel final : public PanelView {
 public:
  bool DeviceSelected() const override { return deviceSelected; }
  void ClearDeviceSelected() override {
    deviceSelected = false;
    log.push_back("ClearDeviceSelected");
  }
  std::optional<DeviceRow> SelectedDeviceRow() const override { return deviceRow; }
  std::optional<std::string> SelectedVolumeName() const override { return volumeName; }
  std::optional<std::string> SelectedVolumeLocation() const override { return volumeLocation; }
  std::optional<std::string> DriveComboText() const override { return driveItem; }
  void SetSelectedHost(std::string_view address) override { selectedHost = address; }
  void RefreshMappedDrives() override { log.push_back("RefreshMappedDrives"); }
  void FillDriveLetterCombo() override { log.push_back("FillDriveLetterCombo"); }
  void FillVolumeList(const DeviceRow& row) override {
    log.push_back("FillVolumeList " + row.name + " " + row.address);
  }
  void Search() override { log.push_back("Search"); }

  bool deviceSelected = true;
  std::optional<DeviceRow> deviceRow = DeviceRow{"NAS", "10.77.1.2"};
  std::optional<std::string> volumeName = "HDD_1";
  std::optional<std::string> volumeLocation;
  std::optional<std::string> driveItem = "K:";
  std::string selectedHost;
  std::vector<std::string> log;
};

// Connects when `accepts` says so; records every request and disconnection.
class FakeDriveService final : public platform::DriveService {
 public:
  std::optional<std::string> RemoteName(char) const override { return std::nullopt; }
  platform::DriveType TypeOf(char) const override { return platform::DriveType::NoRootDir; }
  int Connect(const platform::ConnectRequest& request) override {
    connects.push_back(request);
    return accepts(request) ? 0 : 86;
  }
  int CancelConnection(std::string_view driveName, bool force, bool updateProfile) override {
    cancels.push_back(std::string(driveName) + (force ? " force" : "") +
                      (updateProfile ? " profile" : ""));
    return cancelResult;
  }
  std::string CurrentNetworkUser() const override { return networkUser; }

  std::function<bool(const platform::ConnectRequest&)> accepts = [](const auto&) {
    return true;
  };
  int cancelResult = 0;
  std::string networkUser = "alice";
  std::vector<platform::ConnectRequest> connects;
  std::vector<std::string> cancels;
};

class FakeBrowserService final : public platform::BrowserService {
 public:
  std::string DefaultBrowserName() const override { return name; }
  std::string BrowserCommand(const std::string& browserName) const override {
    return browserName == name ? command : std::string();
  }
  std::string name;
  std::string command;
};

class FakeProcessLauncher final : public platform::ProcessLauncher {
 public:
  unsigned WinExec(const std::string& commandLine, int showState) override {
    started.push_back(commandLine);
    showStates.push_back(showState);
    if (results.empty()) return platform::launch_result::kStarted;
    unsigned next = results.front();
    results.pop_front();
    return next;
  }
  unsigned ShellOpen(const std::string&) override { return 33; }

  std::deque<unsigned> results;  // then kStarted
  std::vector<std::string> started;
  std::vector<int> showStates;
};

class FakeReachabilityChecker final : public platform::ReachabilityChecker {
 public:
  bool CanConnect(const std::string& address, std::uint16_t port,
                  std::chrono::milliseconds timeout) override {
    probes.push_back(address + ":" + std::to_string(port));
    lastTimeout = timeout;
    return reachable;
  }
  bool reachable = true;
  std::vector<std::string> probes;
  std::chrono::milliseconds lastTimeout{0};
};

// Counts pauses; `onSleep` runs at each, given the number of pauses so far.
class FakeSleeper final : public Sleeper {
 public:
  void Sleep(int milliseconds) override {
    pauses.push_back(milliseconds);
    if (onSleep) onSleep(static_cast<int>(pauses.size()));
  }
  std::vector<int> pauses;
  std::function<void(int)> onSleep;
};

// Runs the job on the calling thread at once, or keeps it for the test to run.
class FakeWorkers final : public WorkerStarter {
 public:
  void Finish() override { ++finishes; }
  void Start(std::function<void()> job) override {
    ++starts;
    if (runAtOnce)
      job();
    else
      held = std::move(job);
  }
  bool runAtOnce = true;
  std::function<void()> held;
  int starts = 0;
  int finishes = 0;
};

}  // namespace tarvix::settings::testing
