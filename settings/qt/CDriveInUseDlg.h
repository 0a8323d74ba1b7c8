#pragma once
#include "skin/CSkinDialog.h"

class CSkinButton;

// Asks whether a drive letter that is already connected may be taken over
// (template 229). The answer is 1 for OK and 0 for Cancel, Esc or the close box.
class CDriveInUseDlg : public CSkinDialog {
  Q_OBJECT

 public:
  static constexpr int kTemplateId = 229;
  static constexpr int kOkButton = 1;
  static constexpr int kCancelButton = 2;

  explicit CDriveInUseDlg(QWidget* parent = nullptr);

  int answer() const { return answer_; }

 protected:
  void done(int result) override;

 private:
  void CreateControls();

  CSkinButton* okButton_ = nullptr;
  CSkinButton* cancelButton_ = nullptr;
  int answer_ = 0;
};
