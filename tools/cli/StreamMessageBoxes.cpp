#include "tools/cli/StreamMessageBoxes.h"

#include <ostream>

#include "settings/SettingsMessages.h"

namespace tarvix::cli {

void StreamMessageBoxes::Show(std::string_view text, std::string_view caption,
                              settings::MessageIcon) {
  (caption == settings::text::kCaptionConfirm ? out_ : err_) << text << "\n";
}

}  // namespace tarvix::cli
