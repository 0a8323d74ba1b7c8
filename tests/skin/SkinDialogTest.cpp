#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>

#include "settings/qt/CDriveInUseDlg.h"
#include "settings/qt/CLoginDlg.h"
#include "skin/CSkinButton.h"
#include "skin/CSkinDialog.h"
#include "skin/DialogUnits.h"
#include "skin/SkinBitmaps.h"
#include "tests/skin/SkinTestSupport.h"

namespace tarvix::testing {
namespace {

CSkinDialog::Settings Skin(int background, CSkinDialog::BackgroundMode mode, QColor labels,
                           bool drag = false, std::vector<int> excluded = {}) {
  return {background, mode, labels, std::move(excluded), drag};
}

int CountPixels(const QImage& image, QRgb colour) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == colour;
  return n;
}

// The darkest or lightest grey level inside `area`.
int ExtremeGrey(const QImage& image, const QRect& area, bool darkest) {
  int extreme = darkest ? 255 : 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) {
      const int grey = qGray(image.pixel(x, y));
      extreme = darkest ? std::min(extreme, grey) : std::max(extreme, grey);
    }
  return extreme;
}

TEST(SkinDialog, StretchedBackgroundCoversAnyClientArea) {
  for (QSize size : {QSize(400, 220), QSize(150, 60)}) {
    CSkinDialog dialog(Skin(skin::kBgLogin, CSkinDialog::BackgroundMode::Stretched, Qt::white));
    dialog.resize(size);
    const QImage shown = Grab(&dialog);
    // The dark artwork has no white at all: none of the dialog's white shows.
    EXPECT_EQ(CountPixels(shown, qRgb(255, 255, 255)), 0) << size.width();
    // Enlarged, both corners show the artwork's grey frame.
    const QRgb frame = Bitmap(skin::kBgLogin).pixel(0, 0);
    if (size.width() > 308) {
      EXPECT_EQ(shown.pixel(0, 0), frame);
      EXPECT_EQ(shown.pixel(size.width() - 1, size.height() - 1), frame);
    }
  }
}

TEST(SkinDialog, NativeBackgroundSitsAtItsOwnSizeInTheCorner) {
  CSkinDialog dialog(Skin(skin::kBgRestarting, CSkinDialog::BackgroundMode::Native, Qt::white));
  dialog.resize(500, 200);
  const QImage shown = Grab(&dialog);
  const QImage bitmap = Bitmap(skin::kBgRestarting);
  EXPECT_TRUE(Shows(shown, QPoint(0, 0), bitmap));
  EXPECT_EQ(shown.pixel(470, 100), qRgb(255, 255, 255));
  EXPECT_EQ(shown.pixel(100, 190), qRgb(255, 255, 255));
}

TEST(SkinDialog, MissingBackgroundLeavesTheDialogWhite) {
  CSkinDialog dialog(Skin(999, CSkinDialog::BackgroundMode::Stretched, Qt::white));
  dialog.resize(60, 40);
  const QImage shown = Grab(&dialog);
  EXPECT_EQ(CountPixels(shown, qRgb(255, 255, 255)), 60 * 40);
}

TEST(SkinDialog, BackgroundIsLoadedOncePerDialog) {
  for (auto mode : {CSkinDialog::BackgroundMode::Stretched, CSkinDialog::BackgroundMode::Native}) {
    const int before = skin::SkinBitmapLoads(skin::kBgAbout);
    CSkinDialog dialog(Skin(skin::kBgAbout, mode, Qt::white));
    EXPECT_EQ(skin::SkinBitmapLoads(skin::kBgAbout) - before,
              mode == CSkinDialog::BackgroundMode::Native ? 1 : 0);
    for (int i = 0; i < 3; ++i) Grab(&dialog);
    EXPECT_EQ(skin::SkinBitmapLoads(skin::kBgAbout) - before, 1);
  }
}

// Labels are drawn without a box of their own, in the dialog's label colour.
TEST(SkinDialog, LabelsAreTransparentInTheLabelColour) {
  struct Case {
    int background;
    QColor colour;
  };
  for (Case c : {Case{skin::kBgMainWindow, Qt::black}, Case{skin::kBgLogin, Qt::white}}) {
    CSkinDialog bare(Skin(c.background, CSkinDialog::BackgroundMode::Stretched, c.colour));
    CSkinDialog labelled(Skin(c.background, CSkinDialog::BackgroundMode::Stretched, c.colour));
    for (CSkinDialog* dialog : {&bare, &labelled}) dialog->resize(300, 340);
    auto* label = new QLabel(QStringLiteral("Netmask :"), &labelled);
    label->setGeometry(20, 300, 120, 16);
    const QImage without = Grab(&bare);
    const QImage with = Grab(&labelled);
    const QRect area = label->geometry();
    const bool dark = c.colour == Qt::black;
    // Text is smoothed at its edges; its stems carry the colour itself.
    const int extreme = ExtremeGrey(with, area, dark);
    EXPECT_TRUE(dark ? extreme <= 15 : extreme >= 240) << c.background << ": " << extreme;
    // Beyond the text the label shows the background itself.
    EXPECT_EQ(with.pixel(area.right() - 2, area.top() + 1),
              without.pixel(area.right() - 2, area.top() + 1));
    EXPECT_EQ(with.pixel(area.right() - 2, area.bottom() - 1),
              without.pixel(area.right() - 2, area.bottom() - 1));
  }
}

