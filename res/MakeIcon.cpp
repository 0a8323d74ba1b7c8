// Draws the program icon (resource 128) into res/icon-128.png:
//   ninja -C <build> tarvix_make_icon && <build>/app/tarvix_make_icon res/icon-128.png
// or at SIZE pixels square, as the build does for the installed icons:
//   <build>/app/tarvix_make_icon OUT.png SIZE
// A storage box with two drive bays and a network lamp, on a transparent ground.
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QString>

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

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("icon-128.png");
  // The art is drawn on a 64-unit grid and scaled, so every size shows the same box.
  const int size = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 64;
  if (size < 16 || size > 1024) return 2;
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / 64.0, size / 64.0);
  DrawCase(painter);
  DrawBays(painter);
  DrawLamp(painter);
  painter.end();
  return image.save(out) ? 0 : 1;
}
