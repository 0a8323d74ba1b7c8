#include "skin/CSkinVScrollBar.h"

#include "skin/CSkinListCtrl.h"
#include "skin/SkinBitmapStore.h"
#include "skin/SkinBitmaps.h"
#include "skin/SkinDraw.h"

using namespace tarvix::skin;

// Before the first synchronisation the thumb stands just below the up arrow.
CSkinVScrollBar::CSkinVScrollBar(QWidget* parent) : CSkinScrollBar(14, parent) {}

void CSkinVScrollBar::DrawParts(QPainter& painter, bool canScroll) const {
  const qreal ratio = devicePixelRatioF();
  const int h = height();
  StretchBitmap(painter, LoadSkinBitmap(canScroll ? kVScrollTrack : kVScrollTrackPale, ratio),
                QRect(0, 0, 18, 1), QRect(0, 9, 18, h - 18));
  CopyBitmap(painter, LoadSkinBitmap(canScroll ? kVScrollUp : kVScrollUpPale, ratio), QPoint(0, 0),
             QSize(14, 18));
  CopyBitmap(painter, LoadSkinBitmap(canScroll ? kVScrollDown : kVScrollDownPale, ratio),
             QPoint(0, h - 16), QSize(14, 18));
  if (canScroll)
    CopyBitmap(painter, LoadSkinBitmap(kVScrollThumb, ratio), QPoint(0, Thumb() - 4),
               QSize(14, 26));
}

// The up arrow answers a press only between y 11 and 16, though it is drawn from 0
// to 15 and its release zone reaches to 25.
QRect CSkinVScrollBar::Arrow1PressZone() const { return Zone(0, 11, 17, 17); }
QRect CSkinVScrollBar::Arrow1ReleaseZone() const { return Zone(0, 11, 17, 26); }
QRect CSkinVScrollBar::Arrow2Zone() const { return Zone(0, height() - 37, 17, height() - 11); }
QRect CSkinVScrollBar::ThumbZone() const { return Zone(0, Thumb(), 17, Thumb() + 26); }

void CSkinVScrollBar::ScrollListBy(int units) {
  // The vertical scroll position counts rows; the list scrolls by pixels.
  if (List()) List()->ScrollBy(0, units * List()->FirstRowHeight());
}

int CSkinVScrollBar::Clamped(int thumb) const {
  if (thumb + 26 > height() - 40) return height() - 38;
  if (thumb < 20) return 20;
  return thumb;
}
