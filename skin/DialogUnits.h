#pragma once
#include <QRect>
#include <QSize>

namespace tarvix::skin {

// Dialog units of a template in Arial 8, whose base units are 6 x 14 pixels per
// 4 x 8 dialog units. Every window of the program keeps that scale whatever the
// fonts on the system, so the layout matches its background artwork.
inline int DluToPixelsX(int x) { return x * 6 / 4; }
inline int DluToPixelsY(int y) { return y * 14 / 8; }

inline QRect DluToPixels(int x, int y, int w, int h) {
  return QRect(DluToPixelsX(x), DluToPixelsY(y), DluToPixelsX(w), DluToPixelsY(h));
}
inline QSize DluSizeToPixels(int w, int h) { return QSize(DluToPixelsX(w), DluToPixelsY(h)); }

// The property by which a dialog's controls carry their template id, so the skin,
// the dialogs and the tests name a control as its template does.
inline constexpr const char* kControlIdProperty = "controlId";

}  // namespace tarvix::skin
