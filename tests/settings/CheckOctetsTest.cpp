#include "settings/CheckOctets.h"

#include <gtest/gtest.h>

#include "tests/mock/FakeLanForm.h"
#include "tests/mock/FakeMessageBoxes.h"

namespace tarvix::settings {
namespace {

struct OctetRow {
  LanField field;
  Octets octets;
  const char* message;
  int focus;
};

class OctetTable : public ::testing::TestWithParam<OctetRow> {};

TEST_P(OctetTable, ComplainsAndFocusesTheOctet) {
  const auto& row = GetParam();
  testing::FakeLanForm form;
  form.Set(row.field, row.octets);
  testing::FakeMessageBoxes messages;
  EXPECT_FALSE(CheckOctets(row.field, row.octets, form, messages));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0],
            (testing::ShownMessage{row.message, "Error", MessageIcon::Information}));
  EXPECT_EQ(form.focus, (std::vector<std::pair<LanField, int>>{{row.field, row.focus}}));
}

using F = LanField;
INSTANTIATE_TEST_SUITE_P(
    EveryRule, OctetTable,
    ::testing::Values(
        OctetRow{
            F::Address, {0, 1, 2, 3}, "Invalid IP address in 1st digit. It should be 1-223.", 0},
        OctetRow{
            F::Address, {224, 0, 0, 1}, "Invalid IP address in 1st digit. It should be 1-223.", 0},
        OctetRow{
            F::Address, {10, 256, 0, 1}, "Invalid IP address in 2nd digit. It should be 0-255.", 1},
        OctetRow{
            F::Address, {10, 0, 300, 1}, "Invalid IP address in 3rd digit. It should be 0-255.", 2},
        OctetRow{
            F::Address, {10, 0, 0, 999}, "Invalid IP address in 4th digit. It should be 0-255.", 3},
        OctetRow{F::Netmask,
                 {256, 0, 0, 0},
                 "Invalid subnet mask address in 1st digit. It should be 0-255.",
                 0},
        OctetRow{F::Netmask,
                 {255, 256, 0, 0},
                 "Invalid subnet mask address in 2nd digit. It should be 0-255.",
                 1},
        OctetRow{F::Netmask,
                 {255, 255, 256, 0},
                 "Invalid subnet mask address in 3rd digit. It should be 0-255.",
                 2},
        OctetRow{F::Netmask,
                 {255, 255, 255, 256},
                 "Invalid subnet mask address in 4th digit. It should be 0-255.",
                 3},
        OctetRow{F::Gateway,
                 {0, 0, 0, 1},
                 "Invalid gateway IP address in 1st digit. It should be 1-223.",
                 0},
        OctetRow{F::Gateway,
                 {10, 256, 0, 1},
                 "Invalid gateway IP address in 2nd digit. It should be 0-255.",
                 1},
        OctetRow{F::Gateway,
                 {10, 0, 256, 1},
                 "Invalid gateway IP address in 3rd digit. It should be 0-255.",
                 2},
        OctetRow{F::Gateway,
                 {10, 0, 0, 256},
                 "Invalid gateway IP address in 4th digit. It should be 0-255.",
                 3}));

TEST(CheckOctets, AcceptsGoodOctetsAndABlankGateway) {
  testing::FakeLanForm form;
  testing::FakeMessageBoxes messages;
  EXPECT_TRUE(CheckOctets(F::Address, {223, 255, 255, 255}, form, messages));
  EXPECT_TRUE(CheckOctets(F::Netmask, {0, 0, 0, 0}, form, messages));
  EXPECT_TRUE(CheckOctets(F::Gateway, {0, 0, 0, 0}, form, messages));  // blank control
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_TRUE(form.focus.empty());
}

}  // namespace
}  // namespace tarvix::settings
