#include "skin/SkinDraw.h"

#include <QPainter>

namespace tarvix::skin {
namespace {

QRectF InDevicePixels(const QRectF& logical, qreal ratio) {
  return QRectF(logical.topLeft() * ratio, logical.size() * ratio);
}

}  // namespace

void CopyBitmap(QPainter& painter, const QPixmap& bitmap, QPoint at, QSize size) {
  StretchBitmap(painter, bitmap, QRect(QPoint(0, 0), size), QRect(at, size));
}

void StretchBitmap(QPainter& painter, const QPixmap& bitmap, const QRect& source,
                   const QRect& target) {
  if (bitmap.isNull() || source.isEmpty() || target.isEmpty()) return;
  const QRectF whole(QPointF(0, 0), bitmap.deviceIndependentSize());
  const QRectF part = QRectF(source).intersected(whole);
  if (part.isEmpty()) return;
  // The destination shrinks with the source, so the scale stays that of the request.
  const qreal sx = target.width() / qreal(source.width());
  const qreal sy = target.height() / qreal(source.height());
  const QRectF to(target.x() + (part.x() - source.x()) * sx,
                  target.y() + (part.y() - source.y()) * sy, part.width() * sx, part.height() * sy);
  painter.drawPixmap(to, bitmap, InDevicePixels(part, bitmap.devicePixelRatio()));
}

}  // namespace tarvix::skin
