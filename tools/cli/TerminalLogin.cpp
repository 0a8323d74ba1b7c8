#include "tools/cli/TerminalLogin.h"

#include <cstdlib>

#include "tools/cli/Utils.h"

namespace tarvix::cli {

std::optional<settings::LoginEntry> TerminalLogin::Run(const settings::LoginPreset& preset) {
  std::optional<std::string> password;
  if (const char* fromEnv = std::getenv("TARVIX_PASSWORD"))
    password = fromEnv;
  else
    password = AskHidden("Administrator password: ");
  if (!password) return std::nullopt;
  return settings::LoginEntry{preset.userName, *password};
}

}  // namespace tarvix::cli
