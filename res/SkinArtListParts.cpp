// List parts: the header background and divider, and the scroll bars' arrows,
// tracks and thumbs, each in a normal and a pale (nothing to scroll) look.
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>

#include "res/SkinArtParts.h"
#include "skin/SkinBitmaps.h"

namespace tarvix::res::art {
namespace {

using namespace tarvix::skin;

enum class Direction { Left, Right, Up, Down };

const QColor kHeaderTop(252, 252, 253);
const QColor kHeaderBottom(214, 217, 222);
const QColor kHeaderEdge(150, 154, 162);

struct Shades {
  QColor faceLight, faceDark, border, mark;
};
const Shades kNormal{QColor(238, 240, 243), QColor(204, 208, 215), QColor(146, 152, 163),
                     QColor(62, 70, 86)};
const Shades kPale{QColor(247, 248, 249), QColor(236, 238, 241), QColor(212, 215, 220),
                   QColor(192, 196, 203)};

bool Horizontal(Direction d) { return d == Direction::Left || d == Direction::Right; }

// The header's gradient down one column, with its darker bottom pixel.
void DrawHeaderColumn(QPainter& p, double x, double width, int height) {
  QLinearGradient gradient(0, 0, 0, height - 1);
  gradient.setColorAt(0, kHeaderTop);
  gradient.setColorAt(1, kHeaderBottom);
  p.fillRect(QRectF(x, 0, width, height - 1), gradient);
  p.fillRect(QRectF(x, height - 1, width, 1), kHeaderEdge);
}

void DrawDivider(QPainter& p, QSize size) {
  DrawHeaderColumn(p, 0, size.width(), size.height());
  const double centre = size.width() / 2.0;
  p.fillRect(QRectF(centre - 1, 2, 1, size.height() - 4), QColor(128, 132, 140));
  p.fillRect(QRectF(centre, 2, 1, size.height() - 4), Qt::white);
}

// Fills `size` with a gradient across the bar (top to bottom for a horizontal
// bar's parts, left to right for a vertical one's).
void FillAcross(QPainter& p, QSize size, bool horizontalBar, const QColor& from, const QColor& to) {
  QLinearGradient gradient(0, 0, horizontalBar ? 0 : size.width(),
                           horizontalBar ? size.height() : 0);
  gradient.setColorAt(0, from);
  gradient.setColorAt(1, to);
  p.fillRect(QRectF(0, 0, size.width(), size.height()), gradient);
}

void DrawArrow(QPainter& p, QSize size, Direction d, const Shades& s) {
  FillAcross(p, size, Horizontal(d), s.faceLight, s.faceDark);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(s.border, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1));
  const QPointF c(size.width() / 2.0, size.height() / 2.0);
  QPolygonF mark;
  switch (d) {
    case Direction::Left:
      mark << QPointF(c.x() - 2.5, c.y()) << QPointF(c.x() + 2, c.y() - 4)
           << QPointF(c.x() + 2, c.y() + 4);
      break;
    case Direction::Right:
      mark << QPointF(c.x() + 2.5, c.y()) << QPointF(c.x() - 2, c.y() - 4)
           << QPointF(c.x() - 2, c.y() + 4);
      break;
    case Direction::Up:
      mark << QPointF(c.x(), c.y() - 2.5) << QPointF(c.x() - 4, c.y() + 2)
           << QPointF(c.x() + 4, c.y() + 2);
      break;
    case Direction::Down:
      mark << QPointF(c.x(), c.y() + 2.5) << QPointF(c.x() - 4, c.y() - 2)
           << QPointF(c.x() + 4, c.y() - 2);
      break;
  }
  p.setPen(Qt::NoPen);
  p.setBrush(s.mark);
  p.drawPolygon(mark);
}

// A slice of the track: a light groove with a border line on both long edges.
void DrawTrack(QPainter& p, QSize size, bool horizontalBar, bool pale) {
  const QColor groove = pale ? QColor(248, 249, 250) : QColor(226, 229, 234);
  const QColor edge = pale ? QColor(230, 232, 235) : QColor(190, 195, 203);
  p.fillRect(QRectF(0, 0, size.width(), size.height()), groove);
  if (horizontalBar) {
    p.fillRect(QRectF(0, 0, size.width(), 1), edge);
    p.fillRect(QRectF(0, size.height() - 1, size.width(), 1), edge);
  } else {
    p.fillRect(QRectF(0, 0, 1, size.height()), edge);
    p.fillRect(QRectF(size.width() - 1, 0, 1, size.height()), edge);
  }
}

void DrawThumb(QPainter& p, QSize size, bool horizontalBar) {
  DrawTrack(p, size, horizontalBar, false);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient fill(0, 0, horizontalBar ? 0 : size.width(), horizontalBar ? size.height() : 0);
  fill.setColorAt(0, QColor(156, 172, 196));
  fill.setColorAt(1, QColor(98, 116, 146));
  p.setPen(QPen(QColor(76, 90, 116), 1));
  p.setBrush(fill);
  p.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 3, 3);
  // Three grip lines across the middle.
  p.setRenderHint(QPainter::Antialiasing, false);
  const QColor grip(226, 232, 242);
  for (int i = -1; i <= 1; ++i) {
    if (horizontalBar)
      p.fillRect(QRectF(size.width() / 2.0 + 3 * i - 0.5, 4, 1, size.height() - 8), grip);
    else
      p.fillRect(QRectF(4, size.height() / 2.0 + 3 * i - 0.5, size.width() - 8, 1), grip);
  }
}

}  // namespace

bool DrawListPart(QPainter& p, int id, QSize size) {
  switch (id) {
    case kHeaderBack: DrawHeaderColumn(p, 0, size.width(), size.height()); return true;
    case kHeaderDivider: DrawDivider(p, size); return true;
    case kHScrollLeft: DrawArrow(p, size, Direction::Left, kNormal); return true;
    case kHScrollRight: DrawArrow(p, size, Direction::Right, kNormal); return true;
    case kHScrollLeftPale: DrawArrow(p, size, Direction::Left, kPale); return true;
    case kHScrollRightPale: DrawArrow(p, size, Direction::Right, kPale); return true;
    case kVScrollUp: DrawArrow(p, size, Direction::Up, kNormal); return true;
    case kVScrollDown: DrawArrow(p, size, Direction::Down, kNormal); return true;
    case kVScrollUpPale: DrawArrow(p, size, Direction::Up, kPale); return true;
    case kVScrollDownPale: DrawArrow(p, size, Direction::Down, kPale); return true;
    case kHScrollTrack: DrawTrack(p, size, true, false); return true;
    case kHScrollTrackPale: DrawTrack(p, size, true, true); return true;
    case kVScrollTrack: DrawTrack(p, size, false, false); return true;
    case kVScrollTrackPale: DrawTrack(p, size, false, true); return true;
    case kHScrollThumb: DrawThumb(p, size, true); return true;
    case kVScrollThumb: DrawThumb(p, size, false); return true;
    default: return false;
  }
}

}  // namespace tarvix::res::art
