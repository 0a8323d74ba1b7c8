#include "settings/LanInput.h"

#include <gtest/gtest.h>

#include "protocol/FixedText.h"
#include "tests/mock/FakeLanForm.h"
#include "tests/mock/FakeMessageBoxes.h"

namespace tarvix::settings {
namespace {

using testing::FakeLanForm;
using testing::FakeMessageBoxes;
using testing::ShownMessage;
using F = LanField;
using MaybeOctets = std::optional<Octets>;

FakeLanForm Form(MaybeOctets address, MaybeOctets mask, MaybeOctets gateway) {
  FakeLanForm form;
  if (address) form.Set(F::Address, *address);
  if (mask) form.Set(F::Netmask, *mask);
  if (gateway) form.Set(F::Gateway, *gateway);
  return form;
}

TEST(StoreLanFields, WritesEntryZeroUnlessThePortIsLan2) {
  FakeLanForm form = Form(Octets{10, 0, 0, 5}, Octets{255, 0, 0, 0}, std::nullopt);
  form.dhcpChoice = kDhcpEnable;
  LanInfo info{};
  CopyField(info.ports[0].name, "LAN1");
  StoreLanFields("LAN1", form, info);
  EXPECT_EQ(FieldText(info.ports[0].name), "LAN1");
  EXPECT_EQ(FieldText(info.ports[0].address), "10.0.0.5");
  EXPECT_EQ(FieldText(info.ports[0].netmask), "255.0.0.0");
  EXPECT_EQ(FieldText(info.ports[0].gateway), "0.0.0.0");
  EXPECT_EQ(FieldText(info.ports[0].dhcpFlag), "1");
  form.dhcpChoice = kDhcpDisable;
  StoreLanFields("LAN2", form, info);
  EXPECT_EQ(FieldText(info.ports[1].address), "10.0.0.5");
  EXPECT_EQ(FieldText(info.ports[1].dhcpFlag), "0");
  EXPECT_EQ(FieldText(info.ports[0].dhcpFlag), "1");
}

TEST(StoreLanFields, NoDhcpChoiceLeavesTheFlag) {
  FakeLanForm form;
  form.dhcpChoice = kDhcpNoChoice;
  LanInfo info{};
  CopyField(info.ports[0].dhcpFlag, "1");
  StoreLanFields("", form, info);
  EXPECT_EQ(FieldText(info.ports[0].dhcpFlag), "1");
}

struct RefusalRow {
  const char* name;
  MaybeOctets address, mask, gateway;
  ShownMessage message;
};

class CheckLanInputRefusals : public ::testing::TestWithParam<RefusalRow> {};

TEST_P(CheckLanInputRefusals, ShowsTheFirstComplaintOnly) {
  const auto& row = GetParam();
  FakeLanForm form = Form(row.address, row.mask, row.gateway);
  FakeMessageBoxes messages;
  DeviceSession session;
  EXPECT_FALSE(CheckLanInput(form, messages, session));
  EXPECT_EQ(messages.shown, std::vector<ShownMessage>{row.message});
}

const ShownMessage kFirstDigit{"Invalid IP address in 1st digit. It should be 1-223.", "Error",
                               MessageIcon::Information};
const ShownMessage kIncorrect{"You enter incorrect TCP/IP configuration. Please try again.",
                              "Error", MessageIcon::Stop};
constexpr Octets kMask24{255, 255, 255, 0};

INSTANTIATE_TEST_SUITE_P(
    InOrder, CheckLanInputRefusals,
    ::testing::Values(
        RefusalRow{"BlankAddress",
                   std::nullopt,
                   std::nullopt,
                   std::nullopt,
                   {"Please input IP address!", "Warning", MessageIcon::Exclamation}},
        RefusalRow{"BlankMaskBeforeLoopback",
                   Octets{127, 0, 0, 1},
                   std::nullopt,
                   std::nullopt,
                   {"Please input net mask address!", "Warning", MessageIcon::Exclamation}},
        RefusalRow{
            "Loopback",
            Octets{127, 0, 0, 1},
            kMask24,
            std::nullopt,
            {"IP address input error. Please try again.", "Warning", MessageIcon::Exclamation}},
        RefusalRow{"ZeroFirstOctet", Octets{0, 1, 2, 3}, kMask24, std::nullopt, kFirstDigit},
        RefusalRow{"Multicast", Octets{224, 0, 0, 1}, kMask24, std::nullopt, kFirstDigit},
        RefusalRow{"GatewayFirstOctet",
                   Octets{10, 0, 0, 5},
                   kMask24,
                   Octets{0, 0, 0, 9},
                   {"Invalid gateway IP address in 1st digit. It should be 1-223.", "Error",
                    MessageIcon::Information}},
        RefusalRow{
            "SplitMask",
            Octets{10, 0, 0, 5},
            Octets{255, 0, 255, 0},
            std::nullopt,
            {"Netmask address input invalid. Please try again.", "Error", MessageIcon::Stop}},
        RefusalRow{"BlankGateway", Octets{192, 168, 0, 10}, kMask24, std::nullopt, kIncorrect},
        RefusalRow{"NetworkGateway", Octets{192, 168, 0, 10}, kMask24, Octets{192, 168, 0, 0},
                   kIncorrect},
        RefusalRow{"BroadcastGateway", Octets{192, 168, 0, 10}, kMask24, Octets{192, 168, 0, 255},
                   kIncorrect},
        RefusalRow{"ForeignGateway", Octets{192, 168, 0, 10}, kMask24, Octets{192, 168, 1, 1},
                   kIncorrect}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(CheckLanInput, FocusesTheOffendingOctet) {
  FakeLanForm form = Form(Octets{0, 1, 2, 3}, kMask24, std::nullopt);
  FakeMessageBoxes messages;
  DeviceSession session;
  CheckLanInput(form, messages, session);
  EXPECT_EQ(form.focus, (std::vector<std::pair<F, int>>{{F::Address, 0}}));
}

TEST(CheckLanInput, AcceptedSettingsFillThePendingTextsFromEntryZero) {
  FakeLanForm form = Form(Octets{192, 168, 0, 10}, kMask24, Octets{192, 168, 0, 1});
  DeviceSession session;
  StoreLanFields("", form, session.lanInfo);
  FakeMessageBoxes messages;
  EXPECT_TRUE(CheckLanInput(form, messages, session));
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(FieldText(session.pendingAddress), "192.168.0.10");
  EXPECT_EQ(FieldText(session.pendingNetmask), "255.255.255.0");
  EXPECT_EQ(FieldText(session.pendingGateway), "192.168.0.1");
}

TEST(CheckLanInput, LinkLocalNeedsNoGateway) {
  FakeLanForm form = Form(Octets{169, 254, 3, 4}, Octets{255, 255, 0, 0}, std::nullopt);
  DeviceSession session;
  CopyField(session.pendingGateway, "old");
  StoreLanFields("", form, session.lanInfo);
  FakeMessageBoxes messages;
  EXPECT_TRUE(CheckLanInput(form, messages, session));
  EXPECT_EQ(FieldText(session.pendingGateway), "");
}

TEST(CheckLanInput, PendingTextsComeFromEntryZeroEvenForLan2) {
  FakeLanForm form = Form(Octets{10, 0, 1, 5}, kMask24, Octets{10, 0, 1, 1});
  DeviceSession session;
  CopyField(session.lanInfo.ports[0].address, "10.0.0.5");
  CopyField(session.lanInfo.ports[0].netmask, "255.255.255.0");
  CopyField(session.lanInfo.ports[0].gateway, "10.0.0.1");
  StoreLanFields("LAN2", form, session.lanInfo);
  FakeMessageBoxes messages;
  EXPECT_TRUE(CheckLanInput(form, messages, session));
  EXPECT_EQ(FieldText(session.pendingAddress), "10.0.0.5");
  EXPECT_EQ(FieldText(session.pendingGateway), "10.0.0.1");
}

}  // namespace
}  // namespace tarvix::settings
