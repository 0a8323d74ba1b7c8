#pragma once
#include "addons/AddonContext.h"
#include "addons/AddonWindow.h"
#include "addons/BitTorrentInstallation.h"
#include "addons/InstallOutcome.h"

namespace tarvix::addons {

// The system services the add-on flows reach, owned by the program.
struct AddonServices {
  platform::FileService& files;
  platform::DriveService& drives;
  AddonLauncher& launcher;
};

// The way into the add-on flows: one object for the program's run, holding
// AddonState. The caller supplies the dialogs and message boxes and, per
// press, the main window.
class AddonFlows {
 public:
  AddonFlows(DeviceSession& session, AddonOperations& operations, Clock& clock,
             settings::MessageBoxes& messages, AddonDialogs& dialogs, const AddonServices& services,
             AdministratorCheck verifyAdministrator);
  AddonFlows(const AddonFlows&) = delete;
  AddonFlows& operator=(const AddonFlows&) = delete;

  InstallOutcome OnLanguageButton(AddonWindow& window);
  InstallOutcome OnBitTorrentButton(AddonWindow& window);
  void OnWidgetButton(AddonWindow& window);

  AddonState& State() { return state_; }
  AddonContext& Context() { return context_; }

 private:
  AddonState state_;
  AddonContext context_;
  AdministratorCheck verifyAdministrator_;
};

}  // namespace tarvix::addons
