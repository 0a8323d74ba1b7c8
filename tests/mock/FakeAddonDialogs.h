#pragma once
#include <deque>
#include <optional>
#include <vector>

#include "addons/AddonDialogs.h"
#include "tests/mock/Journal.h"

namespace tarvix::mock {

// The add-on dialogs without windows, acting as the real ones do:
// - the loading dialog runs the runner at its timer ("loading N"), and notes
//   "close loading" and "stop timer N";
// - each language dialog runs its checks ("language dialog"), then selects the
//   next scripted row and presses OK, or presses Cancel for none (and when the
//   script is used up); a row the firmware refuses is followed by Cancel;
// - the restart progress resets flowAbandoned ("restart");
// - the widget prompt and model choice answer as set here.
class FakeAddonDialogs final : public addons::AddonDialogs {
 public:
  explicit FakeAddonDialogs(Journal& journal) : journal_(journal) {}

  void RunLoading(addons::InstallationRunner& runner) override;
  addons::LanguageDialogResult RunLanguage(addons::LanguageChoice& choice) override;
  void RunRestart(addons::AddonState& state) override;
  void RunWidget(addons::AddonState& state) override;
  void RunModelSelect(addons::AddonState& state) override;

  std::deque<std::optional<int>> languageRows;
  // The rows each language dialog preselected.
  std::vector<int> preselected;
  int widgetAnswer = 0;
  int modelAnswer = -1;

 private:
  Journal& journal_;
};

}  // namespace tarvix::mock
