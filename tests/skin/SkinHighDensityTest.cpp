// Runs with QT_SCALE_FACTOR=2: the screen has a device pixel ratio of 2, and every
// skinned control must draw from the high-density artwork, pixel for pixel.
#include <gtest/gtest.h>

#include <QApplication>

#include "skin/CSkinButton.h"
#include "skin/CSkinDialog.h"
#include "skin/CSkinHScrollBar.h"
#include "skin/CSkinListCtrl.h"
#include "skin/SkinBitmapStore.h"
#include "skin/SkinBitmaps.h"

namespace tarvix::testing {
namespace {

using namespace tarvix::skin;

QImage Fine(int id) {
  return LoadSkinBitmap(id, 2.0).toImage().convertToFormat(QImage::Format_RGB32);
}

QImage Shown(QWidget* widget) {
  const QPixmap grab = widget->grab();
  EXPECT_EQ(grab.devicePixelRatio(), 2.0);
  return grab.toImage().convertToFormat(QImage::Format_RGB32);
}

class HighDensity : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(qApp->devicePixelRatio(), 2.0) << "run with QT_SCALE_FACTOR=2";
  }
};

TEST_F(HighDensity, TheFineSetIsNotJustTheCoarseOneEnlarged) {
  const QImage coarse =
      LoadSkinBitmap(kFaceOk, 1.0).toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_NE(Fine(kFaceOk), coarse.scaled(coarse.size() * 2));
}

TEST_F(HighDensity, DialogBackgroundComesFromTheFineSet) {
  CSkinDialog dialog({kBgLogin, CSkinDialog::BackgroundMode::Stretched, Qt::white, {}, false});
  dialog.resize(308, 147);  // the bitmap's own size: a one-to-one copy
  EXPECT_EQ(Shown(&dialog), Fine(kBgLogin));
}

TEST_F(HighDensity, ButtonFaceComesFromTheFineSet) {
  QWidget host;
  auto* button = new CSkinButton(&host);
  button->setGeometry(0, 0, 100, 25);
  button->SetFaces(kFaceOk, kFaceOkLit, kFaceOkLit, kFaceOkLit);
  EXPECT_EQ(Shown(button), Fine(kFaceOk));
}

TEST_F(HighDensity, ScrollBarPartsComeFromTheFineSet) {
  QWidget host;
  host.resize(400, 300);
  auto* list = new CSkinListCtrl(&host);
  list->setGeometry(20, 30, 268, 106);
  for (int c = 0; c < 4; ++c) list->InsertColumn(c, QStringLiteral("C"), 120);
  list->AttachScrollBars();
  host.show();
  QApplication::processEvents();
  CSkinHScrollBar* bar = list->HorizontalBar();
  bar->Synchronise();
  ASSERT_EQ(bar->ThumbPosition(), 20);
  const QImage shown = Shown(bar);
  EXPECT_EQ(shown.copy(0, 0, 32, 28), Fine(kHScrollLeft));
  EXPECT_EQ(shown.copy(32, 0, 52, 28), Fine(kHScrollThumb));  // the thumb drawn at 20 - 4
}

}  // namespace
}  // namespace tarvix::testing
