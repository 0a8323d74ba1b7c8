#pragma once
#include <optional>
#include <string>

#include "addons/AddonContext.h"

namespace tarvix::addons {

// Each check asks this often, with a pause after every answer.
inline constexpr int kLanguageCheckTries = 10;
inline constexpr int kLanguageCheckPauseMs = 1000;

// What the language dialog does, apart from showing itself: the device checks
// of its initialisation, the firmware refusal, and what OK and Cancel mean.
class LanguageChoice {
 public:
  LanguageChoice(AddonContext& context, std::string host)
      : context_(context), host_(std::move(host)) {}

  // The initialisation's checks: the disk state, then the current code page.
  // The row to preselect, or none when the flow was given up (its message shown,
  // flowAbandoned -1): the dialog then ends with OK but without OK's handling.
  std::optional<int> OnInitDialog();
  // The disk state part alone: true when the device is ready for a code page.
  bool CheckDiskState();
  // The current code page's row, Western European when the device names none.
  int CurrentCodepageRow();
  // The user selected `row`: refuses rows the firmware lacks, with a message;
  // the selection stays.
  void OnSelectionChange(int row);
  // OK with `row` selected (none: no row): true when the dialog ends and the
  // installation of languageIndex runs; false keeps the dialog open.
  bool OnOK(std::optional<int> row);
  // Cancel and the close request.
  void OnCancel();

 private:
  bool RefusedByFirmware(int row) const;

  AddonContext& context_;
  std::string host_;
};

}  // namespace tarvix::addons
