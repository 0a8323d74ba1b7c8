#pragma once
#include "addons/AddonContext.h"
#include "addons/AddonWindow.h"
#include "addons/InstallOutcome.h"

namespace tarvix::addons {

// The language button: the language dialog, the installation of the chosen
// code page, the restart progress, and a fresh language dialog after a failed
// installation; the main window is refreshed when the flow was not given up.
InstallOutcome OnLanguageButton(AddonContext& context, AddonWindow& window);

}  // namespace tarvix::addons
