#include <gtest/gtest.h>

#include <QScrollBar>
#include <QWheelEvent>

#include "skin/COffscreenDC.h"
#include "skin/CSkinHScrollBar.h"
#include "skin/CSkinHeaderCtrl.h"
#include "skin/CSkinListCtrl.h"
#include "skin/CSkinVScrollBar.h"
#include "skin/SkinBitmaps.h"
#include "tests/skin/SkinTestSupport.h"

namespace tarvix::testing {
namespace {

using namespace tarvix::skin;

// A list on a parent the way the main window has one: four columns, bars beside it.
class ListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host.resize(400, 300);
    list = new CSkinListCtrl(&host);
    list->setGeometry(20, 30, 268, 106);
    list->SetFullRowSelect(true);
    list->SetTextColor(Qt::black);
    const int widths[] = {94, 85, 85, 85};
    const char* titles[] = {"Name", "IP", "Netmask", "Gateway"};
    for (int c = 0; c < 4; ++c) list->InsertColumn(c, QString::fromLatin1(titles[c]), widths[c]);
    list->AttachScrollBars();
    host.show();
  }

  void AddRows(int count) {
    for (int i = 0; i < count; ++i) {
      const int row = list->InsertItem(QStringLiteral("nas%1").arg(i));
      list->SetItemText(row, 1, QStringLiteral("10.77.1.%1").arg(i));
    }
    QApplication::processEvents();
  }

  QWidget host;
  CSkinListCtrl* list = nullptr;
};

TEST_F(ListTest, SelectedRowIsBlackOnLightGreyFocusedOrNot) {
  AddRows(3);
  list->setCurrentItem(list->topLevelItem(1));
  for (bool focused : {false, true}) {
    if (focused) list->setFocus();
    const QImage shown = Grab(list->viewport());
    const QRect row = list->visualItemRect(list->topLevelItem(1));
    // Column 2 holds no text in these rows: its cell is all background.
    const int x = list->columnViewportPosition(2) + 40;
    EXPECT_EQ(shown.pixel(x, row.center().y()), Rgb(190, 190, 190)) << focused;
    int darkest = 255;
    for (int px = row.left(); px < list->columnViewportPosition(1); ++px)
      for (int py = row.top(); py <= row.bottom(); ++py)
        darkest = std::min(darkest, qGray(shown.pixel(px, py)));
    EXPECT_LT(darkest, 40) << focused;  // the black text of the row
    // An unselected row stays on white.
    const QRect other = list->visualItemRect(list->topLevelItem(2));
    EXPECT_EQ(shown.pixel(x, other.center().y()), Rgb(255, 255, 255)) << focused;
    EXPECT_TRUE(list->IsRowSelected(1));  // painting leaves the selection alone
  }
}

TEST_F(ListTest, EmptyListIsAllWhiteBelowTheHeader) {
  const QImage shown = Grab(list->viewport());
  ASSERT_GT(shown.height(), 50);
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x)
      ASSERT_EQ(shown.pixel(x, y), Rgb(255, 255, 255)) << x << "," << y;
}

TEST_F(ListTest, EveryPaintMakesOneCopy) {
  AddRows(5);
  QApplication::processEvents();  // nothing else left to paint
  const long before = COffscreenDC::CopiesMade();
  list->viewport()->repaint();
  EXPECT_EQ(COffscreenDC::CopiesMade() - before, 1);
  list->Header()->viewport()->repaint();
  EXPECT_EQ(COffscreenDC::CopiesMade() - before, 2);
}

