#include "addons/AddonFlows.h"

#include "addons/LanguageInstallation.h"
#include "addons/WidgetInstallation.h"

namespace tarvix::addons {

AddonFlows::AddonFlows(DeviceSession& session, AddonOperations& operations, Clock& clock,
                       settings::MessageBoxes& messages, AddonDialogs& dialogs,
                       const AddonServices& services, AdministratorCheck verifyAdministrator)
    : context_{session,         operations,        state_,  messages, clock, services.files,
               services.drives, services.launcher, dialogs, {}},
      verifyAdministrator_(std::move(verifyAdministrator)) {}

InstallOutcome AddonFlows::OnLanguageButton(AddonWindow& window) {
  return addons::OnLanguageButton(context_, window);
}

InstallOutcome AddonFlows::OnBitTorrentButton(AddonWindow& window) {
  return addons::OnBitTorrentButton(context_, window, verifyAdministrator_);
}

void AddonFlows::OnWidgetButton(AddonWindow& window) { addons::OnWidgetButton(context_, window); }

}  // namespace tarvix::addons
