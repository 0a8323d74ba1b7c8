#pragma once
#include <string>

#include "addons/AddonContext.h"

namespace tarvix::addons {

// The device checks of the language and BitTorrent flows end the same ways.
// Each returns false, what a check that ends here returns.

// Shows `message` without a caption; the flow counts as abandoned.
bool AbandonFlow(AddonContext& context, const char* message);
// The disk is not formatted: the user is told to format it and the device's web
// pages, where that is done, are opened; the flow counts as abandoned.
bool AbandonForFormatting(AddonContext& context, const std::string& host);

// "xdg-open http://ADDRESS": the device's web pages in the default browser.
std::string DeviceWebPagesCommand(const std::string& host);

}  // namespace tarvix::addons
