#include <gtest/gtest.h>

#include <QLabel>

#include "app/ControlIds.h"
#include "skin/CSkinButton.h"
#include "skin/CSkinHScrollBar.h"
#include "skin/CSkinListCtrl.h"
#include "skin/CSkinVScrollBar.h"
#include "skin/SkinBitmaps.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/app/WindowControls.h"
#include "tests/skin/SkinTestSupport.h"

namespace tarvix::testing {
namespace {

using namespace tarvix::skin;
using app::ControlId;

class MainWindowSkin : public MainWindowFixture {};

TEST_F(MainWindowSkin, SkinSettingsOfTheMainWindow) {
  CMainDlg& w = Open();
  const CSkinDialog::Settings& skin = w.SkinSettings();
  EXPECT_EQ(skin.backgroundId, kBgMainWindow);
  EXPECT_EQ(skin.mode, CSkinDialog::BackgroundMode::Stretched);
  EXPECT_EQ(skin.labelColour, QColor(0, 0, 0));
  EXPECT_TRUE(skin.excludedIds.empty());
  EXPECT_TRUE(skin.dragByClientArea);
}

TEST_F(MainWindowSkin, ButtonsGetTheirFaces) {
  CMainDlg& w = Open();
  struct Case {
    int id;
    int normal;
    int lit;
  };
  const Case cases[] = {
      {app::kCloseButton, kFaceClose, kFaceCloseLit},
      {app::kMinimizeButton, kFaceMinimize, kFaceMinimizeLit},
      {app::kSearchButton, kFaceSearch, kFaceSearchLit},
      {app::kWebButton, kFaceWeb, kFaceWebLit},
      {app::kLanguageButton, kFaceLanguage, kFaceLanguageLit},
      {app::kBtButton, kFaceBitTorrent, kFaceBitTorrentLit},
      {app::kApplyButton, kFaceApply, kFaceApplyLit},
      {app::kMapButton, kFaceConnect, kFaceConnectLit},
      {app::kUnmapButton, kFaceDisconnect, kFaceDisconnectLit},
      {app::kAboutButton, kFaceAbout, kFaceAboutLit},
      {app::kExitButton, kFaceExit, kFaceExitLit},
      {app::kWidgetButton, 0, 0},
  };
  for (const Case& c : cases) {
    const CSkinButton::Faces f = qobject_cast<CSkinButton*>(w.Control(c.id))->GetFaces();
    EXPECT_EQ((std::vector<int>{f.normal, f.pressed, f.hover, f.disabled}),
              (std::vector<int>{c.normal, c.lit, c.lit, c.normal}))
        << c.id;
  }
}

TEST_F(MainWindowSkin, ShowsItsArtworkLabelsInBlackAndFaces) {
  CMainDlg& w = Open();
  const QImage shown = Grab(&w);
  const QImage background = Bitmap(kBgMainWindow);
  // A bare spot of the body and of the title strip show the background itself.
  for (QPoint p : {QPoint(380, 330), QPoint(10, 250), QPoint(300, 30), QPoint(10, 560)})
    EXPECT_EQ(shown.pixel(p), background.pixel(p)) << p.x() << "," << p.y();
  for (QLabel* label : w.findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
    int darkest = 255;
    const QRect area = label->geometry();
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x)
        darkest = std::min(darkest, qGray(shown.pixel(x, y)));
    EXPECT_LE(darkest, 15) << label->text().toStdString();  // smoothed black text
  }
  QWidget* search = w.Control(app::kSearchButton);
  EXPECT_TRUE(Shows(shown, search->pos(), Bitmap(kFaceSearch)));
}

TEST_F(MainWindowSkin, ListsHaveTheirBarsOutsideTheirEdges) {
  CMainDlg& w = Open();
  for (CSkinListCtrl* list : {DeviceListOf(w), VolumeListOf(w)}) {
    const QRect frame = list->geometry();
    ASSERT_NE(list->VerticalBar(), nullptr);
    EXPECT_EQ(list->VerticalBar()->parentWidget(), &w);
    EXPECT_EQ(list->VerticalBar()->geometry(),
              QRect(frame.x() + frame.width(), frame.y(), 14, frame.height() - 1));
    EXPECT_EQ(list->HorizontalBar()->geometry(),
              QRect(frame.x(), frame.y() + frame.height(), frame.width() - 2, 14));
    EXPECT_TRUE(list->VerticalBar()->isVisible());
    // No control of the window sits under a bar.
    for (QWidget* bar : {static_cast<QWidget*>(list->VerticalBar()),
                         static_cast<QWidget*>(list->HorizontalBar())}) {
      for (QWidget* other : w.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (other == bar || !other->isVisible() || other->inherits("CSkinScrollBar")) continue;
        EXPECT_FALSE(bar->geometry().intersects(other->geometry()))
            << other->objectName().toStdString();
      }
    }
  }
}

TEST_F(MainWindowSkin, SelectedDeviceRowIsBlackOnGrey) {
  CMainDlg& w = Open();
  ClickDeviceRow(0);
  CSkinListCtrl* list = DeviceListOf(w);
  const QImage shown = Grab(list->viewport());
  const QRect row = list->visualItemRect(list->topLevelItem(0));
  // The right end of the "Name" column: past the short name, the row's grey.
  EXPECT_EQ(shown.pixel(list->columnViewportPosition(1) - 3, row.center().y()), Rgb(190, 190, 190));
  EXPECT_TRUE(list->IsRowSelected(0));
}

}  // namespace
}  // namespace tarvix::testing
