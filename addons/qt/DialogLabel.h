#pragma once
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

namespace tarvix::addons::qt {

// A static text at its template place. The templates were measured in Windows'
// Arial, whose glyphs round to whole pixels; in its metric-compatible stand-in
// a few texts need a pixel or two more than the template gives. Such a label
// grows to its text, within the dialog, so it never loses its last letters.
QLabel* PlaceLabel(QWidget* dialog, const QString& text, const QRect& area);

}  // namespace tarvix::addons::qt
