#include "addons/qt/CWidgetDlg.h"

#include <QKeyEvent>
#include <QLabel>

#include "addons/AddonMessages.h"
#include "addons/qt/DialogLabel.h"
#include "settings/qt/SettingsDialogTemplate.h"
#include "skin/CSkinButton.h"
#include "skin/SkinBitmaps.h"

using tarvix::settings::qt::ApplyTemplateFrame;
using tarvix::settings::qt::PlaceControl;
namespace text = tarvix::addons::text;

CWidgetDlg::CWidgetDlg(tarvix::addons::AddonState& state, QWidget* parent)
    : CSkinDialog(Settings::Background(tarvix::skin::kBgWidgetPrompt), parent), state_(state) {
  ApplyTemplateFrame(this, 343, 117);
  setWindowTitle(QString());
  CreateControls();
}

void CWidgetDlg::CreateControls() {
  auto* download = new CSkinButton(this);
  PlaceControl(download, kDownloadButton, 206, 92, 61, 16);
  download->SetFaces(tarvix::skin::kFaceDownload, tarvix::skin::kFaceDownloadLit,
                     tarvix::skin::kFaceDownloadLit, tarvix::skin::kFaceDownloadLit);
  auto* next = new CSkinButton(this);
  PlaceControl(next, kNextButton, 269, 92, 62, 16);
  next->SetFaces(tarvix::skin::kFaceNext, tarvix::skin::kFaceNextLit, tarvix::skin::kFaceNextLit,
                 tarvix::skin::kFaceNextLit);
  const struct {
    const char* text;
    int y, width;
  } lines[] = {{text::kWidgetFirstLine, 14, 206},
               {text::kWidgetDownloadLine, 34, 324},
               {text::kWidgetNextLine, 54, 287},
               {text::kWidgetProceedLine, 74, 82}};
  for (const auto& line : lines)
    tarvix::addons::qt::PlaceLabel(
        this, QString::fromLatin1(line.text),
        tarvix::settings::qt::DialogUnitsToPixels(10, line.y, line.width, 8));
  connect(download, &QPushButton::clicked, this, &QDialog::accept);
  connect(next, &QPushButton::clicked, this, &QDialog::reject);
}

void CWidgetDlg::done(int result) {
  state_.widgetDownload = result == QDialog::Accepted ? 1 : 0;
  CSkinDialog::done(result);
}

void CWidgetDlg::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    accept();
    return;
  }
  CSkinDialog::keyPressEvent(event);
}