// A disabled edit reads like a label, unless the dialog keeps it out of the skin.
TEST(SkinDialog, DisabledEditShowsTheBackgroundUnlessExcluded) {
  for (bool excluded : {false, true}) {
    CSkinDialog dialog(Skin(skin::kBgLogin, CSkinDialog::BackgroundMode::Stretched, Qt::white,
                            false, excluded ? std::vector<int>{1016} : std::vector<int>{}));
    dialog.resize(300, 140);
    auto* edit = new QLineEdit(&dialog);
    edit->setProperty(tarvix::skin::kControlIdProperty, 1016);
    edit->setGeometry(90, 45, 100, 24);
    edit->setEnabled(false);
    CSkinDialog plain(Skin(skin::kBgLogin, CSkinDialog::BackgroundMode::Stretched, Qt::white));
    plain.resize(300, 140);
    const QPoint inside(170, 57);
    const QRgb shown = Grab(&dialog).pixel(inside);
    if (excluded)
      EXPECT_EQ(shown, edit->palette().color(QPalette::Disabled, QPalette::Base).rgb());
    else
      EXPECT_EQ(shown, Grab(&plain).pixel(inside));
  }
}

TEST(SkinDialog, LoginEditsKeepTheirColoursWhenDisabled) {
  CLoginDlg dialog({"admin", true});
  auto* user = dialog.findChild<QLineEdit*>(QStringLiteral("ctl1016"));
  ASSERT_NE(user, nullptr);
  ASSERT_FALSE(user->isEnabled());
  const QImage shown = Grab(&dialog);
  const QPoint inside = user->geometry().topRight() + QPoint(-6, user->height() / 2);
  EXPECT_EQ(shown.pixel(inside), user->palette().color(QPalette::Disabled, QPalette::Base).rgb());
  EXPECT_NE(user->palette().color(QPalette::Disabled, QPalette::Base).alpha(), 0);
}

TEST(SkinDialog, LoginAndDriveInUseLabelsAreWhiteOnTheirBackgrounds) {
  CLoginDlg login({"", false});
  CDriveInUseDlg driveInUse;
  for (CSkinDialog* dialog :
       {static_cast<CSkinDialog*>(&login), static_cast<CSkinDialog*>(&driveInUse)}) {
    const QImage shown = Grab(dialog);
    const QList<QLabel*> labels = dialog->findChildren<QLabel*>();
    ASSERT_FALSE(labels.isEmpty());
    for (QLabel* label : labels) {
      EXPECT_GE(ExtremeGrey(shown, label->geometry(), false), 240) << label->text().toStdString();
      // White text on the dark artwork, not on the dialogs' white.
      EXPECT_LT(qGray(shown.pixel(label->geometry().topLeft())), 100)
          << label->text().toStdString();
    }
  }
}

// A press on the bare background (labels count as background) moves the window;
// a press on a control goes to the control.
class DragDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    dialog.resize(300, 200);
    label = new QLabel(QStringLiteral("I P :"), &dialog);
    label->setGeometry(10, 150, 60, 16);
    button = new CSkinButton(&dialog);
    button->setGeometry(150, 20, 100, 25);
    dialog.move(100, 100);
    dialog.show();
  }

  QPoint DragFrom(QWidget* target, QPoint at) {
    const QPoint start = dialog.pos();
    Press(target, at);
    MoveHeld(target, at + QPoint(30, 20));
    Release(target, at + QPoint(30, 20));
    return dialog.pos() - start;
  }

  CSkinDialog dialog{
      Skin(skin::kBgMainWindow, CSkinDialog::BackgroundMode::Stretched, Qt::black, true)};
  QLabel* label = nullptr;
  CSkinButton* button = nullptr;
};

TEST_F(DragDialog, BareBackgroundAndLabelsMoveTheWindow) {
  EXPECT_EQ(DragFrom(&dialog, QPoint(40, 80)), QPoint(30, 20));
  // A label ignores the press, which reaches the dialog at the label's place.
  EXPECT_EQ(DragFrom(&dialog, label->geometry().center()), QPoint(30, 20));
}

TEST_F(DragDialog, APressOnAControlGoesToTheControl) {
  // Qt hands a press the button did not take to the dialog at the button's place.
  const QPoint onButton = button->geometry().center();
  EXPECT_EQ(DragFrom(&dialog, onButton), QPoint(0, 0));
  Press(button, QPoint(5, 5));
  EXPECT_TRUE(button->isDown());
  Release(button, QPoint(5, 5));
}

TEST(SkinDialog, WithoutDragTheBackgroundDoesNotMove) {
  CSkinDialog dialog(Skin(skin::kBgLogin, CSkinDialog::BackgroundMode::Stretched, Qt::white));
  dialog.resize(200, 100);
  dialog.move(50, 50);
  dialog.show();
  Press(&dialog, QPoint(20, 20));
  MoveHeld(&dialog, QPoint(60, 60));
  Release(&dialog, QPoint(60, 60));
  EXPECT_EQ(dialog.pos(), QPoint(50, 50));
}

}  // namespace
}  // namespace tarvix::testing
