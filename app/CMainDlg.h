#pragma once
#include <QFont>
#include <QIcon>
#include <memory>
#include <string>

#include "app/CMainDlgAddons.h"
#include "app/COperationState.h"
#include "app/MainDlgTemplate.h"
#include "app/MappedDriveTable.h"
#include "settings/SettingsServices.h"
#include "skin/CSkinDialog.h"

class CMainDlgLanForm;
class CMainDlgPanelView;
class CSkinButton;
class CSkinListCtrl;
class CIpAddressCtrl;
class QComboBox;

namespace tarvix {
struct Protocol;
}
namespace tarvix::platform {
class DriveService;
class SystemInfo;
}  // namespace tarvix::platform
namespace tarvix::settings {
class DeviceSettings;
class DriveInUseDialogRunner;
class LoginDialogRunner;
class MessageBoxes;
}  // namespace tarvix::settings

namespace tarvix::app {

// How the settings flows talk to the user. A null entry stands for the window's
// own Qt message boxes or dialog; tests put recorders in.
struct SettingsTalkers {
  settings::MessageBoxes* messages = nullptr;
  settings::LoginDialogRunner* login = nullptr;
  settings::DriveInUseDialogRunner* driveInUse = nullptr;
};

}  // namespace tarvix::app

// The program's one window: the device search, the details panel of the clicked
// device, and the buttons that start every other function. The handlers of the
// settings and add-on functions are hooks for their own classes to fill in.
class CMainDlg : public CSkinDialog {
  Q_OBJECT

 public:
  CMainDlg(tarvix::Protocol& protocol, tarvix::platform::DriveService& drives,
           const tarvix::platform::SystemInfo& system, QWidget* parent = nullptr);
  ~CMainDlg() override;

  // Connects the apply, web, map and unmap buttons to the device settings; until
  // then those buttons do nothing.
  void AttachSettings(const tarvix::settings::SettingsServices& services,
                      const tarvix::app::SettingsTalkers& talkers = {});
  // Connects the language, BitTorrent and widget buttons to the add-on flows
  // (BitTorrent needs the settings too, for the administrator check); until
  // then those buttons do nothing. The About button works without.
  void AttachAddons(const tarvix::app::AddonServices& services,
                    const tarvix::app::AddonTalkers& talkers = {});

  void setVisible(bool visible) override;

  // Device search (button 1002); also run by the settings flows after a change.
  void OnSearch();
  void OnExit();
  void OnMinimize();
  void OnCloseRequest();
  void OnClickDeviceList();
  void OnDhcpChoice();

  int FindSelectedRow(const CSkinListCtrl& list) const;
  void RefreshMappedDrives();
  void FillDriveLetterCombo();
  void FillVolumeList(const std::string& deviceName, const std::string& deviceAddress);

  // What the settings and add-on flows work with.
  tarvix::Protocol& Protocol() { return protocol_; }
  tarvix::app::COperationState& Operations() { return operations_; }
  int deviceSelected() const { return deviceSelected_; }
  void setDeviceSelected(int value) { deviceSelected_ = value; }
  const std::string& selectedHost() const { return selectedHost_; }
  void setSelectedHost(const std::string& host) { selectedHost_ = host; }
  const std::string& selectedModel() const { return selectedModel_; }
  tarvix::app::MappedDriveTable& MappedDrives() { return mappedDrives_; }
  // The control with a template id, or null: how tests and tools find a control,
  // as a user names it. The window's own code keeps its members.
  QWidget* Control(int id) const;

 protected:
  // Hooks for the settings (apply, web, map, unmap) and add-on flows.
  virtual void OnApply();
  virtual void OnWebManagement();
  virtual void OnMapDrive();
  virtual void OnUnmapDrive();
  virtual void OnAbout();
  virtual void OnLanguage();
  virtual void OnBitTorrent();
  virtual void OnWidget();

  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // The two adapters through which the settings flows read the address form and
  // the details panel; they see the controls, nobody else does.
  friend class ::CMainDlgLanForm;
  friend class ::CMainDlgPanelView;

  // One row per push button: its template id, its member, its faces (0: none) and
  // what a click runs.
  struct ButtonRow {
    int id;
    CSkinButton* CMainDlg::*member;
    int normalFace;
    int litFace;
    void (CMainDlg::*handler)();
  };
  static const ButtonRow kButtons[];

  void CreateControls();
  QWidget* CreateControl(const tarvix::app::TemplateControl& control);
  void ConnectHandlers();
  void OnInitDialog();
  void SetUpLists();
  void SetButtonFaces();
  void ShowDevice(int row);
  void FillPortCombo(const std::string& address, const std::string& netmask,
                     const std::string& gateway, const std::string& dhcpFlag);
  void SetDhcpChoice(const std::string& dhcpFlag);
  void SetAddressFields(const std::string& address, const std::string& netmask,
                        const std::string& gateway);
  void SetAddressFieldsEnabled(bool enabled);

  tarvix::Protocol& protocol_;
  tarvix::platform::DriveService& drives_;
  const tarvix::platform::SystemInfo& system_;
  tarvix::app::COperationState operations_;
  bool initialised_ = false;

  // The members of the window, in the order of its template.
  CSkinButton* exitButton_ = nullptr;
  CSkinButton* aboutButton_ = nullptr;
  CSkinButton* applyButton_ = nullptr;
  CSkinButton* btButton_ = nullptr;
  CSkinButton* closeButton_ = nullptr;
  CSkinButton* minimizeButton_ = nullptr;
  CSkinButton* languageButton_ = nullptr;
  CSkinButton* webButton_ = nullptr;
  CSkinButton* unmapButton_ = nullptr;
  CSkinButton* mapButton_ = nullptr;
  CSkinButton* widgetButton_ = nullptr;
  CSkinButton* searchButton_ = nullptr;
  QComboBox* portCombo_ = nullptr;
  QComboBox* dhcpCombo_ = nullptr;
  QComboBox* driveCombo_ = nullptr;
  CSkinListCtrl* volumeList_ = nullptr;
  CSkinListCtrl* deviceList_ = nullptr;
  CIpAddressCtrl* addressField_ = nullptr;
  CIpAddressCtrl* netmaskField_ = nullptr;
  CIpAddressCtrl* gatewayField_ = nullptr;
  int deviceSelected_ = 0;
  QIcon icon_;
  std::string selectedModel_;
  QFont deviceListFont_;
  QFont volumeListFont_;

  // Owned by the details panel for the whole run.
  std::string selectedHost_;
  tarvix::app::MappedDriveTable mappedDrives_;

  // The settings flows and, when none were put in, the window's own ways to talk
  // to the user. The flows go first: they hold on to the talkers.
  std::unique_ptr<tarvix::settings::MessageBoxes> ownMessages_;
  std::unique_ptr<tarvix::settings::LoginDialogRunner> ownLogin_;
  std::unique_ptr<tarvix::settings::DriveInUseDialogRunner> ownDriveInUse_;
  std::unique_ptr<tarvix::settings::DeviceSettings> settings_;
  std::unique_ptr<tarvix::app::CMainDlgAddons, tarvix::app::CMainDlgAddonsDeleter> addons_;
};
