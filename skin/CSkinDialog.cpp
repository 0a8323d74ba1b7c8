#include "skin/CSkinDialog.h"

#include <QMouseEvent>
#include <QWindow>

CSkinDialog::CSkinDialog(Settings settings, QWidget* parent)
    : QDialog(parent), settings_(std::move(settings)) {
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::white);
  p.setColor(QPalette::WindowText, settings_.labelColour);
  setPalette(p);
  setAutoFillBackground(true);
}

void CSkinDialog::mousePressEvent(QMouseEvent* event) {
  // Presses reach the dialog itself only where no control took them: bare background.
  if (settings_.dragByClientArea && event->button() == Qt::LeftButton && windowHandle()) {
    windowHandle()->startSystemMove();
    return;
  }
  QDialog::mousePressEvent(event);
}
