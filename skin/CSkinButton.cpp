#include "skin/CSkinButton.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "skin/SkinDraw.h"

namespace {

constexpr const char* kGroupStartProperty = "skinGroupStart";

bool IsGroupStart(const QWidget* control) {
  return control->property(kGroupStartProperty).toBool();
}

// The widgets among `control`'s siblings that share its group, in creation order.
QList<QWidget*> GroupOf(QWidget* control) {
  QList<QWidget*> siblings;
  for (QObject* child : control->parentWidget()->children()) {
    if (auto* widget = qobject_cast<QWidget*>(child); widget && !widget->isWindow())
      siblings << widget;
  }
  const qsizetype at = siblings.indexOf(control);
  qsizetype first = at;
  while (first > 0 && !IsGroupStart(siblings[first])) --first;
  qsizetype end = at + 1;
  while (end < siblings.size() && !IsGroupStart(siblings[end])) ++end;
  return siblings.mid(first, end - first);
}

}  // namespace

CSkinButton::CSkinButton(QWidget* parent)
    : QPushButton(parent), textColour_(palette().color(QPalette::ButtonText)) {
  // Enter belongs to the dialog (it ends it); a focused button must not take it.
  setAutoDefault(false);
  setDefault(false);
  // Moves over the button arm the hover face.
  setMouseTracking(true);
}

CSkinButton::Kind CSkinButton::KindFromStyle(unsigned style) {
  const unsigned low = style & 0xFF;
  if ((low & 3) == 3) return Kind::CheckBox;
  if ((low & 9) == 9) return Kind::RadioButton;
  return Kind::PushButton;
}

void CSkinButton::SetFaces(int normal, int pressed, int hover, int disabled) {
  faces_ = {normal, pressed, hover, disabled == 0 && normal != 0 ? normal : disabled};
  const qreal ratio = devicePixelRatioF();
  normal_ = tarvix::skin::SkinBitmap(faces_.normal);
  pressed_ = tarvix::skin::SkinBitmap(faces_.pressed);
  hoverFace_ = tarvix::skin::SkinBitmap(faces_.hover);
  disabled_ = tarvix::skin::SkinBitmap(faces_.disabled);
  for (tarvix::skin::SkinBitmap* face : {&normal_, &pressed_, &hoverFace_, &disabled_})
    face->For(ratio);
  update();
}

void CSkinButton::SetTextColor(const QColor& colour) {
  textColour_ = colour;
  update();
}

QEvent::Type CSkinButton::UncheckEventType() {
  // The message's offset above the platform's first user message, above Qt's.
  return static_cast<QEvent::Type>(QEvent::User + (WM_SKINBUTTON_UNCHECK - 0x400));
}

void CSkinButton::SetGroupStart(QWidget* control, bool start) {
  control->setProperty(kGroupStartProperty, start);
}

void CSkinButton::SetCheck(int state) {
  checked_ = state != 0 && kind_ != Kind::PushButton;
  if (checked_ && kind_ == Kind::RadioButton) UncheckGroup();
  update();
}

void CSkinButton::UncheckGroup() {
  if (!parentWidget()) return;
  const QList<QWidget*> group = GroupOf(this);
  const qsizetype self = group.indexOf(this);
  for (qsizetype step = 1; step < group.size(); ++step) {
    QWidget* control = group[(self + step) % group.size()];
    QCoreApplication::postEvent(control, new QEvent(UncheckEventType()));
  }
}

bool CSkinButton::event(QEvent* event) {
  if (event->type() == UncheckEventType()) {
    if (checked_) {
      checked_ = false;
      update();
    }
    return true;
  }
  return QPushButton::event(event);
}

void CSkinButton::DrawFace(QPainter& painter, tarvix::skin::SkinBitmap& face) {
  const QPixmap& bitmap = face.For(devicePixelRatioF());
  if (bitmap.isNull()) {
    painter.fillRect(rect(), palette().color(QPalette::Button));
    return;
  }
  // Unscaled from the bitmap's corner; a face smaller than the button leaves the
  // dialog's background around it.
  tarvix::skin::CopyBitmap(painter, bitmap, QPoint(0, 0), size());
}

void CSkinButton::DrawCaption(QPainter& painter, const QRect& area, const QColor& colour) {
  if (text().isEmpty()) return;
  painter.setPen(colour);
  painter.drawText(area, Qt::AlignCenter | Qt::TextSingleLine, text());
}

void CSkinButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setFont(font());
  QRect textArea = rect().adjusted(2, 0, -2, 0);
  if (!isEnabled()) {
    // An etched caption: highlight first, grey text one pixel up and left over it.
    DrawFace(painter, disabled_);
    if (checked_) textArea.translate(1, 1);
    DrawCaption(painter, textArea, palette().color(QPalette::Light));
    textArea.translate(-1, -1);
    DrawCaption(painter, textArea, palette().color(QPalette::Disabled, QPalette::ButtonText));
    return;
  }
  if (isDown() || checked_) {
    DrawFace(painter, pressed_);
    textArea.translate(1, 1);
  } else {
    const bool hoverShown = hover_ && !hoverFace_.For(devicePixelRatioF()).isNull();
    DrawFace(painter, hoverShown ? hoverFace_ : normal_);
  }
  DrawCaption(painter, textArea, textColour_);
}

void CSkinButton::mouseMoveEvent(QMouseEvent* event) {
  // While held, Qt keeps the pushed state in step with the pointer; otherwise a
  // move over the button arms the hover face until the pointer leaves.
  if (!held_ && !hover_) {
    hover_ = true;
    update();
  }
  QPushButton::mouseMoveEvent(event);
}

void CSkinButton::leaveEvent(QEvent* event) {
  hover_ = false;
  update();
  QPushButton::leaveEvent(event);
}

void CSkinButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QPushButton::mousePressEvent(event);
    return;
  }
  // A held button never shows the hover face; only a move after the release
  // brings it back.
  hover_ = false;
  QPushButton::mousePressEvent(event);
  held_ = true;
}

void CSkinButton::mouseDoubleClickEvent(QMouseEvent* event) {
  // The second click of a double click is one more press, so it activates again.
  mousePressEvent(event);
}

void CSkinButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    if (rect().contains(event->position().toPoint())) ToggleByUser();
    held_ = false;
  }
  QPushButton::mouseReleaseEvent(event);
}

void CSkinButton::ToggleByUser() {
  if (kind_ == Kind::CheckBox) SetCheck(checked_ ? 0 : 1);
  if (kind_ == Kind::RadioButton) SetCheck(1);
}

void CSkinButton::focusOutEvent(QFocusEvent* event) {
  held_ = false;
  QPushButton::focusOutEvent(event);
}

void CSkinButton::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) ToggleByUser();
  QPushButton::keyPressEvent(event);
}
