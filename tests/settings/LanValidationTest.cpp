#include "settings/LanValidation.h"

#include <gtest/gtest.h>

namespace tarvix::settings {
namespace {

struct MaskRow {
  Octets mask;
  bool contiguous;
};

class NetmaskTable : public ::testing::TestWithParam<MaskRow> {};

TEST_P(NetmaskTable, OnesThenZeros) {
  EXPECT_EQ(IsContiguousNetmask(GetParam().mask), GetParam().contiguous);
}

INSTANTIATE_TEST_SUITE_P(
    Masks, NetmaskTable,
    ::testing::Values(MaskRow{{255, 255, 255, 0}, true}, MaskRow{{255, 255, 255, 255}, true},
                      MaskRow{{128, 0, 0, 0}, true}, MaskRow{{255, 255, 255, 252}, true},
                      MaskRow{{255, 0, 255, 0}, false}, MaskRow{{0, 0, 0, 0}, false},
                      MaskRow{{0, 255, 255, 255}, false}, MaskRow{{255, 255, 254, 1}, false}));

struct GatewayRow {
  Octets address;
  Octets mask;
  Octets gateway;
  bool refused;
};

class GatewayTable : public ::testing::TestWithParam<GatewayRow> {};

TEST_P(GatewayTable, RefusesNetworkBroadcastAndForeignGateways) {
  const auto& row = GetParam();
  EXPECT_EQ(IsGatewayInconsistent(row.address, row.mask, row.gateway), row.refused);
}

constexpr Octets kAddress{192, 168, 0, 10};
constexpr Octets kMask{255, 255, 255, 0};

INSTANTIATE_TEST_SUITE_P(
    Gateways, GatewayTable,
    ::testing::Values(GatewayRow{kAddress, kMask, {192, 168, 0, 1}, false},
                      GatewayRow{kAddress, kMask, {192, 168, 0, 0}, true},
                      GatewayRow{kAddress, kMask, {192, 168, 0, 255}, true},
                      GatewayRow{kAddress, kMask, {192, 168, 1, 1}, true},
                      GatewayRow{kAddress, kMask, {0, 0, 0, 0}, true},
                      GatewayRow{{169, 254, 3, 4}, {255, 255, 0, 0}, {0, 0, 0, 0}, false},
                      GatewayRow{{169, 254, 3, 4}, {255, 255, 0, 0}, {10, 0, 0, 1}, false},
                      GatewayRow{{10, 1, 2, 3}, {255, 0, 0, 0}, {10, 200, 0, 1}, false}));

}  // namespace
}  // namespace tarvix::settings
