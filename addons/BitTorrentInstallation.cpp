#include "addons/BitTorrentInstallation.h"

#include "addons/AbandonFlow.h"
#include "addons/AddonMessages.h"
#include "addons/DeviceQuestion.h"
#include "addons/InstallationRunner.h"
#include "addons/MainWindowRefresh.h"
#include "protocol/FixedText.h"

namespace tarvix::addons {
namespace {

constexpr const char* kStagingFolder = "C:\\bt\\";
constexpr int kSupported = 1;
constexpr int kNotSupported = 2;

int AskDiskState(AddonContext& context) {
  int state = AskDevice(context, &AddonOperations::QueryIdeOk, context.session.ideOk,
                        kBitTorrentTries, kBitTorrentPauseMs,
                        [](const Answer& a) {
                          return (a.value >= 1 && a.value <= 4) || (a.value == 5 && a.answered);
                        })
                  .value;
  if (state >= 3 && state <= 5) {
    CopyField(context.session.ideOk, "3");
    state = 3;
  }
  return state;
}

int AskSupport(AddonContext& context) {
  auto& field = context.session.btFirmware;
  const Answer first =
      AskDevice(context, &AddonOperations::QueryBtFirmware, field, 1,
                kBitTorrentFirstSupportPauseMs, [](const Answer&) { return true; });
  // A definite no is taken at once; anything else is asked again.
  if (first.value == kNotSupported && first.answered) return first.value;
  return AskDevice(context, &AddonOperations::QueryBtFirmware, field, kBitTorrentTries,
                   kBitTorrentPauseMs, [](const Answer& a) { return a.value == kSupported; })
      .value;
}

}  // namespace

bool CheckBitTorrentSupport(AddonContext& context, const std::string& host) {
  const int disk = AskDiskState(context);
  const int support = AskSupport(context);
  switch (disk) {
    case 1: return AbandonFlow(context, text::kNoHardDrives);
    case 2: return AbandonForFormatting(context, host);
    case 3:
      if (support == kSupported) return true;
      return AbandonFlow(context, text::kNoBitTorrent);
    default: return AbandonFlow(context, text::kNoBitTorrent);
  }
}

InstallOutcome OnBitTorrentButton(AddonContext& context, AddonWindow& window,
                                  const AdministratorCheck& verifyAdministrator) {
  AddonState& state = context.state;
  state.bitTorrentMode = 1;
  // Every way out leaves the mode at 0, so a later language installation
  // installs language files.
  const auto stop = [&state] {
    state.bitTorrentMode = 0;
    return InstallOutcome::NotStarted;
  };
  if (!window.DeviceSelected()) {
    context.messages.Show(text::kSelectDevice, text::kCaptionError, settings::MessageIcon::Stop);
    return stop();
  }
  if (!verifyAdministrator()) return stop();
  const std::string host = window.SelectedHost();
  if (!CheckBitTorrentSupport(context, host)) return stop();
  InstallationRunner runner(context, host);
  context.dialogs.RunLoading(runner);
  const InstallOutcome outcome =
      state.bitTorrentInstalled == 1 ? InstallOutcome::Installed : InstallOutcome::Failed;
  if (state.bitTorrentInstalled == 1) context.dialogs.RunRestart(state);
  if (state.flowAbandoned == 0) {
    state.bitTorrentMode = 0;
    state.bitTorrentInstalled = 0;
    RefreshAfterAddon(context, window);
    // Empty after the staged copies, which delete their staging files.
    context.files.RemoveFolder(kStagingFolder);
  }
  return outcome;
}

}  // namespace tarvix::addons
