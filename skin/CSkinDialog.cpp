#include "skin/CSkinDialog.h"

#include <QChildEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>
#include <algorithm>

#include "skin/DialogUnits.h"
#include "skin/SkinDraw.h"

namespace {

// Dialogs tag each template control with its id in this property.
int ControlIdOf(const QWidget* control) {
  return control->property(tarvix::skin::kControlIdProperty).toInt();
}

}  // namespace

CSkinDialog::CSkinDialog(Settings settings, QWidget* parent)
    : QDialog(parent), settings_(std::move(settings)), background_(settings_.backgroundId) {
  // What the background bitmap does not cover is the dialogs' white.
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::white);
  setPalette(p);
  if (settings_.mode == BackgroundMode::Native) background_.For(devicePixelRatioF());
}

bool CSkinDialog::event(QEvent* event) {
  // A control is polished once before it first shows: the moment to give it the
  // dialog's colours.
  if (event->type() == QEvent::ChildPolished) {
    if (auto* control = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child()))
      ApplyControlColours(control);
  }
  return QDialog::event(event);
}

bool CSkinDialog::IsExcluded(const QWidget* control) const {
  const std::vector<int>& ids = settings_.excludedIds;
  return std::find(ids.begin(), ids.end(), ControlIdOf(control)) != ids.end();
}

void CSkinDialog::ApplyControlColours(QWidget* control) const {
  if (control->parentWidget() != this || IsExcluded(control)) return;
  if (auto* label = qobject_cast<QLabel*>(control)) {
    // A label has no background of its own: the skin shows through its text.
    QPalette p = label->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
      p.setColor(group, QPalette::WindowText, settings_.labelColour);
    label->setPalette(p);
    label->setAutoFillBackground(false);
  } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
    // A disabled edit reads like a label: transparent, in the label colour.
    QPalette p = edit->palette();
    p.setColor(QPalette::Disabled, QPalette::Base, Qt::transparent);
    p.setColor(QPalette::Disabled, QPalette::Text, settings_.labelColour);
    edit->setPalette(p);
  }
}

void CSkinDialog::paintEvent(QPaintEvent*) {
  // The window's white is already there; a missing bitmap leaves just that.
  const QPixmap& bitmap = background_.For(devicePixelRatioF());
  if (bitmap.isNull()) return;
  QPainter painter(this);
  const QSize size = bitmap.deviceIndependentSize().toSize();
  if (settings_.mode == BackgroundMode::Stretched)
    tarvix::skin::StretchBitmap(painter, bitmap, QRect(QPoint(0, 0), size), rect());
  else
    tarvix::skin::CopyBitmap(painter, bitmap, QPoint(0, 0), size);
}

bool CSkinDialog::IsBareBackground(const QPoint& point) const {
  // Labels let the pointer through to the background; every other control takes it.
  const QWidget* under = childAt(point);
  return !under || (under->parentWidget() == this && qobject_cast<const QLabel*>(under));
}

void CSkinDialog::mousePressEvent(QMouseEvent* event) {
  if (settings_.dragByClientArea && event->button() == Qt::LeftButton &&
      IsBareBackground(event->position().toPoint())) {
    if (windowHandle() && windowHandle()->startSystemMove()) return;
    following_ = true;
    grabOffset_ = event->globalPosition().toPoint() - pos();
    return;
  }
  QDialog::mousePressEvent(event);
}

void CSkinDialog::mouseMoveEvent(QMouseEvent* event) {
  if (following_ && (event->buttons() & Qt::LeftButton)) {
    move(event->globalPosition().toPoint() - grabOffset_);
    return;
  }
  QDialog::mouseMoveEvent(event);
}

void CSkinDialog::mouseReleaseEvent(QMouseEvent* event) {
  if (following_ && event->button() == Qt::LeftButton) {
    following_ = false;
    return;
  }
  QDialog::mouseReleaseEvent(event);
}
