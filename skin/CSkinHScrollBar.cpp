#include "skin/CSkinHScrollBar.h"

#include "skin/CSkinListCtrl.h"
#include "skin/SkinBitmapStore.h"
#include "skin/SkinBitmaps.h"
#include "skin/SkinDraw.h"

using namespace tarvix::skin;

// Before the first synchronisation the thumb stands just past the left arrow.
CSkinHScrollBar::CSkinHScrollBar(QWidget* parent) : CSkinScrollBar(25, parent) {}

void CSkinHScrollBar::DrawParts(QPainter& painter, bool canScroll) const {
  const qreal ratio = devicePixelRatioF();
  const int w = width();
  StretchBitmap(painter, LoadSkinBitmap(canScroll ? kHScrollTrack : kHScrollTrackPale, ratio),
                QRect(0, 0, 1, 18), QRect(15, 0, w - 27, 18));
  CopyBitmap(painter, LoadSkinBitmap(canScroll ? kHScrollLeft : kHScrollLeftPale, ratio),
             QPoint(0, 0), QSize(16, 14));
  CopyBitmap(painter, LoadSkinBitmap(canScroll ? kHScrollRight : kHScrollRightPale, ratio),
             QPoint(w - 16, 0), QSize(16, 14));
  if (canScroll)
    CopyBitmap(painter, LoadSkinBitmap(kHScrollThumb, ratio), QPoint(Thumb() - 4, 0),
               QSize(26, 26));
}

QRect CSkinHScrollBar::Arrow1PressZone() const { return Zone(0, 0, 26, 20); }
QRect CSkinHScrollBar::Arrow2Zone() const { return Zone(width() - 26, 0, width(), 20); }
QRect CSkinHScrollBar::ThumbZone() const { return Zone(Thumb(), 0, Thumb() + 26, 20); }

void CSkinHScrollBar::ScrollListBy(int units) {
  // The horizontal scroll position counts pixels.
  if (List()) List()->ScrollBy(units, 0);
}

int CSkinHScrollBar::Clamped(int thumb) const {
  if (thumb > width() - 42) return width() - 38;
  if (thumb < 20) return 20;
  return thumb;
}
