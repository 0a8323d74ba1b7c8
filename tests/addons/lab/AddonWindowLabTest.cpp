// The window's hidden add-on buttons against a simulated device whose system
// shares the lab's Samba serves: the real dialogs (offscreen, played by the
// test), the real file service, the protocol on the lab's sockets. Run through
//   QT_QPA_PLATFORM=offscreen lab.sh run 1 -- tarvix_addons_window_lab_tests
#include <QApplication>
#include <QComboBox>
#include <QPushButton>

#include "addons/LanguageRows.h"
#include "app/CMainDlg.h"
#include "app/ControlIds.h"
#include "app/QtEventClock.h"
#include "platform/linux/LinuxFileService.h"
#include "platform/linux/LinuxSystemInfo.h"
#include "protocol/PosixSocketApi.h"
#include "protocol/Protocol.h"
#include "settings/LoginDialogRunner.h"
#include "skin/CSkinButton.h"
#include "skin/CSkinListCtrl.h"
#include "tests/addons/lab/AddonLab.h"
#include "tests/addons/qt/DialogDriver.h"
#include "tests/app/WindowControls.h"
#include "tests/mock/AddonFakes.h"
#include "tests/mock/FakeBrowserService.h"
#include "tests/mock/FakeDriveService.h"
#include "tests/mock/FakeProcessLauncher.h"
#include "tests/mock/FakeReachabilityChecker.h"
#include "tests/mock/ScriptedWorkerClock.h"
#include "tests/settings/qt/DialogProbe.h"

namespace tarvix::lab {
namespace {

using settings::testing::ControlById;

// The real file service, telling of every file that arrives on the device.
class WatchedFiles final : public platform::FileService {
 public:
  using Arrived = std::function<void(const std::string& path)>;
  WatchedFiles(platform::FileService& files, Arrived arrived)
      : files_(files), arrived_(std::move(arrived)) {}

  std::unique_ptr<platform::FileWriter> Create(const std::string& path) override {
    auto writer = files_.Create(path);
    if (!writer) return nullptr;
    return std::make_unique<Writer>(std::move(writer), path, *this);
  }
  bool Delete(const std::string& path) override { return files_.Delete(path); }
  std::optional<platform::FileStatus> Stat(const std::string& path) override {
    return files_.Stat(path);
  }
  bool CopyNoOverwrite(const std::string& from, const std::string& to) override {
    const bool copied = files_.CopyNoOverwrite(from, to);
    if (copied) Note(to);
    return copied;
  }
  bool MakeFolder(const std::string& path) override { return files_.MakeFolder(path); }
  bool RemoveFolder(const std::string& path) override { return files_.RemoveFolder(path); }
  std::string SystemPath(const std::string& path) const override { return files_.SystemPath(path); }

 private:
  class Writer final : public platform::FileWriter {
   public:
    Writer(std::unique_ptr<platform::FileWriter> inner, std::string path, WatchedFiles& owner)
        : inner_(std::move(inner)), path_(std::move(path)), owner_(owner) {}
    bool Write(std::span<const std::uint8_t> bytes) override { return inner_->Write(bytes); }
    bool Close() override {
      const bool closed = inner_->Close();
      if (closed && !noted_) owner_.Note(path_);
      noted_ = true;
      return closed;
    }

   private:
    std::unique_ptr<platform::FileWriter> inner_;
    std::string path_;
    WatchedFiles& owner_;
    bool noted_ = false;
  };

  // Only what arrives on the device counts, not the local staging files.
  void Note(const std::string& path) {
    if (path.starts_with("\\\\")) arrived_(path);
  }

  platform::FileService& files_;
  Arrived arrived_;
};

// The login dialog, answered with the case's password; Cancel without one.
class CaseLogin final : public settings::LoginDialogRunner {
 public:
  explicit CaseLogin(std::string password) : password_(std::move(password)) {}
  std::optional<settings::LoginEntry> Run(const settings::LoginPreset&) override {
    if (password_.empty()) return std::nullopt;
    return settings::LoginEntry{"admin", password_};
  }

 private:
  std::string password_;
};

class AddonWindowLab : public AddonLab, public ::testing::WithParamInterface<std::size_t> {
 protected:
  void SetUp() override {
    AddonLab::SetUp();
    ASSERT_TRUE(protocol.network.StartNetwork());
    protocol.commands.SetTraceSink({});
  }

