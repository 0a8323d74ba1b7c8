#pragma once
#include <string>

#include "addons/AddonContext.h"
#include "addons/Destination.h"

namespace tarvix::addons {

// The loading dialog as the runner closes it.
class LoadingView {
 public:
  virtual ~LoadingView() = default;
  // Ends the dialog (with the cancel result, as every ending of it does).
  virtual void CloseDialog() = 0;
  virtual void StopTimer(int timerId) = 0;
};

// The timer ids of the loading dialog say what to install.
inline constexpr int kLanguageTimer = 1;
inline constexpr int kBitTorrentTimer = 2;
inline constexpr int kLoadingDelayMs = 2000;
// The share query is asked this often before the runner goes with the answer.
inline constexpr int kShareQueryTries = 10;

// The installation that runs in the loading dialog's timer: tells the device to
// prepare, finds its system share, writes the payloads there, tells the device
// to take them up and closes the dialog. The outcome is left in AddonState.
class InstallationRunner {
 public:
  // `host`: the selected device's address, for the payloads' network paths.
  InstallationRunner(AddonContext& context, std::string host)
      : context_(context), host_(std::move(host)) {}

  // The timer that the dialog starts: 2 while bitTorrentMode is 1, else 1.
  int TimerId() const;
  // Timer `timerId` fired: installs, then closes the dialog. Any id but 2 is a
  // language installation.
  void OnTimer(int timerId, LoadingView& view);

 private:
  void FindShareName();
  bool InstallBitTorrent(const Destination& destination);
  bool InstallLanguage(const Destination& destination);
  void Fail(int timerId, LoadingView& view);

  AddonContext& context_;
  std::string host_;
};

}  // namespace tarvix::addons
