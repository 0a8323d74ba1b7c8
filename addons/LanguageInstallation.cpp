#include "addons/LanguageInstallation.h"

#include "addons/AddonMessages.h"
#include "addons/InstallationRunner.h"
#include "addons/LanguageChoice.h"
#include "addons/MainWindowRefresh.h"

namespace tarvix::addons {
namespace {

// The loading dialog installs languageIndex; its outcome is the latest write's.
// A code page without files writes nothing, so it is judged by the write
// before it in this run, or counts as a success when there was none.
bool InstallChosenLanguage(AddonContext& context, const std::string& host) {
  InstallationRunner runner(context, host);
  context.dialogs.RunLoading(runner);
  if (context.state.lastWriteFailed != 0) return false;
  context.dialogs.RunRestart(context.state);
  return true;
}

}  // namespace

InstallOutcome OnLanguageButton(AddonContext& context, AddonWindow& window) {
  if (!window.DeviceSelected()) {
    context.messages.Show(text::kSelectDevice, text::kCaptionError, settings::MessageIcon::Stop);
    return InstallOutcome::NotStarted;
  }
  const std::string host = window.SelectedHost();
  LanguageChoice choice(context, host);
  InstallOutcome outcome = InstallOutcome::NotStarted;
  // After a failed installation a fresh dialog checks the device again.
  while (context.dialogs.RunLanguage(choice) == LanguageDialogResult::Chosen) {
    if (InstallChosenLanguage(context, host)) {
      outcome = InstallOutcome::Installed;
      break;
    }
    outcome = InstallOutcome::Failed;
  }
  context.state.bitTorrentMode = 0;
  RefreshAfterAddon(context, window);
  return outcome;
}

}  // namespace tarvix::addons
