#pragma once
#include <QRect>
#include <QSize>
#include <QWidget>

#include "skin/DialogUnits.h"

namespace tarvix::settings::qt {

// The dialogs are laid out in the same dialog units as the main window.
inline QRect DialogUnitsToPixels(int x, int y, int w, int h) {
  return skin::DluToPixels(x, y, w, h);
}
inline QSize DialogSizeToPixels(int w, int h) { return skin::DluSizeToPixels(w, h); }

// Tests and callers find a dialog's controls by their template ids.
using skin::kControlIdProperty;

// Puts a control at its template place and tags it with its id (0: none).
void PlaceControl(QWidget* control, int id, int x, int y, int w, int h);

// The template font and a fixed client size.
void ApplyTemplateFrame(QWidget* dialog, int widthUnits, int heightUnits);

}  // namespace tarvix::settings::qt
