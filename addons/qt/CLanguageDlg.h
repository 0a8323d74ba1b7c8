#pragma once
#include "addons/AddonDialogs.h"
#include "skin/CSkinDialog.h"

class CSkinButton;
class QComboBox;

namespace tarvix::addons {
class LanguageChoice;
}

// The language choice (template 139): the nine languages in a drop-down list.
// Its checks run before it shows; when they refuse the device it ends at once
// and is never seen.
class CLanguageDlg : public CSkinDialog {
  Q_OBJECT

 public:
  static constexpr int kTemplateId = 139;
  static constexpr int kOkButton = 1;
  static constexpr int kCancelButton = 2;
  static constexpr int kLanguageList = 1022;

  explicit CLanguageDlg(tarvix::addons::LanguageChoice& choice, QWidget* parent = nullptr);

  // Runs the checks; shows the dialog only when they let the user choose.
  int exec() override;
  // Cancel, Escape and the close request.
  void reject() override;

  tarvix::addons::LanguageDialogResult Result() const { return result_; }

 private:
  void CreateControls();
  bool OnInitDialog();
  void OnOK();

  tarvix::addons::LanguageChoice& choice_;
  QComboBox* list_ = nullptr;
  CSkinButton* okButton_ = nullptr;
  CSkinButton* cancelButton_ = nullptr;
  tarvix::addons::LanguageDialogResult result_ = tarvix::addons::LanguageDialogResult::Cancelled;
};
