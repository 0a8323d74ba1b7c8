#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "settings/MessageBoxes.h"

namespace tarvix::testing {

struct ShownMessage {
  std::string text;
  std::string caption;
  settings::MessageIcon icon;
  bool operator==(const ShownMessage&) const = default;
};

// Shows nothing: records every message with its caption and icon.
class FakeMessageBoxes final : public settings::MessageBoxes {
 public:
  void Show(std::string_view text, std::string_view caption, settings::MessageIcon icon) override {
    shown.push_back({std::string(text), std::string(caption), icon});
  }
  std::vector<ShownMessage> shown;
};

}  // namespace tarvix::testing
