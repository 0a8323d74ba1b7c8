#include "app/CMainDlg.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>

#include "app/CIpAddressCtrl.h"
#include "app/COperationScope.h"
#include "app/ControlIds.h"
#include "app/WindowShape.h"
#include "protocol/FixedText.h"
#include "protocol/Protocol.h"
#include "settings/DeviceSettings.h"  // complete types for the constructor's cleanup path
#include "skin/CSkinButton.h"
#include "skin/CSkinListCtrl.h"
#include "skin/DialogUnits.h"
#include "skin/SkinBitmaps.h"
#include "skin/SkinFonts.h"

using namespace tarvix::app;
using namespace tarvix::skin;

namespace {

CSkinDialog::Settings MainWindowSkin() {
  CSkinDialog::Settings skin;
  skin.backgroundId = tarvix::skin::kBgMainWindow;
  skin.mode = CSkinDialog::BackgroundMode::Stretched;
  skin.labelColour = QColor(0, 0, 0);
  skin.dragByClientArea = true;
  return skin;
}

// The template runs "Gateway :" two units into its address field: a label ends
// where the control it names begins, which still leaves room for its text.
QRect EndBefore(QRect label, const QRect& next) {
  if (label.intersects(next) && next.left() > label.left()) label.setRight(next.left() - 1);
  return label;
}

QString FromBytes(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

// The buttons in the order of the window's members.
const CMainDlg::ButtonRow CMainDlg::kButtons[] = {
    {kExitButton, &CMainDlg::exitButton_, tarvix::skin::kFaceExit, tarvix::skin::kFaceExitLit,
     &CMainDlg::OnExit},
    {kAboutButton, &CMainDlg::aboutButton_, tarvix::skin::kFaceAbout, tarvix::skin::kFaceAboutLit,
     &CMainDlg::OnAbout},
    {kApplyButton, &CMainDlg::applyButton_, tarvix::skin::kFaceApply, tarvix::skin::kFaceApplyLit,
     &CMainDlg::OnApply},
    {kBtButton, &CMainDlg::btButton_, tarvix::skin::kFaceBitTorrent,
     tarvix::skin::kFaceBitTorrentLit, &CMainDlg::OnBitTorrent},
    {kCloseButton, &CMainDlg::closeButton_, tarvix::skin::kFaceClose, tarvix::skin::kFaceCloseLit,
     &CMainDlg::reject},
    {kMinimizeButton, &CMainDlg::minimizeButton_, tarvix::skin::kFaceMinimize,
     tarvix::skin::kFaceMinimizeLit, &CMainDlg::OnMinimize},
    {kLanguageButton, &CMainDlg::languageButton_, tarvix::skin::kFaceLanguage,
     tarvix::skin::kFaceLanguageLit, &CMainDlg::OnLanguage},
    {kWebButton, &CMainDlg::webButton_, tarvix::skin::kFaceWeb, tarvix::skin::kFaceWebLit,
     &CMainDlg::OnWebManagement},
    {kUnmapButton, &CMainDlg::unmapButton_, tarvix::skin::kFaceDisconnect,
     tarvix::skin::kFaceDisconnectLit, &CMainDlg::OnUnmapDrive},
    {kMapButton, &CMainDlg::mapButton_, tarvix::skin::kFaceConnect, tarvix::skin::kFaceConnectLit,
     &CMainDlg::OnMapDrive},
    {kWidgetButton, &CMainDlg::widgetButton_, 0, 0, &CMainDlg::OnWidget},
    {kSearchButton, &CMainDlg::searchButton_, tarvix::skin::kFaceSearch,
     tarvix::skin::kFaceSearchLit, &CMainDlg::OnSearch},
};

CMainDlg::CMainDlg(tarvix::Protocol& protocol, tarvix::platform::DriveService& drives,
                   const tarvix::platform::SystemInfo& system, QWidget* parent)
    : CSkinDialog(MainWindowSkin(), parent), protocol_(protocol), drives_(drives), system_(system) {
  // A pop-up without caption or frame that still has its own taskbar button.
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  resize(kMainWindowSize);
  setFont(tarvix::skin::TemplateFont());
  CreateControls();
  ConnectHandlers();
}

void CMainDlg::CreateControls() {
  QWidget* label = nullptr;  // the last label, until the control it names is placed
  for (const TemplateControl& control : MainDialogTemplate().controls) {
    QWidget* widget = CreateControl(control);
    QRect area = DluToPixels(control.x, control.y, control.w, control.h);
    // A drop-down's template height is that of its open list; closed, the box keeps
    // its own height.
    if (control.kind == ControlKind::DropDown) area.setHeight(widget->sizeHint().height());
    // "Netmask :" and "Receive DHCP :" need a few pixels more than the template
    // gives them even in Arial's widths (a Windows label wraps its colon out of
    // sight there), so a label grows to its text, into the free space before the
    // control that follows it.
    if (control.kind == ControlKind::Label)
      area.setWidth(qMax(area.width(), widget->sizeHint().width()));
    widget->setGeometry(area);
    if (label) {
      label->setGeometry(EndBefore(label->geometry(), area));
      label = nullptr;
    }
    if (control.kind == ControlKind::Label) label = widget;
    if (control.id != kNoId) {
      widget->setProperty(kControlIdProperty, control.id);
      widget->setObjectName(QStringLiteral("ctl%1").arg(control.id));
    }
    if (!control.visible) widget->setVisible(false);
  }
}

QWidget* CMainDlg::CreateControl(const TemplateControl& control) {
  switch (control.kind) {
    case ControlKind::List: {
      auto* list = new CSkinListCtrl(this);
      (control.id == kDeviceList ? deviceList_ : volumeList_) = list;
      return list;
    }
    case ControlKind::AddressField: {
      auto* field = new CIpAddressCtrl(this);
      if (control.id == kAddressField) addressField_ = field;
      if (control.id == kNetmaskField) netmaskField_ = field;
      if (control.id == kGatewayField) gatewayField_ = field;
      return field;
    }
    case ControlKind::Label: return new QLabel(QString::fromLatin1(control.text), this);
    case ControlKind::DropDown: {
      auto* combo = new QComboBox(this);
      const QString items = QString::fromLatin1(control.text);
      if (!items.isEmpty()) combo->addItems(items.split(QLatin1Char('\n')));
      // A drop-down made from a template starts without a selection.
      combo->setCurrentIndex(-1);
      combo->setMaxVisibleItems(qMax(1, DluToPixelsY(control.h) / 16));
      if (control.id == kPortCombo) portCombo_ = combo;
      if (control.id == kDhcpCombo) dhcpCombo_ = combo;
      if (control.id == kDriveCombo) driveCombo_ = combo;
      return combo;
    }
    case ControlKind::Button: break;
  }
  auto* button = new CSkinButton(this);
  for (const ButtonRow& row : kButtons)
    if (row.id == control.id) this->*row.member = button;
  return button;
}

QWidget* CMainDlg::Control(int id) const {
  return findChild<QWidget*>(QStringLiteral("ctl%1").arg(id), Qt::FindDirectChildrenOnly);
}

void CMainDlg::ConnectHandlers() {
  for (const ButtonRow& row : kButtons) {
    // A click that arrives while an operation runs would cut into it: it is dropped.
    connect(this->*row.member, &QAbstractButton::clicked, this, [this, handler = row.handler] {
      if (!operations_.IsBusy()) (this->*handler)();
    });
  }
  connect(deviceList_, &CSkinListCtrl::Clicked, this, [this] {
    if (!operations_.IsBusy()) OnClickDeviceList();
  });
  // Only a choice by the user counts; selecting by program stays silent.
  connect(dhcpCombo_, &QComboBox::activated, this, [this] { OnDhcpChoice(); });
}

void CMainDlg::setVisible(bool visible) {
  // The window is set up, and has searched once, before it first shows.
  if (visible && !initialised_) {
    initialised_ = true;
    OnInitDialog();
  }
  CSkinDialog::setVisible(visible);
}

void CMainDlg::OnInitDialog() {
  setWindowTitle(QStringLiteral("Tarvix Storage Utility"));
  icon_ = QIcon(QStringLiteral(":/res/icon-128.png"));
  setWindowIcon(icon_);
  deviceListFont_ = tarvix::skin::ListFont();
  volumeListFont_ = tarvix::skin::ListFont();
  deviceList_->AttachScrollBars();
  volumeList_->AttachScrollBars();
  SetUpLists();
  SetButtonFaces();
  RefreshMappedDrives();
  FillDriveLetterCombo();
  OnSearch();
  deviceSelected_ = 0;
}

void CMainDlg::SetUpLists() {
  deviceList_->SetFullRowSelect(true);
  deviceList_->setFont(deviceListFont_);
  deviceList_->InsertColumn(0, QStringLiteral("Name"), 94);
  deviceList_->InsertColumn(1, QStringLiteral("IP"), 85);
  deviceList_->InsertColumn(2, QStringLiteral("Netmask"), 85);
  deviceList_->InsertColumn(3, QStringLiteral("Gateway"), 85);
  volumeList_->SetFullRowSelect(true);
  volumeList_->setFont(volumeListFont_);
  volumeList_->InsertColumn(0, QStringLiteral("Volume Name"), 120);
  volumeList_->InsertColumn(1, QStringLiteral("Location"), 111);
  deviceList_->SetTextColor(Qt::black);
  volumeList_->SetTextColor(Qt::black);
}

void CMainDlg::SetButtonFaces() {
  // The highlighted face shows pressed and hovered, the normal one disabled. The
  // widget button has no faces: it stays a flat fill.
  for (const ButtonRow& row : kButtons) {
    if (row.normalFace == 0) continue;
    (this->*row.member)->SetFaces(row.normalFace, row.litFace, row.litFace, row.normalFace);
  }
}

void CMainDlg::OnSearch() {
  COperationScope operation(operations_);
  deviceList_->DeleteAllItems();
  volumeList_->DeleteAllItems();
  portCombo_->clear();
  portCombo_->setEnabled(false);
  addressField_->ClearAddress();
  netmaskField_->ClearAddress();
  gatewayField_->ClearAddress();
  searchButton_->setEnabled(false);
  protocol_.Search();
  searchButton_->setEnabled(true);
  for (const tarvix::DeviceNode& node : protocol_.devices) {
    int row = deviceList_->InsertItem(FromBytes(tarvix::FieldText(node.name)));
    deviceList_->SetItemText(row, 1, FromBytes(tarvix::FieldText(node.address)));
    deviceList_->SetItemText(row, 2, FromBytes(tarvix::FieldText(node.netmask)));
    deviceList_->SetItemText(row, 3, FromBytes(tarvix::FieldText(node.gateway)));
  }
  deviceSelected_ = 0;
}

void CMainDlg::OnExit() {
  protocol_.devices.ReleaseDevices();
  protocol_.network.StopNetwork();
  done(QDialog::Rejected);
}

void CMainDlg::OnMinimize() { showMinimized(); }

void CMainDlg::OnCloseRequest() { protocol_.network.StopNetwork(); }

void CMainDlg::keyPressEvent(QKeyEvent* event) {
  // The dialog keys: Enter ends the window as accepted, Escape as cancelled.
  const bool plain = event->modifiers() == Qt::NoModifier ||
                     (event->modifiers() == Qt::KeypadModifier && event->key() == Qt::Key_Enter);
  if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
    accept();
    return;
  }
  CSkinDialog::keyPressEvent(event);
}

void CMainDlg::closeEvent(QCloseEvent* event) {
  // The system's close request must not close the sockets under a running
  // exchange: it is taken up again when the operation has ended.
  if (operations_.IsBusy()) {
    event->ignore();
    operations_.WhenIdle(
        [this] { QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection); });
    return;
  }
  OnCloseRequest();
  CSkinDialog::closeEvent(event);
}

void CMainDlg::resizeEvent(QResizeEvent* event) {
  CSkinDialog::resizeEvent(event);
  setMask(MakeWindowShape(width(), height()));
  update();
}
