#include "tools/cli/AddonTool.h"

#include <chrono>
#include <ostream>
#include <thread>

#include "addons/AddonFlows.h"
#include "addons/InstallationRunner.h"
#include "addons/LanguageChoice.h"
#include "addons/ProtocolAddonOperations.h"
#include "addons/RestartProgress.h"
#include "addons/WorkerClock.h"
#include "platform/linux/BookmarkDriveService.h"
#include "platform/linux/DesktopEnvironment.h"
#include "platform/linux/GtkBookmarks.h"
#include "platform/linux/LibSmbAuthenticator.h"
#include "platform/linux/LinuxFileService.h"
#include "platform/linux/LinuxSystemInfo.h"
#include "protocol/Protocol.h"
#include "settings/AdministratorCheck.h"
#include "settings/ProtocolOperations.h"
#include "settings/SettingsState.h"
#include "tools/cli/StreamMessageBoxes.h"
#include "tools/cli/TerminalLogin.h"

namespace tarvix::cli {
namespace {

using addons::AddonState;

// A browser is no use to a terminal: the address it would open is printed.
class PrintingLauncher final : public addons::AddonLauncher {
 public:
  explicit PrintingLauncher(std::ostream& out) : out_(out) {}
  bool RunHidden(const std::string& commandLine) override {
    const auto blank = commandLine.find(' ');
    out_ << (blank == std::string::npos ? commandLine : commandLine.substr(blank + 1)) << "\n";
    return true;
  }
  bool OpenDocument(const std::string& path) override {
    out_ << path << "\n";
    return true;
  }

 private:
  std::ostream& out_;
};

// The restart progress as a line that fills up.
class ProgressLine final : public addons::ProgressBar {
 public:
  explicit ProgressLine(std::ostream& out) : out_(out) {}
  void SetRange(int lower, int upper) override {
    lower_ = lower;
    upper_ = upper;
    value_ = lower;
  }
  void SetStep(int step) override { step_ = step; }
  void StepIt() override {
    value_ = addons::SteppedPosition(value_, step_, lower_, upper_);
    out_ << "\rRestarting: " << value_ << "%" << std::flush;
  }

 private:
  std::ostream& out_;
  int lower_ = 0, upper_ = 100, value_ = 0, step_ = addons::kDefaultBarStep;
};

class NoLoadingView final : public addons::LoadingView {
 public:
  void CloseDialog() override {}
  void StopTimer(int) override {}
};

// The dialogs of the window, played by the tool's arguments: the language
// "dialog" checks the device and takes the language given, and is not offered
// again after a failed installation; the installation runs at once.
class ToolDialogs final : public addons::AddonDialogs {
 public:
  ToolDialogs(std::ostream& out, AddonTool::Options options) : out_(out), options_(options) {}

  void RunLoading(addons::InstallationRunner& runner) override {
    NoLoadingView view;
    runner.OnTimer(runner.TimerId(), view);
  }

  addons::LanguageDialogResult RunLanguage(addons::LanguageChoice& choice) override {
    if (asked_) return addons::LanguageDialogResult::Cancelled;
    asked_ = true;
    if (!choice.CheckDiskState()) return addons::LanguageDialogResult::GaveUp;
    if (!choice.OnOK(options_.codepageRow)) return addons::LanguageDialogResult::Cancelled;
    return addons::LanguageDialogResult::Chosen;
  }

  void RunRestart(AddonState& state) override {
    out_ << "The system is restarting. Please wait a moment.\n";
    if (!options_.waitForRestart) {
      state.flowAbandoned = 0;
      return;
    }
    const auto end =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(addons::kRestartTimeMs);
    ProgressLine line(out_);
    addons::SteadyWorkerClock clock;
    addons::RestartProgressWorker(line, clock, state);
    std::this_thread::sleep_until(end);
    out_ << "\n";
  }

  void RunWidget(AddonState& state) override { state.widgetDownload = 0; }
  void RunModelSelect(AddonState& state) override { state.modelChoice = -1; }

 private:
  std::ostream& out_;
  AddonTool::Options options_;
  bool asked_ = false;
};

// The device given on the command line is the clicked row; the window's
// refresh after an installation has nothing to show here.
class ToolWindow final : public addons::AddonWindow {
 public:
  explicit ToolWindow(std::string address) : address_(std::move(address)) {}
  bool DeviceSelected() const override { return true; }
  void ClearDeviceSelected() override {}
  std::string SelectedHost() const override { return address_; }
  std::string SelectedModel() const override { return {}; }
  std::optional<std::string> FocusedRowAddress() override { return address_; }
  void RefreshMappedDrives() override {}
  void FillDriveLetterCombo() override {}
  void Search() override {}

 private:
  std::string address_;
};

}  // namespace

struct AddonTool::Parts {
  Parts(CliContext& context, std::string address, Options options)
      : window(std::move(address)),
        messages(context.out, context.err),
        dialogs(context.out, options),
        launcher(context.out),
        drives(platform::GtkBookmarks::DefaultPath(
                   platform::DesktopEnvironment::FromProcess().configHome),
               authenticator),
        operations(context.protocol.commands),
        settingsOperations(context.protocol.commands),
        settingsContext{
            context.protocol.session, settingsOperations, settingsState, messages, login, system},
        flows(context.protocol.session, operations, context.protocol.network.GetClock(), messages,
              dialogs, {files, drives, launcher},
              [this] { return settings::VerifyAdministrator(settingsContext); }) {
    // The window's login dialog keeps the mode the last action left it in; the
    // tool has had no earlier action and asks only for a password, so the
    // administrator is the user, as in the set verbs.
    settingsState.adminLoginMode = 1;
    flows.Context().written = [&out = context.out](const std::string& path, std::size_t bytes) {
      out << path << " (" << bytes << " bytes)\n";
    };
  }

  ToolWindow window;
  StreamMessageBoxes messages;
  ToolDialogs dialogs;
  PrintingLauncher launcher;
  platform::LinuxFileService files;
  platform::LibSmbAuthenticator authenticator;
  // Only authenticates before payloads are written: no drive letter, no bookmark.
  platform::BookmarkDriveService drives;
  addons::ProtocolAddonOperations operations;
  settings::ProtocolOperations settingsOperations;
  settings::SettingsState settingsState;
  TerminalLogin login;
  platform::LinuxSystemInfo system;
  settings::SettingsContext settingsContext;
  addons::AddonFlows flows;
};

AddonTool::AddonTool(CliContext& context, std::string address, Options options)
    : parts_(std::make_unique<Parts>(context, std::move(address), options)) {}

AddonTool::~AddonTool() = default;

addons::InstallOutcome AddonTool::InstallLanguage() {
  return parts_->flows.OnLanguageButton(parts_->window);
}

addons::InstallOutcome AddonTool::InstallBitTorrent() {
  return parts_->flows.OnBitTorrentButton(parts_->window);
}

int ExitStatusOf(addons::InstallOutcome outcome) {
  return outcome == addons::InstallOutcome::Installed ? kSuccess : kFailure;
}

}  // namespace tarvix::cli
