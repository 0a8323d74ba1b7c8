#include "addons/InstallationRunner.h"

#include "addons/AddonMessages.h"
#include "addons/LanguageRows.h"
#include "addons/PayloadCatalogue.h"
#include "addons/WritePayload.h"
#include "protocol/FixedText.h"

namespace tarvix::addons {

int InstallationRunner::TimerId() const {
  return context_.state.bitTorrentMode == 1 ? kBitTorrentTimer : kLanguageTimer;
}

void InstallationRunner::OnTimer(int timerId, LoadingView& view) {
  const InstallKind kind =
      timerId == kBitTorrentTimer ? InstallKind::BitTorrent : InstallKind::Language;
  context_.operations.SendTextCommand(kCommandPrepare, "rw");
  FindShareName();
  // A share answer that names neither system share gives no place to write to:
  // nothing is written and the device is told to stop.
  const auto destination = DestinationFor(FieldText(context_.session.shareName), kind);
  if (kind == InstallKind::BitTorrent) context_.state.bitTorrentMode = 0;
  if (!destination) return Fail(timerId, view);
  if (kind == InstallKind::BitTorrent) {
    if (!InstallBitTorrent(*destination)) return Fail(timerId, view);
    view.CloseDialog();
    view.StopTimer(kBitTorrentTimer);
    context_.state.bitTorrentInstalled = 1;
    return;
  }
  if (!InstallLanguage(*destination)) return Fail(timerId, view);
  view.CloseDialog();
  view.StopTimer(timerId);
}

void InstallationRunner::FindShareName() {
  for (int attempt = 0; attempt < kShareQueryTries; ++attempt) {
    CopyField(context_.session.shareName, "");
    context_.operations.QueryShareName();
    if (IsSystemShare(FieldText(context_.session.shareName))) return;
  }
}

bool InstallationRunner::InstallBitTorrent(const Destination& destination) {
  context_.files.MakeFolder("C:\\bt\\");  // an existing folder is fine
  for (const BitTorrentPayload& payload : PayloadCatalogue::BitTorrentRows()) {
    if (!WritePayload(context_, kBitTorrentType, static_cast<unsigned>(payload.resourceId),
                      payload.stagingFile, destination.PathOf(host_, payload.file)))
      return false;
  }
  context_.operations.SendTextCommand(kCommandBitTorrent, "BT");
  return true;
}

bool InstallationRunner::InstallLanguage(const Destination& destination) {
  const int row = context_.state.languageIndex;
  if (row < 0 || row >= kLanguageRowCount) return false;
  const char* codepage = kLanguageRows[row].codepage;
  for (const LanguagePayload& payload :
       PayloadCatalogue::RowsFor(LeadingNumber(codepage), destination.generation)) {
    if (!WritePayload(context_, "Codepage", static_cast<unsigned>(payload.resourceId),
                      destination.PathOf(host_, payload.file), ""))
      return false;
  }
  CopyField(context_.session.codepage, codepage);
  context_.operations.SendTextCommand(kCommandCodepage, codepage);
  return true;
}

// Files written before the failure stay on the device. A failure before any
// write (no system share) counts as a failed write too, so the language flow
// offers its dialog again instead of waiting for a restart.
void InstallationRunner::Fail(int timerId, LoadingView& view) {
  context_.state.lastWriteFailed = 1;
  view.CloseDialog();
  view.StopTimer(timerId == kBitTorrentTimer ? kBitTorrentTimer : kLanguageTimer);
  context_.operations.SendTextCommand(kCommandStop, "stop");
  context_.messages.Show(text::kCheckHardDrives, text::kNoCaption, settings::MessageIcon::None);
}

}  // namespace tarvix::addons
