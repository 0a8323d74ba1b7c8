#pragma once
#include "addons/AddonState.h"
#include "skin/CSkinDialog.h"

class QButtonGroup;

// The model choice (template 265) for a device whose model the widget table does
// not know. The answer goes to modelChoice: the checked button's place in the
// group, or -1.
class CModelSelectDlg : public CSkinDialog {
  Q_OBJECT

 public:
  static constexpr int kTemplateId = 265;
  static constexpr int kOkButton = 1;
  static constexpr int kCancelButton = 2;
  static constexpr int kFirstModel = 1029;  // NV-A10, then NV-A20 (1030), NV-B40 (1031)

  explicit CModelSelectDlg(tarvix::addons::AddonState& state, QWidget* parent = nullptr);

  // OK reads the group; Cancel, Escape and the close request choose nothing.
  void done(int result) override;

 private:
  void CreateControls();

  tarvix::addons::AddonState& state_;
  QButtonGroup* models_ = nullptr;
};
