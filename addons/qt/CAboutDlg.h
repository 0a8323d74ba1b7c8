#pragma once
#include "skin/CSkinDialog.h"

// The about box (template 308): the program's icon, name, a line about it and
// its version. OK, Escape and the close request close it.
class CAboutDlg : public CSkinDialog {
  Q_OBJECT

 public:
  static constexpr int kTemplateId = 308;
  static constexpr int kOkButton = 1;

  explicit CAboutDlg(QWidget* parent = nullptr);

 private:
  void CreateControls();
};
