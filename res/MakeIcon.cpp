// Draws the program icon (resource 128) into res/icon-128.png:
//   ninja -C <build> tarvix_make_icon && <build>/app/tarvix_make_icon res/icon-128.png
// The program's mark on a transparent ground.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "res/IconArt.h"

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("icon-128.png");
  QImage image(64, 64, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  tarvix::res::DrawProgramMark(painter);
  painter.end();
  return image.save(out) ? 0 : 1;
}
