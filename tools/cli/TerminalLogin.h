#pragma once
#include "settings/LoginDialogRunner.h"

namespace tarvix::cli {

// The login dialog of the tool: the password comes from TARVIX_PASSWORD, or is
// asked on the terminal without echo; with neither it is a Cancel.
class TerminalLogin final : public settings::LoginDialogRunner {
 public:
  std::optional<settings::LoginEntry> Run(const settings::LoginPreset& preset) override;
};

}  // namespace tarvix::cli
