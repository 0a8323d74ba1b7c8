#include "settings/DriveMapping.h"

#include <gtest/gtest.h>

#include "tests/settings/support/SettingsHarness.h"

namespace tarvix::settings {
namespace {

using testing::ShownMessage;
using Log = std::vector<std::string>;

// "account|password|flags" of one connection request; "-" for the current password.
std::string Describe(const platform::ConnectRequest& r) {
  return std::string(1, r.letter) + " " + r.remoteName + " " + r.account + "|" +
         (r.password ? *r.password : "-") + (r.persistent ? "|persistent" : "") +
         (r.interactive ? "|interactive" : "");
}

const ShownMessage kMapped{"Successfully mapped drive.", "Confirm", MessageIcon::Information};
const ShownMessage kMapFailed{"Failed to map drive.", "Error", MessageIcon::Stop};
const ShownMessage kSelect{"Please select a device in the above section.", "Warning",
                           MessageIcon::Exclamation};
const ShownMessage kUnmapFailed{
    "Unable to disconnect this drive.\nPlease select a drive to disconnect and verify that the "
    "drive is not being accessed.",
    "Error", MessageIcon::Stop};
const std::string kShare = "K \\\\10.77.1.2\\HDD_1 ";

class DriveMapping : public ::testing::Test {
 protected:
  bool Map() { return MapNetworkDrive(h.context, panel, inUse, drives); }
  bool Unmap() { return UnmapNetworkDrive(h.context, panel, drives); }
  Log Connects() const {
    Log out;
    for (const auto& r : drives.Connects()) out.push_back(Describe(r));
    return out;
  }
  void AcceptOnly(std::string account, std::string password) {
    drives.SetAcceptance([=](const platform::ConnectRequest& r) {
      return r.account == account && r.password == password;
    });
  }
  void RefuseAll() {
    drives.SetAcceptance([](const auto&) { return false; });
  }
  void TypeLogin(std::string user, std::string password) {
    h.login.script.push_back(LoginEntry{std::move(user), std::move(password)});
  }

