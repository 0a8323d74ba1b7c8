#pragma once
#include "addons/AddonContext.h"
#include "addons/AddonWindow.h"

namespace tarvix::addons {

// After a flow that was not given up (flowAbandoned 0) the main window shows
// the device as it came back: drives read again, a new search, no device
// selected. After a given-up flow it stays as it was.
void RefreshAfterAddon(AddonContext& context, AddonWindow& window);

}  // namespace tarvix::addons
