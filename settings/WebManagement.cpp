#include "settings/WebManagement.h"

#include "protocol/FixedText.h"
#include "settings/BrowserCommandLine.h"
#include "settings/Reachability.h"
#include "settings/SettingsMessages.h"

namespace tarvix::settings {
namespace {

// The browser's program is missing or cannot be run: the shell opener may still
// reach the pages. Any other failure is not retried.
bool IsStartFailureWorthRetrying(platform::LaunchOutcome outcome) {
  using platform::LaunchOutcome;
  return outcome == LaunchOutcome::ProgramNotFound || outcome == LaunchOutcome::PathNotFound ||
         outcome == LaunchOutcome::NotExecutable;
}

// The previous probe is finished before the result is reset, so an answer that
// came in after an earlier wait gave up can never pass for this device's answer.
void StartProbe(SettingsContext& context, WebServices& services, const std::string& address,
                bool secure) {
  services.workers.Finish();
  context.state.reachResult.store(kReachPending);
  platform::ReachabilityChecker& checker = services.reachability;
  std::atomic<int>& result = context.state.reachResult;
  services.workers.Start([&checker, &result, address, secure] {
    CheckReachability(checker, address, secure, result);
  });
}

void OpenPages(WebServices& services, const std::string& address, bool secure) {
  const std::string line = BrowserCommandLine(services.browsers, address, secure);
  const auto started = services.launcher.StartCommandLine(line, kBrowserShowState);
  if (IsStartFailureWorthRetrying(started))
    services.launcher.StartCommandLine(ShellOpenerCommand(address, secure), kBrowserShowState);
}

}  // namespace

bool LaunchWebManagement(SettingsContext& context, PanelView& panel, WebServices& services) {
  const auto row = panel.SelectedDeviceRow();
  if (!row) {
    context.messages.Show(text::kSelectDeviceToConfigure, text::kCaptionWarning,
                          MessageIcon::Exclamation);
    return false;
  }
  panel.SetSelectedHost(row->address);
  const bool secure = IsSecureFlagSet(FieldText(context.session.ssl));
  StartProbe(context, services, row->address, secure);
  if (!WaitForReachability(context.state.reachResult, services.clock, context.messages, panel))
    return false;
  OpenPages(services, row->address, secure);
  return true;
}

}  // namespace tarvix::settings
