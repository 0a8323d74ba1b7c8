#include "addons/qt/QueuedProgressBar.h"

#include <QMetaObject>
#include <QProgressBar>

namespace tarvix::addons::qt {

// Lives on the window thread: only the queued calls read or write it.
struct QueuedProgressBar::BarState {
  bool open = true;
  int step = kDefaultBarStep;
};

QueuedProgressBar::QueuedProgressBar(QProgressBar* bar)
    : state_(std::make_shared<BarState>()), bar_(bar) {}

QueuedProgressBar::~QueuedProgressBar() = default;

namespace {

// Runs `change` on the bar's thread; dropped when the bar is gone by then.
template <typename Change>
void Queue(QProgressBar* bar, Change change) {
  QMetaObject::invokeMethod(bar, std::move(change), Qt::QueuedConnection);
}

}  // namespace

void QueuedProgressBar::SetRange(int lower, int upper) {
  Queue(bar_, [state = state_, bar = bar_, lower, upper] {
    if (!state->open) return;
    bar->setRange(lower, upper);
    bar->setValue(lower);
  });
}

void QueuedProgressBar::SetStep(int step) {
  Queue(bar_, [state = state_, step] {
    if (state->open) state->step = step;
  });
}

void QueuedProgressBar::StepIt() {
  Queue(bar_, [state = state_, bar = bar_] {
    if (!state->open) return;
    bar->setValue(SteppedPosition(bar->value(), state->step, bar->minimum(), bar->maximum()));
  });
}

void QueuedProgressBar::Close() { state_->open = false; }

}  // namespace tarvix::addons::qt
