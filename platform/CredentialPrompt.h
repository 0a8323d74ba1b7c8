#pragma once

#include <functional>
#include <optional>
#include <string>

namespace tarvix::platform {

struct PromptedCredentials {
  std::string account;  // "DOMAIN\user" or "user"
  std::string password;
};

// Asks the user for credentials after a share refused the first ones; none
// means the user cancelled. The GUI supplies a dialog.
using CredentialPrompt = std::function<std::optional<PromptedCredentials>(
    const std::string& remoteName, const std::string& account)>;

}  // namespace tarvix::platform
