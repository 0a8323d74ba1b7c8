#include "settings/DriveMapping.h"

#include "protocol/FixedText.h"
#include "settings/DriveAccount.h"
#include "settings/LoginCredentials.h"
#include "settings/SettingsMessages.h"

namespace tarvix::settings {
namespace {

using platform::ConnectRequest;
using platform::DriveService;

struct MappingTarget {
  char letter;
  std::string remoteName;
};

bool Contains(const std::string& text, const char* word) {
  return text.find(word) != std::string::npos;
}

bool IsDone(platform::DriveResult result) { return result == platform::DriveResult::Done; }

// An account that could not be built counts as refused: nothing is sent.
bool TryConnect(DriveService& drives, const MappingTarget& target,
                const std::optional<std::string>& account, std::optional<std::string> password,
                bool interactive = false) {
  if (!account) return false;
  ConnectRequest request{target.letter, target.remoteName, *account, std::move(password),
                         true,          interactive};
  return IsDone(drives.Connect(request));
}

std::string LoginUser(const SettingsContext& context) {
  return std::string(FieldText(context.session.loginUser));
}
std::string LoginPassword(const SettingsContext& context) {
  return std::string(FieldText(context.session.loginPassword));
}

void AskShareUser(SettingsContext& context) {
  RunLoginDialog(context.login, LoginPresetFor(context.state.adminLoginMode, context.system),
                 context.session);
}

// Windows NT: the login dialog first, then the typed credentials a few times.
bool ConnectNt(SettingsContext& context, DriveService& drives, const MappingTarget& target) {
  AskShareUser(context);
  for (int attempt = 0; attempt < kNtConnectAttempts; ++attempt)
    if (TryConnect(drives, target, LoginUser(context), LoginPassword(context))) return true;
  return false;
}

// Without asking: the current network user of the device's domain and the
// current password, or a guest connection when the device names no domain.
bool ConnectSilently(DriveService& drives, const MappingTarget& target, const std::string& domain) {
  if (domain.empty()) return TryConnect(drives, target, std::string(), std::string());
  return TryConnect(drives, target, DomainAccount(domain, drives.CurrentNetworkUser()),
                    std::nullopt);
}

bool ConnectAsTypedUser(SettingsContext& context, DriveService& drives, const MappingTarget& target,
                        const std::string& domain) {
  const std::string user = LoginUser(context);
  const auto account =
      domain.empty() ? std::optional<std::string>(user) : DomainAccount(domain, user);
  return TryConnect(drives, target, account, LoginPassword(context));
}

// Other systems: a silent attempt, then the user's credentials; "Vista" asks
// through the system's own prompt instead of the program's dialog.
bool ConnectOther(SettingsContext& context, DriveService& drives, const MappingTarget& target,
                  bool vista) {
  CopyField(context.session.domain, "");
  context.operations.QueryDomain();
  const std::string domain(FieldText(context.session.domain));
  if (ConnectSilently(drives, target, domain)) return true;
  if (vista) return TryConnect(drives, target, std::string(), std::string(), true);
  AskShareUser(context);
  return ConnectAsTypedUser(context, drives, target, domain);
}

void RefreshAfterChange(PanelView& panel, const std::optional<DeviceRow>& row) {
  panel.RefreshMappedDrives();
  panel.FillDriveLetterCombo();
  if (row) panel.FillVolumeList(*row);
}

void Tell(SettingsContext& context, const char* message, bool success) {
  if (success)
    context.messages.Show(message, text::kCaptionConfirm, MessageIcon::Information);
  else
    context.messages.Show(message, text::kCaptionError, MessageIcon::Stop);
}

bool Connect(SettingsContext& context, DriveService& drives, const MappingTarget& target) {
  const std::string version = context.system.VersionName();
  if (Contains(version, "NT")) return ConnectNt(context, drives, target);
  return ConnectOther(context, drives, target, Contains(version, "Vista"));
}

// The letter's current holder is let go first, so a refused connection leaves
// the letter free rather than half taken over.
bool MapTo(SettingsContext& context, DriveService& drives, const MappingTarget& target,
           const std::string& driveName) {
  drives.Disconnect(driveName);
  const bool mapped = Connect(context, drives, target);
  Tell(context, mapped ? text::kMapped : text::kMapFailed, mapped);
  return mapped;
}

}  // namespace

bool MapNetworkDrive(SettingsContext& context, PanelView& panel, DriveInUseDialogRunner& inUse,
                     DriveService& drives) {
  context.state.adminLoginMode = 0;
  ResetLogin(context.session, "", "");
  const auto row = panel.SelectedDeviceRow();
  if (row) panel.SetSelectedHost(row->address);
  const auto volume = panel.SelectedVolumeName();
  // Without a device row there is no address to build the share's name from.
  if (!volume || !row) {
    context.messages.Show(text::kSelectDevice, text::kCaptionWarning, MessageIcon::Exclamation);
    return false;
  }
  const auto item = panel.DriveComboText();
  if (!item || item->size() < 2) return false;
  if (IsDriveItemInUse(*item)) {
    context.state.reuseDriveAnswer = inUse.Run();
    if (context.state.reuseDriveAnswer == 0) return false;
  }
  const std::string driveName = DriveNameOf(*item);
  if (!MapTo(context, drives, {driveName[0], ShareRemoteName(row->address, *volume)}, driveName))
    return false;
  RefreshAfterChange(panel, row);
  return true;
}

bool UnmapNetworkDrive(SettingsContext& context, PanelView& panel, DriveService& drives) {
  const auto row = panel.SelectedDeviceRow();
  auto text = panel.SelectedVolumeLocation();
  if (!text) text = panel.DriveComboText();
  if (!text) return false;
  const std::string driveName = DriveNameOf(*text);
  const bool released = !driveName.empty() && IsDone(drives.Disconnect(driveName));
  Tell(context, released ? text::kUnmapped : text::kUnmapFailed, released);
  if (!released) return false;
  RefreshAfterChange(panel, row);
  return true;
}

}  // namespace tarvix::settings
