#pragma once
#include <QRect>
#include <QSize>
#include <QWidget>

namespace tarvix::settings::qt {

// Dialog units of an Arial 8 template: 6 x 14 pixels per 4 x 8 units, the scale of
// every window of the program, so layouts keep matching their background artwork.
inline QRect DialogUnitsToPixels(int x, int y, int w, int h) {
  return QRect(x * 6 / 4, y * 14 / 8, w * 6 / 4, h * 14 / 8);
}
inline QSize DialogSizeToPixels(int w, int h) { return QSize(w * 6 / 4, h * 14 / 8); }

// Tests and callers find a dialog's controls by their template ids.
inline constexpr const char* kControlIdProperty = "controlId";

// Puts a control at its template place and tags it with its id (0: none).
void PlaceControl(QWidget* control, int id, int x, int y, int w, int h);

// The template font and a fixed client size.
void ApplyTemplateFrame(QWidget* dialog, int widthUnits, int heightUnits);

}  // namespace tarvix::settings::qt
