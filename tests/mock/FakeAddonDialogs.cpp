#include "tests/mock/FakeAddonDialogs.h"

#include <string>

#include "addons/AddonState.h"
#include "addons/InstallationRunner.h"
#include "addons/LanguageChoice.h"

namespace tarvix::mock {
namespace {

class JournalLoadingView final : public addons::LoadingView {
 public:
  explicit JournalLoadingView(Journal& journal) : journal_(journal) {}
  void CloseDialog() override { journal_.push_back("close loading"); }
  void StopTimer(int timerId) override {
    journal_.push_back("stop timer " + std::to_string(timerId));
  }

 private:
  Journal& journal_;
};

}  // namespace

void FakeAddonDialogs::RunLoading(addons::InstallationRunner& runner) {
  const int timer = runner.TimerId();
  journal_.push_back("loading " + std::to_string(timer));
  JournalLoadingView view(journal_);
  runner.OnTimer(timer, view);
}

addons::LanguageDialogResult FakeAddonDialogs::RunLanguage(addons::LanguageChoice& choice) {
  journal_.push_back("language dialog");
  const std::optional<int> initial = choice.OnInitDialog();
  if (!initial) return addons::LanguageDialogResult::GaveUp;
  preselected.push_back(*initial);
  std::optional<int> row;
  if (!languageRows.empty()) {
    row = languageRows.front();
    languageRows.pop_front();
  }
  if (row) {
    if (*row != *initial) choice.OnSelectionChange(*row);
    if (choice.OnOK(*row)) return addons::LanguageDialogResult::Chosen;
  }
  choice.OnCancel();
  return addons::LanguageDialogResult::Cancelled;
}

void FakeAddonDialogs::RunRestart(addons::AddonState& state) {
  journal_.push_back("restart");
  state.flowAbandoned = 0;
}

void FakeAddonDialogs::RunWidget(addons::AddonState& state) {
  journal_.push_back("widget prompt");
  state.widgetDownload = widgetAnswer;
}

void FakeAddonDialogs::RunModelSelect(addons::AddonState& state) {
  journal_.push_back("model choice");
  state.modelChoice = modelAnswer;
}

}  // namespace tarvix::mock
