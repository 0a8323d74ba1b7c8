#include "res/SkinArt.h"

#include <QPainter>

#include "res/SkinArtParts.h"
#include "skin/SkinBitmaps.h"

namespace tarvix::res {

QImage DrawSkinBitmap(int id, int scale) {
  const skin::SkinBitmapSize entry = skin::FindSkinBitmap(id);
  if (entry.id == 0) return {};
  const QSize size(entry.width, entry.height);
  QImage image(size * scale, QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter painter(&image);
  // Drawn in catalogue pixels; the high-density set is the same drawing, finer.
  painter.scale(scale, scale);
  if (!art::DrawBackground(painter, id, size) && !art::DrawFace(painter, id, size))
    art::DrawListPart(painter, id, size);
  painter.end();
  return image;
}

}  // namespace tarvix::res
