#pragma once
#include <deque>
#include <optional>
#include <vector>

#include "settings/LoginDialogRunner.h"

namespace tarvix::testing {

// Answers each run with the next scripted entry (none = Cancel); Cancel when the
// script is used up. Records how each dialog was opened.
class FakeLoginRunner final : public settings::LoginDialogRunner {
 public:
  std::optional<settings::LoginEntry> Run(const settings::LoginPreset& preset) override {
    ++runs;
    presets.push_back(preset);
    if (script.empty()) return std::nullopt;
    auto next = script.front();
    script.pop_front();
    return next;
  }
  std::deque<std::optional<settings::LoginEntry>> script;
  std::vector<settings::LoginPreset> presets;
  int runs = 0;
};

}  // namespace tarvix::testing
