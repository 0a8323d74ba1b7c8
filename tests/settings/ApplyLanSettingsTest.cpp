#include "settings/ApplyLanSettings.h"

#include <gtest/gtest.h>

#include "tests/settings/support/SettingsHarness.h"

namespace tarvix::settings {
namespace {

using testing::ShownMessage;
using Log = std::vector<std::string>;

class ApplyLan : public ::testing::Test {
 protected:
  void SetUp() override {
    form.Set(LanField::Address, {192, 168, 0, 20});
    form.Set(LanField::Netmask, {255, 255, 255, 0});
    form.Set(LanField::Gateway, {192, 168, 0, 1});
  }
  void GivePorts() {
    CopyField(h.session.lanInfo.ports[0].name, "LAN1");
    CopyField(h.session.lanInfo.ports[1].name, "LAN2");
  }
  LanApplyResult Apply() { return ApplyLanSettings(h.context, form, panel); }

  testing::SettingsHarness h;
  testing::FakeLanForm form;
  testing::FakePanel panel;
};

TEST_F(ApplyLan, NothingHappensWithoutASelectedDevice) {
  panel.deviceSelected = false;
  EXPECT_EQ(Apply(), LanApplyResult::Stopped);
  EXPECT_EQ(h.state.adminLoginMode, 1);
  EXPECT_EQ(h.messages.shown,
            (std::vector<ShownMessage>{
                {"Please select a device in the above section.", "Error", MessageIcon::Stop}}));
  EXPECT_TRUE(h.operations.log.empty());
  EXPECT_TRUE(panel.log.empty());
}

TEST_F(ApplyLan, StaticSettingsAreCheckedVerifiedSentThenSearched) {
  EXPECT_EQ(Apply(), LanApplyResult::Applied);
  EXPECT_EQ(h.operations.log, (Log{"VerifyLogin admin/", "SetStaticAddress"}));
  EXPECT_EQ(panel.log, Log{"Search"});
  EXPECT_EQ(FieldText(h.session.pendingAddress), "192.168.0.20");
  EXPECT_TRUE(h.messages.shown.empty());
}

TEST_F(ApplyLan, ValidationFailureSendsNothingAndAsksNoPassword) {
  form.values.erase(LanField::Gateway);
  EXPECT_EQ(Apply(), LanApplyResult::Stopped);
  EXPECT_TRUE(h.operations.log.empty());
  EXPECT_TRUE(panel.log.empty());
}

TEST_F(ApplyLan, RefusedPasswordSendsNothing) {
  h.operations.adminPassword = "secret";
  EXPECT_EQ(Apply(), LanApplyResult::Stopped);
  EXPECT_EQ(h.operations.log, (Log{"VerifyLogin admin/", "VerifyLogin admin/"}));
  EXPECT_TRUE(panel.log.empty());
}

TEST_F(ApplyLan, UnacknowledgedStaticSettingsAreNotShownButStillSearched) {
  h.operations.staticResult = 0;
  EXPECT_EQ(Apply(), LanApplyResult::NotAcknowledged);
  EXPECT_TRUE(h.messages.shown.empty());
  EXPECT_EQ(panel.log, Log{"Search"});
}

TEST_F(ApplyLan, DhcpSkipsValidation) {
  form.values.clear();
  form.dhcpChoice = kDhcpEnable;
  EXPECT_EQ(Apply(), LanApplyResult::Applied);
  EXPECT_EQ(h.operations.log, (Log{"VerifyLogin admin/", "SetDhcp"}));
  EXPECT_EQ(
      h.messages.shown,
      (std::vector<ShownMessage>{{"DHCP client enabled.", "Confirm", MessageIcon::Information}}));
  EXPECT_EQ(panel.log, Log{"Search"});
}

TEST_F(ApplyLan, DhcpFailureIsShownAndNotSearched) {
  form.dhcpChoice = kDhcpEnable;
  h.operations.dhcpResult = 0;
  EXPECT_EQ(Apply(), LanApplyResult::DhcpFailed);
  EXPECT_EQ(h.messages.shown,
            (std::vector<ShownMessage>{{"Set to dhcp client fail.", "Error", MessageIcon::Stop}}));
  EXPECT_TRUE(panel.log.empty());
}

TEST_F(ApplyLan, NoDhcpChoiceStops) {
  form.dhcpChoice = kDhcpNoChoice;
  EXPECT_EQ(Apply(), LanApplyResult::Stopped);
  EXPECT_TRUE(h.operations.log.empty());
  EXPECT_TRUE(h.messages.shown.empty());
}

TEST_F(ApplyLan, PortedDeviceSendsBothEntriesWithTheDhcpFlagInside) {
  GivePorts();
  form.dhcpChoice = kDhcpEnable;
  form.portText = "LAN2";
  EXPECT_EQ(Apply(), LanApplyResult::Applied);
  EXPECT_EQ(h.operations.log, (Log{"VerifyLogin admin/", "SetStaticAddress"}));
  EXPECT_EQ(FieldText(h.session.lanInfo.ports[1].address), "192.168.0.20");
  EXPECT_EQ(FieldText(h.session.lanInfo.ports[1].dhcpFlag), "1");
  EXPECT_TRUE(h.messages.shown.empty());
}

TEST_F(ApplyLan, PortedDeviceWithDhcpStillValidatesTheFields) {
  GivePorts();
  form.dhcpChoice = kDhcpEnable;
  form.values.clear();
  EXPECT_EQ(Apply(), LanApplyResult::Stopped);
  EXPECT_EQ(h.messages.shown, (std::vector<ShownMessage>{{"Please input IP address!", "Warning",
                                                          MessageIcon::Exclamation}}));
}

}  // namespace
}  // namespace tarvix::settings
