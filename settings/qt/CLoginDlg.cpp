#include "settings/qt/CLoginDlg.h"

#include <QLabel>
#include <QLineEdit>

#include "settings/qt/SettingsDialogTemplate.h"
#include "skin/CSkinButton.h"
#include "skin/SkinBitmaps.h"

using tarvix::settings::qt::ApplyTemplateFrame;
using tarvix::settings::qt::PlaceControl;
using namespace tarvix::skin;

namespace {

CSkinDialog::Settings LoginSkin() {
  CSkinDialog::Settings skin;
  skin.backgroundId = kBgLogin;
  skin.excludedIds = {CLoginDlg::kUserEdit, CLoginDlg::kPasswordEdit};
  return skin;
}

}  // namespace

CLoginDlg::CLoginDlg(tarvix::settings::LoginPreset preset, QWidget* parent)
    : CSkinDialog(LoginSkin(), parent), preset_(std::move(preset)) {
  ApplyTemplateFrame(this, 205, 84);
  setWindowTitle(QStringLiteral("Login"));
  CreateControls();
  OnInitDialog();
}

void CLoginDlg::CreateControls() {
  PlaceControl(new QLabel(QStringLiteral("User name :"), this), 0, 13, 29, 40, 8);
  userEdit_ = new QLineEdit(this);
  PlaceControl(userEdit_, kUserEdit, 60, 26, 69, 14);
  PlaceControl(new QLabel(QStringLiteral("Password :"), this), 0, 13, 50, 40, 8);
  passwordEdit_ = new QLineEdit(this);
  passwordEdit_->setEchoMode(QLineEdit::Password);
  PlaceControl(passwordEdit_, kPasswordEdit, 60, 47, 69, 14);
  okButton_ = new CSkinButton(this);
  PlaceControl(okButton_, kOkButton, 135, 26, 62, 16);
  cancelButton_ = new CSkinButton(this);
  PlaceControl(cancelButton_, kCancelButton, 135, 46, 62, 16);
  for (QLineEdit* edit : {userEdit_, passwordEdit_}) edit->setMaxLength(kEditLimit);
  okButton_->setDefault(true);
  connect(okButton_, &QPushButton::clicked, this, &CLoginDlg::OnOK);
  connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void CLoginDlg::OnInitDialog() {
  userEdit_->setText(QString::fromStdString(preset_.userName));
  userEdit_->setEnabled(!preset_.userLocked);
  okButton_->SetFaces(kFaceOk, kFaceOkLit, kFaceOkLit, kFaceOkLit);
  cancelButton_->SetFaces(kFaceCancel, kFaceCancelLit, kFaceCancelLit, kFaceCancelLit);
  (preset_.userLocked ? passwordEdit_ : userEdit_)->setFocus();
}

void CLoginDlg::OnOK() {
  userName_ = userEdit_->text().toStdString();
  password_ = passwordEdit_->text().toStdString();
  accept();
}
