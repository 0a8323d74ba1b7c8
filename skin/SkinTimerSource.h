#pragma once
#include <QHash>
#include <QObject>
#include <functional>

// Repeating timers by id, the way a window has them: starting an id that runs
// restarts it with the new period. The scroll bars take theirs from here, so tests
// can drive them with a clock of their own.
class SkinTimerSource {
 public:
  virtual ~SkinTimerSource() = default;
  virtual void Start(int id, int periodMs) = 0;
  virtual void Stop(int id) = 0;

  // Who hears the timers: called with a timer's id at the end of each period.
  void SetHandler(std::function<void(int)> handler) { handler_ = std::move(handler); }

 protected:
  void Fire(int id) const {
    if (handler_) handler_(id);
  }

 private:
  std::function<void(int)> handler_;
};

// The timers of the running program, on Qt's event loop.
class QtSkinTimerSource final : public QObject, public SkinTimerSource {
 public:
  ~QtSkinTimerSource() override;
  void Start(int id, int periodMs) override;
  void Stop(int id) override;

 protected:
  void timerEvent(QTimerEvent* event) override;

 private:
  QHash<int, int> running_;  // our id -> Qt's timer id
};
