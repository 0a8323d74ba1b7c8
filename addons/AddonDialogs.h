#pragma once

namespace tarvix::addons {

struct AddonState;
class InstallationRunner;
class LanguageChoice;

// How a language dialog ended.
enum class LanguageDialogResult {
  GaveUp,     // its checks refused the device before the user saw the list
  Cancelled,  // Cancel or the close request
  Chosen,     // OK with a row the firmware offers (in languageIndex)
};

// The dialogs of the add-on flows, each run modally. Like the flows, the
// dialogs say what happened through AddonState.
class AddonDialogs {
 public:
  virtual ~AddonDialogs() = default;
  // The loading dialog: the runner installs from its timer and closes it.
  virtual void RunLoading(InstallationRunner& runner) = 0;
  // The language dialog, whose checks and answers are `choice`'s.
  virtual LanguageDialogResult RunLanguage(LanguageChoice& choice) = 0;
  // The restart progress; resets flowAbandoned before it returns.
  virtual void RunRestart(AddonState& state) = 0;
  // The widget engine prompt; sets widgetDownload.
  virtual void RunWidget(AddonState& state) = 0;
  // The model choice; sets modelChoice.
  virtual void RunModelSelect(AddonState& state) = 0;
};

}  // namespace tarvix::addons
