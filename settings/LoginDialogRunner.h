#pragma once
#include <optional>
#include <string>

namespace tarvix::settings {

// What the login dialog shows when it opens.
struct LoginPreset {
  std::string userName;     // shown in the user name edit
  bool userLocked = false;  // the user name edit is disabled
  bool operator==(const LoginPreset&) const = default;
};

// What the user confirmed with OK.
struct LoginEntry {
  std::string userName;
  std::string password;
};

// Shows the login dialog modally; none when the user cancelled it.
class LoginDialogRunner {
 public:
  virtual ~LoginDialogRunner() = default;
  virtual std::optional<LoginEntry> Run(const LoginPreset& preset) = 0;
};

}  // namespace tarvix::settings