  testing::SettingsHarness h;
  testing::FakePanel panel;
  testing::FakeDriveInUseRunner inUse;
  testing::FakeDriveService drives;
};

TEST_F(DriveMapping, FreeLetterIsMappedAsGuestWithoutConfirmation) {
  h.state.adminLoginMode = 1;
  CopyField(h.session.loginPassword, "adminpw");
  EXPECT_TRUE(Map());
  EXPECT_EQ(h.state.adminLoginMode, 0);
  EXPECT_EQ(inUse.runs, 0);
  EXPECT_EQ(drives.Disconnects(), Log{"K:"});
  EXPECT_EQ(Connects(), Log{kShare + "||persistent"});
  EXPECT_EQ(h.messages.shown, std::vector<ShownMessage>{kMapped});
  EXPECT_EQ(panel.selectedHost, "10.77.1.2");
  EXPECT_EQ(panel.log,
            (Log{"RefreshMappedDrives", "FillDriveLetterCombo", "FillVolumeList NAS 10.77.1.2"}));
}

TEST_F(DriveMapping, LetterInUseNeedsConfirmation) {
  panel.driveItem = "K: \\\\server\\music";
  inUse.answer = 0;
  EXPECT_FALSE(Map());
  EXPECT_EQ(h.state.reuseDriveAnswer, 0);
  EXPECT_TRUE(drives.Disconnects().empty());
  EXPECT_TRUE(h.messages.shown.empty());
  EXPECT_TRUE(panel.log.empty());

  inUse.answer = 1;
  EXPECT_TRUE(Map());
  EXPECT_EQ(h.state.reuseDriveAnswer, 1);
  EXPECT_EQ(drives.Disconnects(), Log{"K:"});
  EXPECT_EQ(Connects(), Log{kShare + "||persistent"});
}

TEST_F(DriveMapping, WindowsNtAsksFirstThenTriesSixTimes) {
  h.system.SetVersionName("Windows NT 4");
  TypeLogin("bob", "pw");
  RefuseAll();
  EXPECT_FALSE(Map());
  EXPECT_EQ(h.login.presets, std::vector<LoginPreset>{(LoginPreset{"", false})});
  EXPECT_EQ(Connects(), Log(6, kShare + "bob|pw|persistent"));
  EXPECT_EQ(h.messages.shown, std::vector<ShownMessage>{kMapFailed});
  EXPECT_TRUE(h.operations.log.empty());
  EXPECT_TRUE(panel.log.empty());
  EXPECT_EQ(drives.Disconnects(), Log{"K:"});
}

TEST_F(DriveMapping, WindowsNtStopsAtTheFirstSuccess) {
  h.system.SetVersionName("Windows NT 3.51");
  int calls = 0;
  drives.SetAcceptance([&](const auto&) { return ++calls == 3; });
  EXPECT_TRUE(Map());
  EXPECT_EQ(drives.Connects().size(), 3u);
}

TEST_F(DriveMapping, DomainDeviceTriesTheNetworkUserThenTheTypedOne) {
  h.system.SetVersionName("Windows XP");
  h.operations.domain = "CORP";
  AcceptOnly("CORP\\bob", "pw");
  TypeLogin("bob", "pw");
  EXPECT_TRUE(Map());
  EXPECT_EQ(h.operations.log, Log{"QueryDomain"});
  EXPECT_EQ(Connects(),
            (Log{kShare + "CORP\\alice|-|persistent", kShare + "CORP\\bob|pw|persistent"}));
  EXPECT_EQ(h.messages.shown, std::vector<ShownMessage>{kMapped});
}

TEST_F(DriveMapping, NoDomainTriesGuestThenTheTypedUserAlone) {
  AcceptOnly("bob", "pw");
  TypeLogin("bob", "pw");
  EXPECT_TRUE(Map());
  EXPECT_EQ(Connects(), (Log{kShare + "||persistent", kShare + "bob|pw|persistent"}));
}

TEST_F(DriveMapping, StaleDomainIsForgottenWhenTheDeviceDoesNotAnswer) {
  CopyField(h.session.domain, "OLD");
  RefuseAll();
  EXPECT_FALSE(Map());
  EXPECT_EQ(Connects(), (Log{kShare + "||persistent", kShare + "||persistent"}));
  EXPECT_EQ(h.messages.shown, std::vector<ShownMessage>{kMapFailed});
}

TEST_F(DriveMapping, VistaLetsTheSystemAskInstead) {
  h.system.SetVersionName("Vista");  // every 6.x system
  RefuseAll();
  EXPECT_FALSE(Map());
  EXPECT_TRUE(h.login.presets.empty());
  EXPECT_EQ(Connects(), (Log{kShare + "||persistent", kShare + "||persistent|interactive"}));
}

TEST_F(DriveMapping, Windows98PresetsTheLogonName) {
  h.system.SetVersionName("Windows 98");
  RefuseAll();
  Map();
  EXPECT_EQ(h.login.presets, std::vector<LoginPreset>{(LoginPreset{"winuser", true})});
}

TEST_F(DriveMapping, AnAccountTooLongForItsBufferIsNotTried) {
  h.operations.domain = std::string(127, 'd');
  drives.SetNetworkUser(std::string(200, 'u'));
  TypeLogin("bob", "pw");
  EXPECT_TRUE(Map());
  EXPECT_EQ(Connects(), Log{kShare + std::string(127, 'd') + "\\bob|pw|persistent"});
}

TEST_F(DriveMapping, NoVolumeOrNoDeviceRowIsReported) {
  panel.volumeName.reset();
  EXPECT_FALSE(Map());
  panel.volumeName = "HDD_1";
  panel.deviceRow.reset();
  EXPECT_FALSE(Map());
  EXPECT_EQ(h.messages.shown, (std::vector<ShownMessage>{kSelect, kSelect}));
  EXPECT_TRUE(drives.Disconnects().empty());
  EXPECT_TRUE(drives.Connects().empty());
}

TEST_F(DriveMapping, NoDriveLetterStopsSilently) {
  panel.driveItem.reset();
  EXPECT_FALSE(Map());
  EXPECT_TRUE(h.messages.shown.empty());
  EXPECT_TRUE(drives.Disconnects().empty());
}

// A mapping that starts where an Apply left off: the administrator's name and
// password are still in the login fields. A cancelled share login must send
// empty credentials to the share, never the administrator's.
struct StaleLoginCase {
  const char* name;
  const char* versionName;
  std::optional<std::string> domain;
  Log connects;
};
void PrintTo(const StaleLoginCase& c, std::ostream* os) { *os << c.name; }

class StaleLogin : public DriveMapping, public ::testing::WithParamInterface<StaleLoginCase> {};

TEST_P(StaleLogin, CancelledShareLoginSendsEmptyCredentials) {
  h.system.SetVersionName(GetParam().versionName);
  h.operations.domain = GetParam().domain;
  CopyField(h.session.loginUser, "admin");
  CopyField(h.session.loginPassword, "adminpw");
  RefuseAll();
  EXPECT_FALSE(Map());
  EXPECT_EQ(h.login.presets.size(), 1u);  // shown once, and cancelled
  EXPECT_EQ(Connects(), GetParam().connects);
  EXPECT_STREQ(h.session.loginUser, "");
  EXPECT_STREQ(h.session.loginPassword, "");
}

INSTANTIATE_TEST_SUITE_P(
    Paths, StaleLogin,
    ::testing::Values(
        StaleLoginCase{"NoDomain", "Linux", "", {kShare + "||persistent", kShare + "||persistent"}},
        StaleLoginCase{"Domain",
                       "Linux",
                       "CORP",
                       {kShare + "CORP\\alice|-|persistent", kShare + "CORP\\||persistent"}},
        StaleLoginCase{"WindowsNt", "Windows NT 4", std::nullopt, Log(6, kShare + "||persistent")}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(DriveMapping, UnmapDisconnectsTheSelectedVolumesLetter) {
  drives.MapRemote('G', "\\\\10.77.1.2\\HDD_1");
  panel.volumeLocation = "G:";
  EXPECT_TRUE(Unmap());
  EXPECT_EQ(drives.Disconnects(), Log{"G:"});
  EXPECT_EQ(h.messages.shown, (std::vector<ShownMessage>{{"Successfully unmapped drive.", "Confirm",
                                                          MessageIcon::Information}}));
  EXPECT_EQ(panel.log,
            (Log{"RefreshMappedDrives", "FillDriveLetterCombo", "FillVolumeList NAS 10.77.1.2"}));
}

TEST_F(DriveMapping, UnmapWithoutVolumeUsesTheComboLetter) {
  panel.volumeName.reset();
  panel.driveItem = "Y: \\\\other\\share";
  drives.MapRemote('Y', "\\\\other\\share");
  panel.deviceRow.reset();
  EXPECT_TRUE(Unmap());
  EXPECT_EQ(drives.Disconnects(), Log{"Y:"});
  EXPECT_EQ(panel.log, (Log{"RefreshMappedDrives", "FillDriveLetterCombo"}));
}

TEST_F(DriveMapping, UnmapFailuresAreReportedAndNothingIsRefreshed) {
  panel.volumeLocation = "";
  EXPECT_FALSE(Unmap());
  EXPECT_TRUE(drives.Disconnects().empty());
  panel.volumeLocation = "G:";  // not connected
  EXPECT_FALSE(Unmap());
  EXPECT_EQ(h.messages.shown, (std::vector<ShownMessage>{kUnmapFailed, kUnmapFailed}));
  EXPECT_TRUE(panel.log.empty());
}

TEST_F(DriveMapping, UnmapWithNothingChosenStopsSilently) {
  panel.driveItem.reset();
  EXPECT_FALSE(Unmap());
  EXPECT_TRUE(h.messages.shown.empty());
  EXPECT_TRUE(drives.Disconnects().empty());
}

}  // namespace
}  // namespace tarvix::settings
