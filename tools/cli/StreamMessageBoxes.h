#pragma once
#include <iosfwd>

#include "settings/MessageBoxes.h"

namespace tarvix::cli {

// The tool's message boxes: successes go to standard output, everything else to
// standard error, in the words the window would show.
class StreamMessageBoxes final : public settings::MessageBoxes {
 public:
  StreamMessageBoxes(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}
  void Show(std::string_view text, std::string_view caption, settings::MessageIcon) override;

 private:
  std::ostream& out_;
  std::ostream& err_;
};

}  // namespace tarvix::cli
