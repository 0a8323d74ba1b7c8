#include "settings/qt/CDriveInUseDlg.h"

#include <QLabel>

#include "settings/qt/SettingsDialogTemplate.h"
#include "skin/CSkinButton.h"
#include "skin/SkinBitmaps.h"

using tarvix::settings::qt::ApplyTemplateFrame;
using tarvix::settings::qt::PlaceControl;
using namespace tarvix::skin;

CDriveInUseDlg::CDriveInUseDlg(QWidget* parent)
    : CSkinDialog(Settings::Background(kBgDriveInUse), parent) {
  ApplyTemplateFrame(this, 165, 68);
  setWindowTitle(QString());
  CreateControls();
}

void CDriveInUseDlg::CreateControls() {
  PlaceControl(new QLabel(QStringLiteral("The drive letter has been used."), this), 0, 17, 13, 114,
               8);
  PlaceControl(new QLabel(QStringLiteral("Do you still want to use this drive letter?"), this), 0,
               17, 24, 139, 8);
  okButton_ = new CSkinButton(this);
  PlaceControl(okButton_, kOkButton, 15, 44, 62, 16);
  cancelButton_ = new CSkinButton(this);
  PlaceControl(cancelButton_, kCancelButton, 81, 44, 62, 16);
  okButton_->SetFaces(kFaceOk, kFaceOkLit, kFaceOkLit, kFaceOkLit);
  cancelButton_->SetFaces(kFaceCancel, kFaceCancelLit, kFaceCancelLit, kFaceCancelLit);
  okButton_->setDefault(true);
  connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

// Every way out (buttons, Enter, Esc, the close box) ends here.
void CDriveInUseDlg::done(int result) {
  answer_ = result == QDialog::Accepted ? 1 : 0;
  CSkinDialog::done(result);
}