  // Plays the user through the case: the language to choose, Cancel for a
  // language dialog offered again.
  std::deque<addons::testing::ModalScript::Step> UserSteps(const AddonLabCase& c) {
    std::deque<addons::testing::ModalScript::Step> steps;
    for (int shown = 0; shown < c.languageDialogs; ++shown) {
      steps.push_back({"CLanguageDlg", [c, shown](QWidget* dialog) {
                         auto* list = ControlById<QComboBox>(dialog, 1022);
                         auto* ok = ControlById<QPushButton>(dialog, 1);
                         auto* cancel = ControlById<QPushButton>(dialog, 2);
                         if (shown == 0) {
                           list->setCurrentIndex(list->findText(LanguageOf(c.codepage)));
                           ok->click();
                         }
                         if (dialog->isVisible()) cancel->click();  // refused, or offered again
                       }});
    }
    return steps;
  }

  static QString LanguageOf(const std::string& codepage) {
    for (const auto& row : addons::kLanguageRows)
      if (codepage == row.codepage) return QString::fromLatin1(row.text);
    return {};
  }

  AddonLabRun Run(const AddonLabCase& c) {
    AddonLabRun run;
    platform::LinuxFileService realFiles({LocalRoot(), 0, 10000});
    WatchedFiles files(realFiles, [&](const std::string& path) {
      run.written.push_back(path);
      run.textsAtWrites.push_back(Texts());
    });
    mock::Journal journal;
    mock::JournalMessages messages(journal);
    mock::FakeAddonLauncher launcher(journal);
    CaseLogin login(c.password);
    addons::testing::ImmediateTimers timers;
    mock::ScriptedWorkerClock restartClock;
    CMainDlg window(protocol, drives, system);
    window.AttachSettings({reachability, browsers, settingsLauncher}, {&messages, &login, nullptr});
    window.AttachAddons({files, launcher}, {&messages, nullptr, {&timers, &restartClock}});
    window.show();
    CSkinListCtrl& devices = *tarvix::testing::DeviceListOf(window);
    for (int row = 0; row < devices.GetItemCount(); ++row)
      if (devices.GetItemText(row, 1) == QString::fromLatin1(kAddonDevice))
        devices.setCurrentItem(devices.topLevelItem(row));
    window.OnClickDeviceList();
    EXPECT_EQ(window.deviceSelected(), 1);
    addons::testing::ModalScript user(UserSteps(c));
    const int button = c.bitTorrent ? app::kBtButton : app::kLanguageButton;
    qobject_cast<CSkinButton*>(window.Control(button))->click();
    for (const std::string& text : messages.Texts()) run.messages += text + "\n";
    for (const std::string& entry : mock::EntriesStartingWith(journal, "run xdg-open "))
      run.opened.push_back(entry.substr(std::string("run xdg-open ").size()));
    run.installed =
        std::count(user.shown.begin(), user.shown.end(), std::string("CRestartDlg")) == 1;
    run.languageDialogs =
        static_cast<int>(std::count(user.shown.begin(), user.shown.end(), "CLanguageDlg"));
    // The window searched again after an installation: no device selected.
    EXPECT_EQ(window.deviceSelected(), run.installed ? 0 : 1);
    return run;
  }

  PosixSocketApi sockets;
  app::QtEventClock clock;
  Protocol protocol{sockets, clock};
  tarvix::testing::FakeDriveService drives;
  platform::LinuxSystemInfo system;
  tarvix::testing::FakeReachabilityChecker reachability;
  tarvix::testing::FakeBrowserService browsers;
  tarvix::testing::FakeProcessLauncher settingsLauncher;
};

TEST_P(AddonWindowLab, Installs) {
  const AddonLabCase& c = AddonLabCases()[GetParam()];
  StartDevice(c);
  const AddonLabRun run = Run(c);
  ExpectOutcome(c, run);
  EXPECT_EQ(run.languageDialogs, c.languageDialogs);
}

INSTANTIATE_TEST_SUITE_P(Cases, AddonWindowLab,
                         ::testing::Range<std::size_t>(0, AddonLabCases().size()),
                         AddonLabCaseName);

}  // namespace
}  // namespace tarvix::lab

int main(int argc, char** argv) {
  std::string why;
  if (!tarvix::lab::InsideLab(&why)) {
    std::printf("SKIPPED: %s\n", why.c_str());
    return 77;
  }
  ::testing::InitGoogleTest(&argc, argv);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
