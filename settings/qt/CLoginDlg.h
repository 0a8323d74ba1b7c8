#pragma once
#include <string>

#include "settings/LoginDialogRunner.h"
#include "skin/CSkinDialog.h"

class QLineEdit;
class CSkinButton;

// The login dialog (template 134): a user name and a password. What it asks
// for, and whether the user name may be changed, comes with the preset.
class CLoginDlg : public CSkinDialog {
  Q_OBJECT

 public:
  static constexpr int kTemplateId = 134;
  static constexpr int kUserEdit = 1016;
  static constexpr int kPasswordEdit = 1017;
  static constexpr int kOkButton = 1;
  static constexpr int kCancelButton = 2;
  static constexpr int kEditLimit = 16;

  explicit CLoginDlg(tarvix::settings::LoginPreset preset, QWidget* parent = nullptr);

  // The texts of the edits as OK read them; empty until then.
  const std::string& userName() const { return userName_; }
  const std::string& password() const { return password_; }

 private:
  void CreateControls();
  void OnInitDialog();
  void OnOK();

  tarvix::settings::LoginPreset preset_;
  QLineEdit* userEdit_ = nullptr;
  QLineEdit* passwordEdit_ = nullptr;
  CSkinButton* okButton_ = nullptr;
  CSkinButton* cancelButton_ = nullptr;
  std::string userName_;
  std::string password_;
};
