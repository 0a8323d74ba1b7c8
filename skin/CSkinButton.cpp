#include "skin/CSkinButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

#include "skin/SkinFaceCaptions.h"

CSkinButton::CSkinButton(QWidget* parent) : QPushButton(parent) {
  // Enter belongs to the dialog (it ends it); a focused button must not take it.
  setAutoDefault(false);
  setDefault(false);
}

void CSkinButton::SetFaces(int normal, int pressed, int hover, int disabled) {
  faces_ = {normal, pressed, hover, disabled == 0 && normal != 0 ? normal : disabled};
  update();
}

void CSkinButton::paintEvent(QPaintEvent*) {
  // Captions live in the face artwork; the plain look borrows the face's caption.
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  if (option.text.isEmpty()) option.text = tarvix::skin::FaceCaption(faces_.normal);
  painter.drawControl(QStyle::CE_PushButton, option);
}
