#include <gtest/gtest.h>

#include "skin/COffscreenDC.h"
#include "skin/CSkinProgressCtrl.h"
#include "tests/skin/SkinTestSupport.h"

namespace tarvix::testing {
namespace {

// How many pixels from the left of the middle row are the bar's blue.
int BlueColumns(CSkinProgressCtrl& bar) {
  const QImage shown = Grab(&bar);
  int blue = 0;
  for (int x = 0; x < shown.width(); ++x)
    blue += shown.pixel(x, shown.height() / 2) == CSkinProgressCtrl::kBarColour.rgb();
  return blue;
}

TEST(SkinProgressCtrl, FillsTheShareOfTheRange) {
  struct Case {
    int lower, upper, position, blue;
  };
  const int width = 200;
  const Case cases[] = {
      {1, 100, 50, 49 * width / 99},  // the restart dialog's range
      {1, 100, 1, 0},                 // the lower end: no blue
      {1, 100, 100, width},           // the upper end: all of it
      {0, 10, 5, width / 2},
  };
  for (const Case& c : cases) {
    CSkinProgressCtrl bar;
    bar.resize(width, 16);
    bar.setRange(c.lower, c.upper);
    bar.setValue(c.position);
    EXPECT_EQ(BlueColumns(bar), c.blue) << c.position;
    const QImage shown = Grab(&bar);
    // The rest is the button-face grey, over the full height.
    const QRgb face = bar.palette().color(QPalette::Button).rgb();
    if (c.blue < width) {
      EXPECT_EQ(shown.pixel(width - 1, 0), face);
    }
    if (c.blue > 0) {
      EXPECT_EQ(shown.pixel(0, 15), CSkinProgressCtrl::kBarColour.rgb());
    }
  }
}

TEST(SkinProgressCtrl, EmptyRangeAndUnsetPositionDrawNoBlue) {
  CSkinProgressCtrl bar;
  bar.resize(120, 10);
  bar.setRange(5, 5);
  bar.setValue(5);
  EXPECT_EQ(BlueColumns(bar), 0);
  CSkinProgressCtrl fresh;  // Qt starts a bar below its range
  fresh.resize(120, 10);
  fresh.setRange(1, 100);
  EXPECT_EQ(BlueColumns(fresh), 0);
  EXPECT_EQ(CSkinProgressCtrl::BarWidth(1, 100, 50, 99), 49);
  EXPECT_EQ(CSkinProgressCtrl::BarWidth(100, 1, 50, 99), 50);
}

TEST(SkinProgressCtrl, PaintsWithOneCopy) {
  CSkinProgressCtrl bar;
  bar.resize(100, 10);
  bar.setRange(1, 100);
  bar.setValue(30);
  bar.show();
  QApplication::processEvents();
  const long before = COffscreenDC::CopiesMade();
  bar.repaint();
  EXPECT_EQ(COffscreenDC::CopiesMade() - before, 1);
}

}  // namespace
}  // namespace tarvix::testing
