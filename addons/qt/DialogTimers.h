#pragma once
#include <functional>
#include <map>
#include <memory>

class QTimer;

namespace tarvix::addons::qt {

// The timers of the add-on dialogs, by the dialogs' own ids. Each fires once:
// a timer that fired again while its handler still runs (the handler's waits
// keep the window's events flowing) would start the work a second time.
class DialogTimers {
 public:
  virtual ~DialogTimers() = default;
  // Calls `fire` on the window thread `milliseconds` after, unless stopped first.
  virtual void Start(int id, int milliseconds, std::function<void()> fire) = 0;
  virtual void Stop(int id) = 0;
};

// Qt's own timers.
class QtDialogTimers final : public DialogTimers {
 public:
  QtDialogTimers();
  ~QtDialogTimers() override;
  void Start(int id, int milliseconds, std::function<void()> fire) override;
  void Stop(int id) override;

 private:
  std::map<int, std::unique_ptr<QTimer>> timers_;
};

}  // namespace tarvix::addons::qt
