#pragma once
#include <QPainter>
#include <QPixmap>
#include <QRect>

class QWidget;

// An off-screen drawing surface over a rectangle of a widget that is being painted.
// Everything is drawn into it, and its end makes the one copy to the widget, so a
// fill and what is drawn over it reach the screen together. Use it inside the
// widget's paint event only.
class COffscreenDC {
 public:
  // `rect` is in the target's coordinates; the painter draws in them too.
  COffscreenDC(QWidget* target, const QRect& rect);
  ~COffscreenDC();
  COffscreenDC(const COffscreenDC&) = delete;
  COffscreenDC& operator=(const COffscreenDC&) = delete;

  QPainter& Painter() { return painter_; }
  const QRect& Rect() const { return rect_; }

  // Copies made to screen since the program started (every paint makes exactly one).
  static long CopiesMade();

 private:
  QWidget* target_;
  QRect rect_;
  QPixmap surface_;
  QPainter painter_;
};
