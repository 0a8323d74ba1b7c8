#include "skin/SkinBitmapStore.h"

#include <QHash>
#include <QImage>

namespace tarvix::skin {
namespace {

QHash<int, QPixmap>& Decoded() {
  static QHash<int, QPixmap> decoded;
  return decoded;
}

QHash<int, int>& Loads() {
  static QHash<int, int> loads;
  return loads;
}

QString ResourcePath(int id, int scale) {
  return scale == 1 ? QStringLiteral(":/skin/%1.bmp").arg(id)
                    : QStringLiteral(":/skin/%1@%2x.bmp").arg(id).arg(scale);
}

}  // namespace

int ArtScaleFor(qreal devicePixelRatio) { return devicePixelRatio >= 1.5 ? 2 : 1; }

QPixmap LoadSkinBitmap(int id, qreal devicePixelRatio) {
  ++Loads()[id];
  const int scale = ArtScaleFor(devicePixelRatio);
  const int key = id * 4 + scale;
  auto found = Decoded().constFind(key);
  if (found != Decoded().constEnd()) return *found;
  QImage image(ResourcePath(id, scale));
  QPixmap pixmap;
  if (!image.isNull()) {
    pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(scale);
  }
  Decoded().insert(key, pixmap);
  return pixmap;
}

int SkinBitmapLoads(int id) { return Loads().value(id); }

const QPixmap& SkinBitmap::For(qreal devicePixelRatio) {
  const int scale = ArtScaleFor(devicePixelRatio);
  if (id_ != 0 && scale != scale_) {
    pixmap_ = LoadSkinBitmap(id_, devicePixelRatio);
    scale_ = scale;
  }
  return pixmap_;
}

}  // namespace tarvix::skin
