#include "res/IconArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace tarvix::res {
namespace {

void DrawCase(QPainter& p) {
  QLinearGradient body(0, 6, 0, 58);
  body.setColorAt(0, QColor(70, 78, 92));
  body.setColorAt(1, QColor(22, 26, 34));
  QPainterPath box;
  box.addRoundedRect(QRectF(10, 6, 44, 52), 6, 6);
  p.fillPath(box, body);
  p.setPen(QPen(QColor(150, 160, 175), 1.5));
  p.drawPath(box);
}

void DrawBays(QPainter& p) {
  for (int bay = 0; bay < 2; ++bay) {
    QRectF slot(16, 14 + bay * 14, 32, 10);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 46, 56));
    p.drawRoundedRect(slot, 2, 2);
    p.setBrush(QColor(120, 130, 145));
    p.drawRect(QRectF(slot.left() + 3, slot.center().y() - 1, 20, 2));
  }
}

void DrawLamp(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 200, 255));
  p.drawEllipse(QPointF(32, 48), 4, 4);
}

}  // namespace

void DrawProgramMark(QPainter& painter) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  DrawCase(painter);
  DrawBays(painter);
  DrawLamp(painter);
  painter.restore();
}

}  // namespace tarvix::res
