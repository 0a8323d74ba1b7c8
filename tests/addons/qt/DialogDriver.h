#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "addons/qt/DialogTimers.h"

namespace tarvix::addons::testing {

// Dialog timers that fire only when the test says so; every start is kept.
class ManualTimers final : public qt::DialogTimers {
 public:
  void Start(int id, int milliseconds, std::function<void()> fire) override {
    started.push_back({id, milliseconds});
    pending_[id] = std::move(fire);
  }
  void Stop(int id) override {
    stopped.push_back(id);
    pending_.erase(id);
  }
  // Fires timer `id` as if its time had come; false when none is running.
  bool Fire(int id) {
    const auto it = pending_.find(id);
    if (it == pending_.end()) return false;
    auto fire = std::move(it->second);
    pending_.erase(it);
    fire();
    return true;
  }
  bool Running(int id) const { return pending_.count(id) != 0; }

  std::vector<std::pair<int, int>> started;  // id, milliseconds
  std::vector<int> stopped;

 private:
  std::map<int, std::function<void()>> pending_;
};

// Runs the event loop until `done()` holds or a generous guard (not a speed
// limit) runs out, so a request that never arrives fails the test instead of
// hanging it. Modal steps run from a posted event, and while one is being
// handled Qt's glib dispatcher does not deliver the events that were already
// queued behind it until something new is posted: those are sent here by hand.
template <typename Done>
bool SpinUntil(Done done) {
  QDeadlineTimer guard(60000);
  while (!done() && !guard.hasExpired()) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  }
  return done();
}

// Dialog timers whose time comes as soon as the event loop runs again.
class ImmediateTimers final : public qt::DialogTimers {
 public:
  void Start(int id, int milliseconds, std::function<void()> fire) override {
    started.push_back({id, milliseconds});
    QTimer::singleShot(0, [fire = std::move(fire)] { fire(); });
  }
  void Stop(int id) override { stopped.push_back(id); }
  std::vector<std::pair<int, int>> started;
  std::vector<int> stopped;
};

// Plays the user at dialogs: every dialog that is shown is noted by class, and
// when one of the class that the next step names is shown, that step runs in
// its modal loop. A step for a dialog that only the program ends (loading,
// restart) may be left out: such dialogs are only noted. Steps that never ran
// fail the test.
class ModalScript : public QObject {
 public:
  using Handler = std::function<void(QWidget* dialog)>;
  struct Step {
    const char* dialogClass;
    Handler handle;
  };

  explicit ModalScript(std::deque<Step> steps) : steps_(std::move(steps)) {
    qApp->installEventFilter(this);
  }
  ~ModalScript() override {
    qApp->removeEventFilter(this);
    for (const Step& step : steps_) ADD_FAILURE() << "no " << step.dialogClass << " was shown";
  }

  // Classes of the dialogs shown so far, in order.
  std::vector<std::string> shown;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* dialog = qobject_cast<QDialog*>(watched);
    if (event->type() != QEvent::Show || !dialog) return false;
    const std::string name = dialog->metaObject()->className();
    shown.push_back(name);
    if (steps_.empty() || name != steps_.front().dialogClass) return false;
    Handler handle = std::move(steps_.front().handle);
    steps_.pop_front();
    QPointer<QDialog> target(dialog);
    QTimer::singleShot(0, dialog, [target, handle] {
      if (target) handle(target);
    });
    return false;
  }

 private:
  std::deque<Step> steps_;
};

}  // namespace tarvix::addons::testing
