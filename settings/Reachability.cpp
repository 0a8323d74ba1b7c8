#include "settings/Reachability.h"

#include "settings/SettingsMessages.h"

namespace tarvix::settings {
namespace {

constexpr int kPollPauseMs = 1000;
constexpr int kMaxPauses = 2;

void ReportUnavailable(MessageBoxes& messages, PanelView& panel) {
  messages.Show(text::kDeviceUnavailable, text::kCaptionWarning, MessageIcon::Exclamation);
  panel.RefreshMappedDrives();
  panel.FillDriveLetterCombo();
  panel.Search();
  panel.ClearDeviceSelected();
}

}  // namespace

std::uint16_t WebPort(bool secure) { return secure ? 443 : 80; }

void CheckReachability(platform::ReachabilityChecker& checker, const std::string& address,
                       bool secure, std::atomic<int>& reachResult) {
  const bool reached = checker.CanConnect(address, WebPort(secure), kReachabilityTimeout);
  reachResult.store(reached ? kReachable : kUnreachable);
}

bool WaitForReachability(std::atomic<int>& reachResult, Sleeper& sleeper,
                         MessageBoxes& messages, PanelView& panel) {
  for (int pauses = 0;; ++pauses) {
    const int result = reachResult.load();
    if (result == kReachable) break;
    if (result == kUnreachable || pauses == kMaxPauses) {
      reachResult.store(kReachPending);
      ReportUnavailable(messages, panel);
      return false;
    }
    sleeper.Sleep(kPollPauseMs);
  }
  reachResult.store(kReachPending);
  return true;
}

}  // namespace tarvix::settings
