// The add-on buttons of the main window: hidden, wired to the flows, and driven
// here through those hidden buttons with the real dialogs, on a scripted device
// and a file service in memory.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include "addons/PayloadCatalogue.h"
#include "app/ControlIds.h"
#include "settings/LoginDialogRunner.h"
#include "skin/CSkinButton.h"
#include "skin/CSkinListCtrl.h"
#include "tests/addons/AddonHarness.h"
#include "tests/addons/qt/DialogDriver.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/mock/FakeBrowserService.h"
#include "tests/mock/FakeProcessLauncher.h"
#include "tests/mock/FakeReachabilityChecker.h"
#include "tests/mock/ScriptedWorkerClock.h"
#include "tests/settings/qt/DialogProbe.h"

namespace tarvix::testing {
namespace {

using addons::testing::ImmediateTimers;
using addons::testing::ModalScript;
using settings::testing::ControlById;

// The login dialog, answered by a user who types the administrator and a password.
class AdministratorLogin final : public settings::LoginDialogRunner {
 public:
  std::optional<settings::LoginEntry> Run(const settings::LoginPreset&) override {
    ++runs;
    return settings::LoginEntry{"admin", password};
  }
  std::string password = "secret";
  int runs = 0;
};

class MainWindowAddonsTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    sockets.devices[0].model = "NV-A30";
  }

  CMainDlg& OpenWithAddons() {
    CMainDlg& opened = Open();
    // The device's add-on answers go into the window's own session.
    operations = std::make_unique<mock::FakeAddonOperations>(protocol->session, journal);
    opened.AttachSettings({reachability, browsers, launcher}, {&messages, &login, nullptr});
    opened.AttachAddons({files, addonLauncher, operations.get()},
                        {&messages, nullptr, {&timers, &restartClock}});
    return opened;
  }
  void Press(int id) {
    auto* button = qobject_cast<CSkinButton*>(window->Control(id));
    ASSERT_NE(button, nullptr) << id;
    button->click();
  }
  std::vector<std::string> Sent() const { return operations->Sent(); }

  mock::Journal journal;
  tarvix::testing::FakeReachabilityChecker reachability;
  tarvix::testing::FakeBrowserService browsers;
  tarvix::testing::FakeProcessLauncher launcher;
  AdministratorLogin login;
  mock::JournalMessages messages{journal};
  mock::FakeFileService files{&journal};
  mock::FakeAddonLauncher addonLauncher{journal};
  ImmediateTimers timers;
  mock::ScriptedWorkerClock restartClock;
  std::unique_ptr<mock::FakeAddonOperations> operations;
};

TEST_F(MainWindowAddonsTest, TheAddOnButtonsStayHiddenAndTheAboutButtonOpensTheAboutBox) {
  CMainDlg& w = OpenWithAddons();
  for (int id : {app::kLanguageButton, app::kBtButton, app::kWidgetButton})
    EXPECT_FALSE(w.Control(id)->isVisibleTo(&w)) << id;
  EXPECT_TRUE(w.Control(app::kAboutButton)->isVisibleTo(&w));
  std::vector<QString> seen;
  ModalScript user({{"CAboutDlg", [&](QWidget* about) {
                       for (QLabel* label : about->findChildren<QLabel*>())
                         seen.push_back(label->text());
                       QTest::keyClick(about, Qt::Key_Return);
                     }}});
  Press(app::kAboutButton);
  EXPECT_NE(std::find(seen.begin(), seen.end(), "Version : 5.1.0.3"), seen.end());
}

TEST_F(MainWindowAddonsTest, WithoutADeviceRowTheLanguageButtonSaysSo) {
  OpenWithAddons();
  Press(app::kLanguageButton);
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Please select a device."});
  EXPECT_TRUE(Sent().empty());
}

