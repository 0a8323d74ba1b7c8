#include <gtest/gtest.h>

#include <QScrollBar>

#include "skin/CSkinHScrollBar.h"
#include "skin/CSkinListCtrl.h"
#include "skin/CSkinVScrollBar.h"
#include "skin/SkinBitmaps.h"
#include "tests/skin/ManualTimerSource.h"
#include "tests/skin/SkinTestSupport.h"

namespace tarvix::testing {
namespace {

using namespace tarvix::skin;

// The device list of the main window (268 x 106 pixels) with its two bars, whose
// timers run on a manual clock.
class ScrollBarTest : public ::testing::Test {
 protected:
  void SetUp() override { Make(200, 120); }

  void Make(int rows, int columnWidth) {
    host = std::make_unique<QWidget>();
    host->resize(400, 300);
    list = new CSkinListCtrl(host.get());
    list->setGeometry(20, 30, 268, 106);
    for (int c = 0; c < 4; ++c) list->InsertColumn(c, QStringLiteral("C%1").arg(c), columnWidth);
    for (int i = 0; i < rows; ++i) list->InsertItem(QStringLiteral("row %1").arg(i));
    list->AttachScrollBars();
    v = list->VerticalBar();
    h = list->HorizontalBar();
    auto vTimers = std::make_unique<ManualTimerSource>();
    auto hTimers = std::make_unique<ManualTimerSource>();
    clock = vTimers.get();
    hClock = hTimers.get();
    v->SetTimerSource(std::move(vTimers));
    h->SetTimerSource(std::move(hTimers));
    host->show();
    QApplication::processEvents();
    v->Synchronise();
    h->Synchronise();
  }

  int Top() const { return list->GetTopIndex(); }
  int Left() const { return list->horizontalScrollBar()->value(); }
  int VLimit() const { return list->ScrollLimit(Qt::Vertical); }
  int HLimit() const { return list->ScrollLimit(Qt::Horizontal); }
  int Page() const { return list->verticalScrollBar()->pageStep(); }
  void ScrollTo(int row) {
    list->verticalScrollBar()->setValue(row);
    v->Synchronise();
  }
  void Click(QWidget* bar, QPoint at) {
    Press(bar, at);
    Release(bar, at);
  }

