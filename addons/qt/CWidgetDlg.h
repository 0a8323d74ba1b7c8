#pragma once
#include "addons/AddonState.h"
#include "skin/CSkinDialog.h"

class QKeyEvent;

// The widget engine prompt (template 264): Download, or Next when the engine is
// already installed. The answer goes to widgetDownload.
class CWidgetDlg : public CSkinDialog {
  Q_OBJECT

 public:
  static constexpr int kTemplateId = 264;
  static constexpr int kDownloadButton = 1;
  static constexpr int kNextButton = 2;

  explicit CWidgetDlg(tarvix::addons::AddonState& state, QWidget* parent = nullptr);

  // Every way out ends here: Download is the OK ending, the rest cancel.
  void done(int result) override;

 protected:
  // Enter is the dialog's OK, which is Download, as in a dialog whose OK
  // button is not marked as the default.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void CreateControls();

  tarvix::addons::AddonState& state_;
};
