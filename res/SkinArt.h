#pragma once
#include <QImage>
#include <QRect>
#include <QString>
#include <vector>

namespace tarvix::res {

// Draws skin bitmap `id` at `scale` times its catalogue size (scale 1 or 2); a
// null image for an id outside the catalogue.
QImage DrawSkinBitmap(int id, int scale);

// A section heading of the main window's background and the rule under it, in
// pixels of the 1x bitmap. The window's controls must leave them free.
struct ArtHeading {
  QString title;
  QRect text;
  QRect rule;
};
std::vector<ArtHeading> MainWindowHeadings();

}  // namespace tarvix::res
