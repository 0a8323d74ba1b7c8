#pragma once
#include "addons/AddonDialogs.h"

class QWidget;

namespace tarvix::addons {
class WorkerClock;
}

namespace tarvix::addons::qt {

class DialogTimers;

// What the dialogs' timers and the restart worker's pauses run on; null
// entries stand for Qt's timers and the real passing of time.
struct DialogTiming {
  DialogTimers* timers = nullptr;
  WorkerClock* restartClock = nullptr;
};

// The add-on dialogs in Qt, each a fresh one per run, modal over `parent`.
class QtAddonDialogs final : public AddonDialogs {
 public:
  explicit QtAddonDialogs(QWidget* parent, DialogTiming timing = {})
      : parent_(parent), timing_(timing) {}

  void RunLoading(InstallationRunner& runner) override;
  LanguageDialogResult RunLanguage(LanguageChoice& choice) override;
  void RunRestart(AddonState& state) override;
  void RunWidget(AddonState& state) override;
  void RunModelSelect(AddonState& state) override;

 private:
  QWidget* parent_;
  DialogTiming timing_;
};

}  // namespace tarvix::addons::qt
