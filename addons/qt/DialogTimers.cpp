#include "addons/qt/DialogTimers.h"

#include <QTimer>

namespace tarvix::addons::qt {

QtDialogTimers::QtDialogTimers() = default;
QtDialogTimers::~QtDialogTimers() = default;

void QtDialogTimers::Start(int id, int milliseconds, std::function<void()> fire) {
  auto timer = std::make_unique<QTimer>();
  timer->setSingleShot(true);
  QObject::connect(timer.get(), &QTimer::timeout, [fire = std::move(fire)] { fire(); });
  timer->start(milliseconds);
  timers_[id] = std::move(timer);
}

void QtDialogTimers::Stop(int id) {
  const auto it = timers_.find(id);
  if (it != timers_.end()) it->second->stop();
}

}  // namespace tarvix::addons::qt
