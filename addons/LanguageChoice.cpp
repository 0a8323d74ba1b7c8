#include "addons/LanguageChoice.h"

#include "addons/AbandonFlow.h"
#include "addons/AddonMessages.h"
#include "addons/DeviceQuestion.h"
#include "addons/LanguageRows.h"
#include "protocol/FixedText.h"

namespace tarvix::addons {
namespace {

enum DiskState {
  kNoDisk = 1,
  kUnformatted = 2,
  kReady = 3,
  kUnicode = 4,
  kReadyExtended = 5,
};

bool IsListedCodepage(int codepage) { return RowOfCodepage(codepage).has_value(); }

}  // namespace

std::optional<int> LanguageChoice::OnInitDialog() {
  if (!CheckDiskState()) return std::nullopt;
  return CurrentCodepageRow();
}

bool LanguageChoice::CheckDiskState() {
  DeviceSession& session = context_.session;
  int state =
      AskDevice(context_, &AddonOperations::QueryIdeOk, session.ideOk, kLanguageCheckTries,
                kLanguageCheckPauseMs,
                [](const Answer& a) { return a.value >= kNoDisk && a.value <= kReadyExtended; })
          .value;
  context_.state.extendedCodepages = 0;
  if (state == kReadyExtended) {
    context_.state.extendedCodepages = 1;
    state = kReady;
    CopyField(session.ideOk, "3");
  }
  switch (state) {
    case kReady: return true;
    case kNoDisk: return AbandonFlow(context_, text::kNoHardDrives);
    case kUnformatted: return AbandonForFormatting(context_, host_);
    case kUnicode: return AbandonFlow(context_, text::kSupportsUnicode);
    default: return AbandonFlow(context_, text::kNoMultiLanguage);
  }
}

int LanguageChoice::CurrentCodepageRow() {
  const int codepage =
      AskDevice(context_, &AddonOperations::QueryCodepage, context_.session.codepage,
                kLanguageCheckTries, kLanguageCheckPauseMs,
                [](const Answer& a) { return IsListedCodepage(a.value); })
          .value;
  return RowOfCodepage(codepage).value_or(kWesternEuropeanRow);
}

bool LanguageChoice::RefusedByFirmware(int row) const {
  return context_.state.extendedCodepages == 0 && row >= 0 && row < kLanguageRowCount &&
         kLanguageRows[row].needsExtendedCodepages;
}

void LanguageChoice::OnSelectionChange(int row) {
  if (RefusedByFirmware(row))
    context_.messages.Show(text::kCodepageNotInFirmware, text::kNoCaption,
                           settings::MessageIcon::None);
}

bool LanguageChoice::OnOK(std::optional<int> row) {
  if (!row || *row < 0 || *row >= kLanguageRowCount) return false;
  context_.state.languageIndex = *row;
  if (RefusedByFirmware(*row)) {
    context_.messages.Show(text::kCodepageNotInFirmware, text::kNoCaption,
                           settings::MessageIcon::None);
    return false;
  }
  return true;
}

void LanguageChoice::OnCancel() { context_.state.flowAbandoned = -1; }

}  // namespace tarvix::addons
