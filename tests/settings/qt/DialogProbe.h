#pragma once
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "settings/qt/SettingsDialogTemplate.h"

namespace tarvix::settings::testing {

// The control of a dialog with a template id, as type T.
template <typename T>
T* ControlById(QWidget* dialog, int id) {
  for (QWidget* child : dialog->findChildren<QWidget*>())
    if (child->property(qt::kControlIdProperty).toInt() == id) return qobject_cast<T*>(child);
  return nullptr;
}

// Runs `handle` on the modal window once the modal loop that the caller starts next
// is running; it must close that window.
inline void WhenModal(std::function<void(QWidget*)> handle) {
  QTimer::singleShot(0, [handle] { handle(QApplication::activeModalWidget()); });
}

// The template rectangle in pixels, worked out independently of the dialogs.
inline QRect Pixels(int x, int y, int w, int h) {
  return QRect(x * 3 / 2, y * 7 / 4, w * 3 / 2, h * 7 / 4);
}

}  // namespace tarvix::settings::testing
