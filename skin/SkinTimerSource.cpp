#include "skin/SkinTimerSource.h"

#include <QTimerEvent>

QtSkinTimerSource::~QtSkinTimerSource() {
  for (int qtId : std::as_const(running_)) killTimer(qtId);
}

void QtSkinTimerSource::Start(int id, int periodMs) {
  Stop(id);
  running_.insert(id, startTimer(periodMs, Qt::PreciseTimer));
}

void QtSkinTimerSource::Stop(int id) {
  auto found = running_.find(id);
  if (found == running_.end()) return;
  killTimer(*found);
  running_.erase(found);
}

void QtSkinTimerSource::timerEvent(QTimerEvent* event) {
  const int id = running_.key(event->timerId(), 0);
  if (id != 0) Fire(id);
}
