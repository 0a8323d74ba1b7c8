#pragma once
#include <string_view>

#include "platform/SystemInfo.h"
#include "protocol/DeviceSession.h"
#include "settings/LoginDialogRunner.h"

namespace tarvix::settings {

// Characters the login edits accept; the session fields hold one byte less.
inline constexpr int kLoginEditLimit = 16;
// The logged-on user name is read into a buffer of this size.
inline constexpr std::size_t kLogonNameBufferSize = 128;

// How the login dialog opens: the administrator with a fixed name; on Windows 98
// and ME the logged-on user, also fixed; otherwise an empty, editable name.
LoginPreset LoginPresetFor(int adminLoginMode, const platform::SystemInfo& system);

// Copies the confirmed entry into loginUser and loginPassword. The fields hold
// 15 bytes, the edits accept 16 characters: a longer entry is cut to what the
// field holds, on a UTF-8 character boundary, and never written beyond it.
void StoreLoginEntry(const LoginEntry& entry, DeviceSession& session);

// Sets both credentials fields, cleared to zero beyond the text.
void ResetLogin(DeviceSession& session, std::string_view user, std::string_view password);

// Shows the login dialog and stores what the user confirmed; a cancelled dialog
// leaves the credentials as the caller set them.
void RunLoginDialog(LoginDialogRunner& runner, const LoginPreset& preset, DeviceSession& session);

}  // namespace tarvix::settings
