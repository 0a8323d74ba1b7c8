#pragma once
#include <functional>

#include "addons/AddonContext.h"
#include "addons/AddonWindow.h"
#include "addons/InstallOutcome.h"

namespace tarvix::addons {

// The disk-state question is asked this often with this pause after each;
// the support question once with a shorter pause, then again this often.
inline constexpr int kBitTorrentTries = 15;
inline constexpr int kBitTorrentPauseMs = 2000;
inline constexpr int kBitTorrentFirstSupportPauseMs = 1000;

// Proves the administrator password to the selected device, with the
// settings' login dialog when needed; shows its own refusal.
using AdministratorCheck = std::function<bool()>;

// Whether the selected device can take the add-on: a usable disk and firmware
// that supports it. Shows its own messages; a refusal sets flowAbandoned -1.
bool CheckBitTorrentSupport(AddonContext& context, const std::string& host);

// The BitTorrent button: administrator check, support check, the
// installation, the restart progress, and afterwards the removal of the
// local staging folder.
InstallOutcome OnBitTorrentButton(AddonContext& context, AddonWindow& window,
                                  const AdministratorCheck& verifyAdministrator);

}  // namespace tarvix::addons
