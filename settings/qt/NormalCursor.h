#pragma once
#include <QApplication>
#include <QCursor>

namespace tarvix::settings::qt {

// A dialog or message box opened in the middle of an operation waits for the user,
// so it shows the normal pointer over the busy cursor of the window beneath it.
class NormalCursor {
 public:
  NormalCursor() { QApplication::setOverrideCursor(Qt::ArrowCursor); }
  ~NormalCursor() { QApplication::restoreOverrideCursor(); }
  NormalCursor(const NormalCursor&) = delete;
  NormalCursor& operator=(const NormalCursor&) = delete;
};

}  // namespace tarvix::settings::qt