  std::unique_ptr<QWidget> host;
  CSkinListCtrl* list = nullptr;
  CSkinVScrollBar* v = nullptr;
  CSkinHScrollBar* h = nullptr;
  ManualTimerSource* clock = nullptr;
  ManualTimerSource* hClock = nullptr;
};

TEST_F(ScrollBarTest, ThumbSitsAfterTheFirstArrowAtTheStart) {
  ASSERT_GT(VLimit(), 0);
  ASSERT_GT(HLimit(), 0);
  EXPECT_EQ(v->ThumbPosition(), 20);
  EXPECT_EQ(h->ThumbPosition(), 20);
  // The thumb bitmap is drawn 4 pixels before the thumb position.
  EXPECT_TRUE(Shows(Grab(v), QPoint(0, 16), Bitmap(kVScrollThumb)));
  EXPECT_TRUE(Shows(Grab(h), QPoint(16, 0), Bitmap(kHScrollThumb)));
}

TEST_F(ScrollBarTest, ThumbSnapsBeforeTheFarArrowAtTheLimit) {
  const int H = v->height();
  const int W = h->width();
  list->verticalScrollBar()->setValue(VLimit());
  list->horizontalScrollBar()->setValue(HLimit());
  v->Synchronise();
  h->Synchronise();
  EXPECT_EQ(v->ThumbPosition(), H - 38);
  EXPECT_EQ(h->ThumbPosition(), W - 38);
  EXPECT_TRUE(Shows(Grab(v), QPoint(0, H - 42), Bitmap(kVScrollThumb)));
  EXPECT_TRUE(Shows(Grab(h), QPoint(W - 42, 0), Bitmap(kHScrollThumb)));
}

TEST_F(ScrollBarTest, ListThatCannotScrollShowsThePalePartsAndNoThumb) {
  Make(1, 40);
  ASSERT_EQ(VLimit(), 0);
  ASSERT_EQ(HLimit(), 0);
  const QImage vs = Grab(v);
  const int H = v->height();
  EXPECT_TRUE(Shows(vs, QPoint(0, 0), Bitmap(kVScrollUpPale)));
  EXPECT_TRUE(Shows(vs, QPoint(0, H - 16), Bitmap(kVScrollDownPale)));
  const QImage vTrack = Bitmap(kVScrollTrackPale);
  for (int y = 16; y < H - 16; ++y)
    for (int x = 0; x < 14; ++x) ASSERT_EQ(vs.pixel(x, y), vTrack.pixel(x, 0)) << x << "," << y;
  const QImage hs = Grab(h);
  const int W = h->width();
  EXPECT_TRUE(Shows(hs, QPoint(0, 0), Bitmap(kHScrollLeftPale)));
  EXPECT_TRUE(Shows(hs, QPoint(W - 16, 0), Bitmap(kHScrollRightPale)));
  const QImage hTrack = Bitmap(kHScrollTrackPale);
  for (int x = 16; x < W - 16; ++x)
    for (int y = 0; y < 14; ++y) ASSERT_EQ(hs.pixel(x, y), hTrack.pixel(0, y)) << x << "," << y;
  // Clicks still send their steps, which move nothing.
  Click(v, QPoint(5, H - 20));
  Click(v, QPoint(5, 50));
  Click(h, QPoint(W - 5, 5));
  EXPECT_EQ(Top(), 0);
  EXPECT_EQ(Left(), 0);
}

TEST_F(ScrollBarTest, AClickOnAnArrowScrollsOneLineAtTheRelease) {
  const int H = v->height();
  Press(v, QPoint(5, H - 20));
  EXPECT_EQ(Top(), 0);
  Release(v, QPoint(5, H - 20));
  EXPECT_EQ(Top(), 1);
  Click(v, QPoint(5, 12));
  EXPECT_EQ(Top(), 0);
}

TEST_F(ScrollBarTest, AHeldArrowRepeatsFrom300msThenEvery50ms) {
  const QPoint down(5, v->height() - 20);
  Press(v, down);
  clock->Advance(299);
  EXPECT_EQ(Top(), 0);
  clock->Advance(1);  // the 250 ms first delay and one 50 ms period
  EXPECT_EQ(Top(), 1);
  clock->Advance(49);
  EXPECT_EQ(Top(), 1);
  clock->Advance(1);
  EXPECT_EQ(Top(), 2);
  clock->Advance(100);
  EXPECT_EQ(Top(), 4);
  Release(v, down);  // the release adds its own line
  EXPECT_EQ(Top(), 5);
  EXPECT_FALSE(clock->IsRunning(CSkinScrollBar::kRepeatTimer));
  EXPECT_FALSE(clock->IsRunning(CSkinScrollBar::kFirstDelayTimer));
  clock->Advance(1000);
  EXPECT_EQ(Top(), 5);
}

TEST_F(ScrollBarTest, HorizontalArrowRepeatsTheSameWay) {
  const int step = list->horizontalScrollBar()->singleStep();
  const QPoint right(h->width() - 5, 5);
  Press(h, right);
  hClock->Advance(300);
  EXPECT_EQ(Left(), std::min(step, HLimit()));
  Release(h, right);
  EXPECT_EQ(Left(), std::min(2 * step, HLimit()));
}

// At its top position 20 the vertical thumb leaves only y 11 to 16 for the up
// arrow's line step; the rest of the drawn arrow pages back at the release.
TEST_F(ScrollBarTest, VerticalUpArrowZonesAtThumbTwenty) {
  struct Case {
    int y;
    bool line;
  };
  const Case cases[] = {{0, false}, {5, false},  {10, false}, {11, true},
                        {16, true}, {17, false}, {19, false}};
  for (const Case& c : cases) {
    ScrollTo(7);
    ASSERT_EQ(v->ThumbPosition(), 20);
    Press(v, QPoint(5, c.y));
    clock->Advance(c.line ? 0 : 1000);  // outside the press zone nothing repeats
    Release(v, QPoint(5, c.y));
    EXPECT_EQ(Top(), c.line ? 6 : std::max(0, 7 - Page())) << c.y;
  }
}

TEST_F(ScrollBarTest, ReleaseOnTheTrackAfterPressingAnArrowPages) {
  const int H = v->height();
  Press(v, QPoint(5, H - 20));
  clock->Advance(300);  // one repeated line first
  ASSERT_EQ(Top(), 1);
  Release(v, QPoint(5, 55));  // below the thumb, above the arrow
  EXPECT_EQ(Top(), 1 + Page());

  const int W = h->width();
  Press(h, QPoint(W - 5, 5));
  Release(h, QPoint(W / 2, 5));
  EXPECT_EQ(Left(), std::min(list->horizontalScrollBar()->pageStep(), HLimit()));
}

TEST_F(ScrollBarTest, HorizontalLineStepOnReleaseNeedsNoPressOnTheArrow) {
  list->horizontalScrollBar()->setValue(HLimit());
  h->Synchronise();
  const int at = Left();
  Press(h, QPoint(60, 5));    // the track, left of the thumb
  Release(h, QPoint(10, 5));  // the left arrow
  EXPECT_EQ(Left(), at - list->horizontalScrollBar()->singleStep());
}

TEST_F(ScrollBarTest, DraggingTheThumbScrollsAtOnceWithinTheClamp) {
  const int H = v->height();
  Press(v, QPoint(5, 30));
  MoveHeld(v, QPoint(5, 50));
  // The thumb follows the pointer's middle; the list scrolls before any repaint.
  EXPECT_EQ(v->ThumbPosition(), 37);
  EXPECT_EQ(Top(), static_cast<int>((37 - 20) / ((H - 80) / double(VLimit()))));
  MoveHeld(v, QPoint(5, 500));
  EXPECT_EQ(v->ThumbPosition(), H - 38);
  EXPECT_EQ(Top(), VLimit());
  MoveHeld(v, QPoint(5, -100));
  EXPECT_EQ(v->ThumbPosition(), 20);
  EXPECT_EQ(Top(), 0);
  Release(v, QPoint(5, -100));
  EXPECT_EQ(Top(), 0);  // a release after a drag sends no page step

  const int W = h->width();
  Press(h, QPoint(30, 5));
  MoveHeld(h, QPoint(100, 5));
  EXPECT_EQ(h->ThumbPosition(), 87);
  EXPECT_EQ(Left(), static_cast<int>((87 - 25) / ((W - 75) / double(HLimit()))));
  Release(h, QPoint(100, 5));
}

TEST_F(ScrollBarTest, PressesStayWithTheBar) {
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 50),
                    QPointF(v->mapToGlobal(QPoint(5, 50))), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(v, &press);
  EXPECT_TRUE(press.isAccepted());
  Release(v, QPoint(5, 50));
}

}  // namespace
}  // namespace tarvix::testing
