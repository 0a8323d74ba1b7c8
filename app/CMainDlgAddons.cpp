// The add-on buttons of the main window: about, language, BitTorrent and widget.
// The last three are created hidden and nothing shows them; they are wired all
// the same, and the command-line tool runs the same flows.
#include "app/CMainDlgAddons.h"

#include "addons/AddonFlows.h"
#include "addons/ProtocolAddonOperations.h"
#include "addons/qt/CAboutDlg.h"
#include "app/CMainDlg.h"
#include "app/CMainDlgPanelView.h"
#include "app/COperationScope.h"
#include "app/ControlIds.h"
#include "protocol/Protocol.h"
#include "settings/DeviceSettings.h"
#include "settings/qt/NormalCursor.h"
#include "settings/qt/QtMessageBoxes.h"
#include "skin/CSkinListCtrl.h"

using namespace tarvix::app;

namespace tarvix::app {

// The flows with what they were given; the flows go last, as they hold on to
// the rest.
class CMainDlgAddons {
 public:
  CMainDlgAddons(CMainDlg& window, const AddonServices& services, const AddonTalkers& talkers,
                 platform::DriveService& drives, addons::AdministratorCheck verifyAdministrator)
      : protocolOperations_(window.Protocol().commands),
        ownMessages_(&window),
        ownDialogs_(&window, talkers.timing),
        flows_(window.Protocol().session,
               services.operations ? *services.operations : protocolOperations_,
               window.Protocol().network.GetClock(),
               talkers.messages ? *talkers.messages : ownMessages_,
               talkers.dialogs ? *talkers.dialogs : ownDialogs_,
               {services.files, drives, services.launcher}, std::move(verifyAdministrator)) {}

  addons::AddonFlows& Flows() { return flows_; }

 private:
  addons::ProtocolAddonOperations protocolOperations_;
  settings::qt::QtMessageBoxes ownMessages_;
  addons::qt::QtAddonDialogs ownDialogs_;
  addons::AddonFlows flows_;
};

void CMainDlgAddonsDeleter::operator()(CMainDlgAddons* addons) const { delete addons; }

}  // namespace tarvix::app

namespace {

// The window as the add-on flows see it. Made per press.
class WindowForAddons final : public tarvix::addons::AddonWindow {
 public:
  explicit WindowForAddons(CMainDlg& window) : window_(window) {}

  bool DeviceSelected() const override { return window_.deviceSelected() != 0; }
  void ClearDeviceSelected() override { window_.setDeviceSelected(0); }
  std::string SelectedHost() const override { return window_.selectedHost(); }
  std::string SelectedModel() const override { return window_.selectedModel(); }
  std::optional<std::string> FocusedRowAddress() override {
    window_.Control(tarvix::app::kDeviceList)->setFocus(Qt::OtherFocusReason);
    const auto row = CMainDlgPanelView(window_).SelectedDeviceRow();
    if (!row) return std::nullopt;
    return row->address;
  }
  void RefreshMappedDrives() override { window_.RefreshMappedDrives(); }
  void FillDriveLetterCombo() override { window_.FillDriveLetterCombo(); }
  void Search() override { window_.OnSearch(); }

 private:
  CMainDlg& window_;
};

}  // namespace

void CMainDlg::AttachAddons(const AddonServices& services, const AddonTalkers& talkers) {
  addons_.reset();
  // The settings keep the login dialog's mode, which the BitTorrent check
  // keeps as the last action left it.
  auto verify = [this] { return settings_ && settings_->VerifyAdministrator(); };
  addons_.reset(new CMainDlgAddons(*this, services, talkers, drives_, verify));
}

void CMainDlg::OnAbout() {
  tarvix::settings::qt::NormalCursor pointer;
  CAboutDlg about(this);
  about.exec();
}

// The flows wait on the device, so each press runs as one operation: busy
// cursor, further clicks and close requests held back until it ends. Their
// dialogs still take the user's input.

void CMainDlg::OnLanguage() {
  if (!addons_) return;
  COperationScope operation(operations_);
  WindowForAddons window(*this);
  addons_->Flows().OnLanguageButton(window);
}

void CMainDlg::OnBitTorrent() {
  if (!addons_ || !settings_) return;
  COperationScope operation(operations_);
  WindowForAddons window(*this);
  addons_->Flows().OnBitTorrentButton(window);
}

void CMainDlg::OnWidget() {
  if (!addons_) return;
  WindowForAddons window(*this);
  addons_->Flows().OnWidgetButton(window);
}
