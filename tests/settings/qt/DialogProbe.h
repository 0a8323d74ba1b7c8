#pragma once
#include <gtest/gtest.h>

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

// For a modal handler: the control of the modal dialog with `id`. When there is
// none the test fails and the dialog is closed, so the modal loop still ends (an
// ASSERT would return with the dialog open and the test would hang).
template <typename T>
T* ControlOrClose(QWidget* modal, int id) {
  T* control = modal ? ControlById<T>(modal, id) : nullptr;
  if (!control) {
    ADD_FAILURE() << "no control " << id << " in the modal dialog";
    if (modal) modal->close();
  }
  return control;
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
