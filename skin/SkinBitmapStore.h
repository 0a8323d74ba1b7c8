#pragma once
#include <QPixmap>

namespace tarvix::skin {

// 2 where the high-density artwork serves a surface of this device pixel ratio
// (1.5 and above), else 1.
int ArtScaleFor(qreal devicePixelRatio);

// Skin bitmap `id` from the program's embedded artwork, in the set that suits
// `devicePixelRatio`. Its device-independent size is always the catalogue size, so
// every drawing rule works in catalogue pixels. Null for an unknown id. Decoded
// bitmaps are kept for the whole run: they never change.
QPixmap LoadSkinBitmap(int id, qreal devicePixelRatio);

// How often bitmap `id` has been asked for since the program started.
int SkinBitmapLoads(int id);

// One bitmap held by its owner (a dialog background, a button face): loaded once,
// and again only when the owner moves to a screen that needs the other set.
class SkinBitmap {
 public:
  SkinBitmap() = default;
  explicit SkinBitmap(int id) : id_(id) {}

  int Id() const { return id_; }
  // The bitmap for a surface of this ratio; null when the id has none.
  const QPixmap& For(qreal devicePixelRatio);
  bool IsLoaded() const { return scale_ != 0; }

 private:
  int id_ = 0;
  int scale_ = 0;  // the set loaded, 0 before the first load
  QPixmap pixmap_;
};

}  // namespace tarvix::skin
