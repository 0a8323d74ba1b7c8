#include "app/COperationState.h"

#include <QCursor>
#include <QGuiApplication>

namespace tarvix::app {

void COperationState::Enter() {
  if (depth_++ == 0 && qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void COperationState::Leave() {
  if (depth_ == 0 || --depth_ > 0) return;
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
    QGuiApplication::restoreOverrideCursor();
  std::vector<std::function<void()>> actions;
  actions.swap(deferred_);
  for (auto& action : actions) action();
}

void COperationState::WhenIdle(std::function<void()> action) {
  if (IsBusy())
    deferred_.push_back(std::move(action));
  else
    action();
}

}  // namespace tarvix::app
