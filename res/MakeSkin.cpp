// Draws every skin bitmap into OUTPUT_DIR as <id>.bmp at its catalogue size and
// <id>@2x.bmp at twice it. The build runs it and embeds the result, so changing
// the artwork means changing this drawing:
//   tarvix_make_skin OUTPUT_DIR
// Qt writes an RGB image as an uncompressed 24-bit bitmap, the format of the skin
// (the skin's tests check every embedded file).
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "res/SkinArt.h"
#include "skin/SkinBitmaps.h"

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  if (!out.mkpath(QStringLiteral("."))) return 1;
  for (const tarvix::skin::SkinBitmapSize& entry : tarvix::skin::kSkinBitmaps) {
    for (int scale : {1, 2}) {
      const QString name = scale == 1 ? QStringLiteral("%1.bmp").arg(entry.id)
                                      : QStringLiteral("%1@2x.bmp").arg(entry.id);
      const QImage image = tarvix::res::DrawSkinBitmap(entry.id, scale);
      if (image.isNull() || !image.save(out.filePath(name), "BMP")) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(out.filePath(name)));
        return 1;
      }
    }
  }
  return 0;
}
