#include "skin/CSkinProgressCtrl.h"

#include <algorithm>
#include <cmath>

#include "skin/COffscreenDC.h"

CSkinProgressCtrl::CSkinProgressCtrl(QWidget* parent) : QProgressBar(parent) {
  setTextVisible(false);
}

int CSkinProgressCtrl::BarWidth(int lower, int upper, int position, int width) {
  // An empty range has no bar (the quotient would be undefined), and a position
  // outside the range never paints outside the control.
  if (upper == lower) return 0;
  const double edge = std::trunc(static_cast<double>(position - lower) * width / (upper - lower));
  return static_cast<int>(std::clamp(edge, 0.0, static_cast<double>(width)));
}

void CSkinProgressCtrl::paintEvent(QPaintEvent*) {
  const QRect area = rect();
  COffscreenDC offscreen(this, area);
  QPainter& painter = offscreen.Painter();
  painter.fillRect(area, palette().color(QPalette::Button));
  const int bar = BarWidth(minimum(), maximum(), value(), area.width());
  if (bar > 0) painter.fillRect(QRect(area.left(), area.top(), bar, area.height()), kBarColour);
}
