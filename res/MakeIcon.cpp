// Draws the program icon (resource 128) into res/icon-128.png:
//   ninja -C <build> tarvix_make_icon && <build>/app/tarvix_make_icon res/icon-128.png
// or at SIZE pixels square, as the build does for the installed icons:
//   <build>/app/tarvix_make_icon OUT.png SIZE
// The program's mark on a transparent ground.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>

#include "res/IconArt.h"

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
  tarvix::res::DrawProgramMark(painter);
  painter.end();
  return image.save(out) ? 0 : 1;
}
