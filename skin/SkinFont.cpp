#include "skin/SkinFont.h"

#include <QFontMetrics>

namespace tarvix::skin {

QFont SkinFont(const QString& face, int cellHeight, QFont::Weight weight) {
  QFont font(face);
  font.setStyleHint(QFont::SansSerif);
  font.setWeight(weight);
  // The largest em size whose cell still fits the asked height.
  int pixels = cellHeight;
  font.setPixelSize(pixels);
  while (pixels > 1 && QFontMetrics(font).height() > cellHeight) font.setPixelSize(--pixels);
  return font;
}

}  // namespace tarvix::skin
