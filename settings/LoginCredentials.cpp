#include "settings/LoginCredentials.h"

#include <cstring>

#include "common/CutUtf8.h"
#include "protocol/FixedText.h"

namespace tarvix::settings {
namespace {

bool UsesLogonName(const std::string& versionName) {
  return versionName.find("ME") != std::string::npos || versionName.find("98") != std::string::npos;
}

template <size_t N>
void StoreField(char (&field)[N], std::string_view text) {
  std::memset(field, 0, N);
  CopyField(field, CutUtf8(text, N - 1));
}

}  // namespace

LoginPreset LoginPresetFor(int adminLoginMode, const platform::SystemInfo& system) {
  if (adminLoginMode == 1) return {"admin", true};
  if (UsesLogonName(system.VersionName())) {
    std::string name = system.LoggedOnUserName();
    return {std::string(CutUtf8(name, kLogonNameBufferSize - 1)), true};
  }
  return {"", false};
}

void StoreLoginEntry(const LoginEntry& entry, DeviceSession& session) {
  ResetLogin(session, entry.userName, entry.password);
}

void ResetLogin(DeviceSession& session, std::string_view user, std::string_view password) {
  StoreField(session.loginUser, user);
  StoreField(session.loginPassword, password);
}

void RunLoginDialog(LoginDialogRunner& runner, const LoginPreset& preset, DeviceSession& session) {
  if (auto entry = runner.Run(preset)) StoreLoginEntry(*entry, session);
}

}  // namespace tarvix::settings
