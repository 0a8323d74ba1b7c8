#include "addons/qt/DialogLabel.h"

#include <QLabel>

namespace tarvix::addons::qt {

QLabel* PlaceLabel(QWidget* dialog, const QString& text, const QRect& area) {
  auto* label = new QLabel(text, dialog);
  label->setTextFormat(Qt::PlainText);  // no prefix or markup processing
  QRect place = area;
  const int room = dialog->width() - place.left();
  place.setWidth(qMin(qMax(place.width(), label->sizeHint().width()), room));
  label->setGeometry(place);
  return label;
}

}  // namespace tarvix::addons::qt
