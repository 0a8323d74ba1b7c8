#include "addons/AbandonFlow.h"

#include "addons/AddonMessages.h"
#include "settings/BrowserCommandLine.h"

namespace tarvix::addons {

bool AbandonFlow(AddonContext& context, const char* message) {
  context.messages.Show(message, text::kNoCaption, settings::MessageIcon::None);
  context.state.flowAbandoned = -1;
  return false;
}

bool AbandonForFormatting(AddonContext& context, const std::string& host) {
  context.messages.Show(text::kFormatHardDrive, text::kNoCaption, settings::MessageIcon::None);
  context.launcher.RunHidden(DeviceWebPagesCommand(host));
  context.state.flowAbandoned = -1;
  return false;
}

std::string DeviceWebPagesCommand(const std::string& host) {
  return std::string(settings::kShellOpener) + " http://" + host;
}

}  // namespace tarvix::addons
