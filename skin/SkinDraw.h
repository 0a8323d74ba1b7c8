#pragma once
#include <QPixmap>
#include <QRect>

class QPainter;

// The two bitmap copies of the skin, in catalogue pixels whichever artwork set the
// bitmap comes from. A copy that reaches beyond the bitmap draws only the part the
// bitmap has and leaves the rest of the destination as it was.
namespace tarvix::skin {

// Copies `size` pixels from (0, 0) of `bitmap` to `at`, unscaled.
void CopyBitmap(QPainter& painter, const QPixmap& bitmap, QPoint at, QSize size);

// Copies `source` of `bitmap` onto `target`, scaled (nearest pixel).
void StretchBitmap(QPainter& painter, const QPixmap& bitmap, const QRect& source,
                   const QRect& target);

}  // namespace tarvix::skin
