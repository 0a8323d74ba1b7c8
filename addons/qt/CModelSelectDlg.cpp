#include "addons/qt/CModelSelectDlg.h"

#include <QButtonGroup>
#include <QLabel>
#include <QRadioButton>

#include "addons/AddonMessages.h"
#include "addons/qt/DialogLabel.h"
#include "settings/qt/SettingsDialogTemplate.h"
#include "skin/CSkinButton.h"
#include "skin/SkinBitmaps.h"

using tarvix::settings::qt::ApplyTemplateFrame;
using tarvix::settings::qt::PlaceControl;
namespace text = tarvix::addons::text;

CModelSelectDlg::CModelSelectDlg(tarvix::addons::AddonState& state, QWidget* parent)
    : CSkinDialog(Settings::Background(tarvix::skin::kBgModelChoice), parent), state_(state) {
  ApplyTemplateFrame(this, 150, 115);
  setWindowTitle(QString());
  CreateControls();
}

void CModelSelectDlg::CreateControls() {
  tarvix::addons::qt::PlaceLabel(this, QString::fromLatin1(text::kModelUnknown),
                                 tarvix::settings::qt::DialogUnitsToPixels(11, 15, 124, 8));
  tarvix::addons::qt::PlaceLabel(this, QString::fromLatin1(text::kModelPrompt),
                                 tarvix::settings::qt::DialogUnitsToPixels(11, 26, 46, 8));
  models_ = new QButtonGroup(this);
  const char* names[] = {"NV-A10", "NV-A20", "NV-B40"};
  for (int i = 0; i < 3; ++i) {
    auto* model = new QRadioButton(QString::fromLatin1(names[i]), this);
    // Radio buttons ask for their colours as labels do: the dialog's white text.
    QPalette colours = model->palette();
    colours.setColor(QPalette::WindowText, SkinSettings().labelColour);
    model->setPalette(colours);
    PlaceControl(model, kFirstModel + i, 11, 42 + 14 * i, 45, 10);
    models_->addButton(model, i);
  }
  auto* ok = new CSkinButton(this);
  PlaceControl(ok, kOkButton, 11, 90, 62, 16);
  ok->SetFaces(tarvix::skin::kFaceOk, tarvix::skin::kFaceOkLit, tarvix::skin::kFaceOkLit,
               tarvix::skin::kFaceOkLit);
  ok->setDefault(true);
  auto* cancel = new CSkinButton(this);
  PlaceControl(cancel, kCancelButton, 75, 90, 62, 16);
  cancel->SetFaces(tarvix::skin::kFaceCancel, tarvix::skin::kFaceCancelLit,
                   tarvix::skin::kFaceCancelLit, tarvix::skin::kFaceCancelLit);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CModelSelectDlg::done(int result) {
  // checkedId() is -1 when no button is checked.
  state_.modelChoice = result == QDialog::Accepted ? models_->checkedId() : -1;
  CSkinDialog::done(result);
}
