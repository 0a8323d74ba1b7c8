#include "addons/qt/CAboutDlg.h"

#include <QIcon>
#include <QLabel>

#include "addons/AddonMessages.h"
#include "addons/qt/DialogLabel.h"
#include "settings/qt/SettingsDialogTemplate.h"
#include "skin/CSkinButton.h"
#include "skin/SkinBitmaps.h"
#include "skin/SkinFonts.h"

namespace text = tarvix::addons::text;

namespace {

// This template alone is set in Arial 9, a 12-pixel em. Its dialog units are
// those of that font as Windows measures a template font: the average width of
// the 52 letters rounds to 7 pixels per 4 units, and the cell is one pixel
// taller than Arial 8's, 15 pixels per 8 units.
QRect AboutUnits(int x, int y, int w, int h) {
  return QRect(x * 7 / 4, y * 15 / 8, w * 7 / 4, h * 15 / 8);
}

void Place(QWidget* control, int id, int x, int y, int w, int h) {
  tarvix::settings::qt::PlaceControl(control, id, 0, 0, 0, 0);
  control->setGeometry(AboutUnits(x, y, w, h));
}

QFont Arial9() {
  QFont font = tarvix::skin::TemplateFont();
  font.setPixelSize(12);
  return font;
}

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent)
    : CSkinDialog(Settings::Background(tarvix::skin::kBgAbout), parent) {
  tarvix::settings::qt::ApplyTemplateFrame(this, 0, 0);
  setFont(Arial9());
  setFixedSize(AboutUnits(0, 0, 267, 71).size());
  setWindowTitle(QString());
  CreateControls();
}

void CAboutDlg::CreateControls() {
  auto* icon = new QLabel(this);
  Place(icon, 0, 11, 25, 20, 20);
  icon->setPixmap(QIcon(QStringLiteral(":/res/icon-128.png")).pixmap(icon->size()));
  using tarvix::addons::qt::PlaceLabel;
  PlaceLabel(this, QString::fromLatin1(text::kProductName), AboutUnits(37, 18, 111, 8));
  PlaceLabel(this, QString::fromLatin1(text::kAboutLine), AboutUnits(37, 29, 218, 9));
  PlaceLabel(this, QString::fromLatin1(text::kVersion), AboutUnits(37, 40, 88, 8));
  auto* ok = new CSkinButton(this);
  Place(ok, kOkButton, 191, 49, 68, 16);
  ok->setDefault(true);
  ok->SetFaces(tarvix::skin::kFaceOk, tarvix::skin::kFaceOkLit, tarvix::skin::kFaceOkLit,
               tarvix::skin::kFaceOkLit);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