TEST_F(MainWindowAddonsTest, TheLanguageButtonInstallsCyrillicAndTheWindowSearchesAgain) {
  CMainDlg& w = OpenWithAddons();
  ClickDeviceRow(RowOf("10.77.1.2"));
  ASSERT_EQ(w.deviceSelected(), 1);
  const int searchesBefore = sockets.discoveries;
  ModalScript user({{"CLanguageDlg", [](QWidget* dialog) {
                       ControlById<QComboBox>(dialog, 1022)->setCurrentIndex(7);
                       ControlById<QPushButton>(dialog, 1)->click();
                     }}});
  Press(app::kLanguageButton);
  EXPECT_EQ(user.shown, (std::vector<std::string>{"CLanguageDlg", "CLoadingDlg", "CRestartDlg"}));
  const std::string folder = R"(\\10.77.1.2\HDD_1\.systemfile\.codepages\)";
  for (const addons::LanguagePayload& row :
       addons::PayloadCatalogue::RowsFor(866, addons::kGeneration2))
    EXPECT_EQ(files.Bytes(folder + row.file),
              addons::testing::PayloadBytes("CODEPAGE", row.resourceId))
        << row.file;
  EXPECT_EQ(Sent(), (std::vector<std::string>{"10 rw", "8 866"}));
  EXPECT_EQ(timers.started, (std::vector<std::pair<int, int>>{{1, 2000}, {1, 90000}}));
  EXPECT_EQ(sockets.discoveries, searchesBefore + 1);
  EXPECT_EQ(w.deviceSelected(), 0);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MainWindowAddonsTest, AFailedLanguageInstallationOffersTheDialogAgain) {
  CMainDlg& w = OpenWithAddons();
  ClickDeviceRow(RowOf("10.77.1.2"));
  files.Refuse(R"(\\10.77.1.2\HDD_1\.systemfile\.codepages\nls_cp866.ko)");
  const auto chooseCyrillic = [](QWidget* dialog) {
    ControlById<QComboBox>(dialog, 1022)->setCurrentIndex(7);
    ControlById<QPushButton>(dialog, 1)->click();
  };
  ModalScript user(
      {{"CLanguageDlg", chooseCyrillic},
       {"CLanguageDlg", [](QWidget* dialog) { ControlById<QPushButton>(dialog, 2)->click(); }}});
  Press(app::kLanguageButton);
  EXPECT_EQ(user.shown, (std::vector<std::string>{"CLanguageDlg", "CLoadingDlg", "CLanguageDlg"}));
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Please check hard drives."});
  EXPECT_EQ(Sent(), (std::vector<std::string>{"10 rw", "13 stop"}));
  EXPECT_TRUE(files.Exists(R"(\\10.77.1.2\HDD_1\.systemfile\.codepages\codepage.866)"));
  EXPECT_EQ(w.deviceSelected(), 1);  // given up: the window stays as it was
}

TEST_F(MainWindowAddonsTest, TheBitTorrentButtonAsksForThePasswordAndInstalls) {
  CMainDlg& w = OpenWithAddons();
  ClickDeviceRow(RowOf("10.77.1.2"));
  ModalScript user({});
  Press(app::kBtButton);
  EXPECT_TRUE(messages.shown.empty()) << messages.Texts().front();
  EXPECT_EQ(login.runs, 1);
  EXPECT_EQ(user.shown, (std::vector<std::string>{"CLoadingDlg", "CRestartDlg"}));
  EXPECT_EQ(Sent(), (std::vector<std::string>{"10 rw", "14 BT"}));
  EXPECT_EQ(files.Bytes(R"(\\10.77.1.2\HDD_1\Nas_Prog\BT\bt)").size(), 6940408u);
  EXPECT_FALSE(files.Exists(R"(C:\bt)"));
  EXPECT_EQ(w.deviceSelected(), 0);
}

TEST_F(MainWindowAddonsTest, AWrongPasswordWritesNothing) {
  OpenWithAddons();
  ClickDeviceRow(RowOf("10.77.1.2"));
  login.password = "nope";
  Press(app::kBtButton);
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Wrong administrator password input!"});
  EXPECT_TRUE(files.Files().empty());
  EXPECT_TRUE(Sent().empty());
}

TEST_F(MainWindowAddonsTest, TheWidgetButtonHandsTheRowsAddressOverAndOpensTheModelsWidget) {
  OpenWithAddons();
  ClickDeviceRow(RowOf("10.77.1.2"));
  ModalScript user({{"CWidgetDlg", [](QWidget* dialog) {
                       ControlById<QPushButton>(dialog, 2)->click();  // Next
                     }}});
  Press(app::kWidgetButton);
  const auto address = files.Bytes(R"(C:\ip.txt)");
  EXPECT_EQ(std::string(address.begin(), address.end()), "10.77.1.2");
  EXPECT_EQ(mock::EntriesStartingWith(journal, "open "),
            std::vector<std::string>{"open TARVIXEu_NVA30_Widget"});
}

TEST_F(MainWindowAddonsTest, AnUnknownModelIsChosenInTheModelChoice) {
  sockets.devices[0].model = "NV-X1";
  OpenWithAddons();
  ClickDeviceRow(RowOf("10.77.1.2"));
  addonLauncher.opens = false;
  ModalScript user({{"CWidgetDlg", [](QWidget* d) { ControlById<QPushButton>(d, 2)->click(); }},
                    {"CModelSelectDlg", [](QWidget* d) {
                       ControlById<QRadioButton>(d, 1031)->click();
                       ControlById<QPushButton>(d, 1)->click();
                     }}});
  Press(app::kWidgetButton);
  EXPECT_EQ(mock::EntriesStartingWith(journal, "open "),
            std::vector<std::string>{"open TARVIXEu_NVB40_Widget.widget"});
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Execute widget file error!"});
}

}  // namespace
}  // namespace tarvix::testing