TEST_F(ListTest, BarsStandOutsideTheRightAndBottomEdgesAsSiblings) {
  CSkinVScrollBar* v = list->VerticalBar();
  CSkinHScrollBar* h = list->HorizontalBar();
  ASSERT_NE(v, nullptr);
  ASSERT_NE(h, nullptr);
  EXPECT_EQ(v->parentWidget(), &host);
  EXPECT_EQ(h->parentWidget(), &host);
  EXPECT_EQ(v->geometry(), QRect(288, 30, 14, 105));
  EXPECT_EQ(h->geometry(), QRect(20, 136, 266, 14));
  EXPECT_TRUE(v->isVisible());
  EXPECT_EQ(list->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  list->move(40, 40);
  EXPECT_EQ(v->geometry().topLeft(), QPoint(308, 40));
}

TEST_F(ListTest, WheelScrollingMovesTheThumbAtTheNextRepaint) {
  AddRows(60);
  EXPECT_EQ(list->VerticalBar()->ThumbPosition(), 20);
  QWheelEvent wheel(QPointF(50, 50), list->viewport()->mapToGlobal(QPointF(50, 50)), QPoint(),
                    QPoint(0, -120 * 5), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(list->viewport(), &wheel);
  ASSERT_GT(list->GetTopIndex(), 0);
  list->viewport()->repaint();
  EXPECT_GT(list->VerticalBar()->ThumbPosition(), 20);
}

TEST_F(ListTest, TheBarsGoWithTheList) {
  QPointer<CSkinVScrollBar> v = list->VerticalBar();
  delete list;
  EXPECT_TRUE(v.isNull());
}

// The header: bitmap 374 behind every column, the divider 240 two pixels left of
// every column but the first.
class HeaderTest : public ::testing::Test {
 protected:
  void Make(int columns, const QString& title = QString()) {
    list = std::make_unique<CSkinListCtrl>();
    list->resize(400, 100);
    for (int c = 0; c < columns; ++c) list->InsertColumn(c, title, 80);
    list->show();
    QApplication::processEvents();
  }

  // The x positions on row 8 where the header differs from its plain background.
  std::vector<int> Marks() {
    const QImage shown = Grab(list->Header()->viewport());
    const QRgb plain = Bitmap(kHeaderBack).pixel(0, 8);
    std::vector<int> marks;
    for (int x = 0; x < shown.width(); ++x)
      if (shown.pixel(x, 8) != plain) marks.push_back(x);
    return marks;
  }

  std::unique_ptr<CSkinListCtrl> list;
};

TEST_F(HeaderTest, DividersStandTwoPixelsLeftOfEveryColumnButTheFirst) {
  // Where the divider differs from the background along row 8.
  const QImage divider = Bitmap(kHeaderDivider);
  std::vector<int> lines;
  for (int x = 0; x < divider.width(); ++x)
    if (divider.pixel(x, 8) != Bitmap(kHeaderBack).pixel(0, 8)) lines.push_back(x);
  ASSERT_FALSE(lines.empty());
  for (int columns : {1, 2, 4}) {
    Make(columns);
    std::vector<int> expected;
    for (int c = 1; c < columns; ++c)
      for (int line : lines) expected.push_back(80 * c - 2 + line);
    EXPECT_EQ(Marks(), expected) << columns;
  }
}

TEST_F(HeaderTest, IsDrawnFromItsBitmapsAtTheirHeight) {
  Make(2);
  EXPECT_EQ(list->Header()->height(), 17);
  const QImage shown = Grab(list->Header()->viewport());
  const QImage back = Bitmap(kHeaderBack);
  for (int y = 0; y < 17; ++y) EXPECT_EQ(shown.pixel(200, y), back.pixel(0, y)) << y;
  const QImage divider = Bitmap(kHeaderDivider);
  EXPECT_TRUE(Shows(shown, QPoint(78, 0), divider));
}

TEST_F(HeaderTest, TitlesAreCutToTheirColumn) {
  Make(2, QStringLiteral("A very long column title indeed"));
  const QImage shown = Grab(list->Header()->viewport());
  const QImage back = Bitmap(kHeaderBack);
  // The second column spans 80 to 159; its title may use 82 to 157 and no more.
  bool inked = false;
  for (int x = 82; x < shown.width(); ++x)
    for (int y = 0; y < 17; ++y) {
      const bool ink = shown.pixel(x, y) != back.pixel(0, y);
      if (x >= 158) {
        EXPECT_FALSE(ink) << x << "," << y;
      }
      inked |= ink;
    }
  EXPECT_TRUE(inked);
}

}  // namespace
}  // namespace tarvix::testing
