#include "addons/qt/CLanguageDlg.h"

#include <QComboBox>
#include <QLabel>

#include "addons/AddonMessages.h"
#include "addons/LanguageChoice.h"
#include "addons/LanguageRows.h"
#include "addons/qt/DialogLabel.h"
#include "settings/qt/SettingsDialogTemplate.h"
#include "skin/CSkinButton.h"
#include "skin/SkinBitmaps.h"

using tarvix::addons::LanguageDialogResult;
using tarvix::settings::qt::ApplyTemplateFrame;
using tarvix::settings::qt::PlaceControl;

CLanguageDlg::CLanguageDlg(tarvix::addons::LanguageChoice& choice, QWidget* parent)
    : CSkinDialog(Settings::Background(tarvix::skin::kBgLanguage), parent), choice_(choice) {
  ApplyTemplateFrame(this, 226, 64);
  setWindowTitle(QString());
  CreateControls();
}

void CLanguageDlg::CreateControls() {
  okButton_ = new CSkinButton(this);
  PlaceControl(okButton_, kOkButton, 151, 17, 62, 16);
  cancelButton_ = new CSkinButton(this);
  PlaceControl(cancelButton_, kCancelButton, 151, 34, 62, 16);
  tarvix::addons::qt::PlaceLabel(this, QString::fromLatin1(tarvix::addons::text::kLanguageLabel),
                                 tarvix::settings::qt::DialogUnitsToPixels(14, 21, 36, 8));
  list_ = new QComboBox(this);
  for (const tarvix::addons::LanguageRow& row : tarvix::addons::kLanguageRows)
    list_->addItem(QString::fromLatin1(row.text));
  list_->setCurrentIndex(-1);
  PlaceControl(list_, kLanguageList, 52, 19, 94, 59);
  // Closed, the drop-down keeps its own height; the template's is the open list's.
  list_->resize(list_->width(), list_->sizeHint().height());
  okButton_->setDefault(true);
  connect(okButton_, &QPushButton::clicked, this, &CLanguageDlg::OnOK);
  connect(cancelButton_, &QPushButton::clicked, this, &CLanguageDlg::reject);
  // Only the user's choice counts; the preselection stays silent.
  connect(list_, &QComboBox::activated, this, [this](int row) { choice_.OnSelectionChange(row); });
}

int CLanguageDlg::exec() {
  if (!OnInitDialog()) {
    result_ = LanguageDialogResult::GaveUp;
    return QDialog::Accepted;
  }
  return CSkinDialog::exec();
}

bool CLanguageDlg::OnInitDialog() {
  const std::optional<int> row = choice_.OnInitDialog();
  if (!row) return false;
  list_->setCurrentIndex(*row);
  okButton_->SetFaces(tarvix::skin::kFaceOk, tarvix::skin::kFaceOkLit, tarvix::skin::kFaceOkLit,
                      tarvix::skin::kFaceOkLit);
  cancelButton_->SetFaces(tarvix::skin::kFaceCancel, tarvix::skin::kFaceCancelLit,
                          tarvix::skin::kFaceCancelLit, tarvix::skin::kFaceCancelLit);
  return true;
}

void CLanguageDlg::OnOK() {
  const int row = list_->currentIndex();
  if (!choice_.OnOK(row < 0 ? std::nullopt : std::optional<int>(row))) return;
  result_ = LanguageDialogResult::Chosen;
  accept();
}

void CLanguageDlg::reject() {
  choice_.OnCancel();
  result_ = LanguageDialogResult::Cancelled;
  CSkinDialog::reject();
}
