#pragma once
#include <string_view>

namespace tarvix::settings {

enum class MessageIcon { None, Stop, Exclamation, Information };

// How the flows tell the user something: a modal box with an OK button.
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  virtual void Show(std::string_view text, std::string_view caption, MessageIcon icon) = 0;
};

}  // namespace tarvix::settings
