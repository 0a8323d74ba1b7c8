#pragma once
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QWidget>

#include "skin/SkinBitmapStore.h"

namespace tarvix::testing {

// What a widget shows, in 32-bit RGB.
inline QImage Grab(QWidget* widget) {
  return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// A skin bitmap of the 1x set as an image.
inline QImage Bitmap(int id) {
  return skin::LoadSkinBitmap(id, 1.0).toImage().convertToFormat(QImage::Format_RGB32);
}

// Whether `shown` holds `part` of `expected` at `at`, pixel for pixel.
inline bool Shows(const QImage& shown, QPoint at, const QImage& expected, QRect part = {}) {
  if (part.isNull()) part = expected.rect();
  return shown.copy(QRect(at, part.size())) == expected.copy(part);
}

inline QRgb Rgb(int r, int g, int b) { return qRgb(r, g, b); }

// Mouse input as the platform delivers it, with the given buttons held after the event.
inline void SendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
                      Qt::MouseButtons held) {
  QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), button, held,
                    Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}
inline void Press(QWidget* widget, QPoint at) {
  SendMouse(widget, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
}
inline void Release(QWidget* widget, QPoint at) {
  SendMouse(widget, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}
inline void MoveHeld(QWidget* widget, QPoint at) {
  SendMouse(widget, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
}
inline void MoveFree(QWidget* widget, QPoint at) {
  SendMouse(widget, QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
}

}  // namespace tarvix::testing
