#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "protocol/DeviceList.h"
#include "protocol/ShareList.h"

namespace tarvix {
namespace {

const uint8_t kId[kDeviceIdSize] = {};

void AppendNumbered(DeviceList& devices, int n) {
  devices.AppendDevice("d", "10.0." + std::to_string(n / 256) + "." + std::to_string(n % 256), "",
                       "", kId, "", "0", 0);
}

// A command keeps the selected node across its exchange and rewrites it afterwards;
// appending more devices must not move it.
TEST(DeviceListTest, NodesStayInPlaceWhileTheListGrows) {
  DeviceList devices;
  AppendNumbered(devices, 1);
  DeviceNode* held = devices.FindByAddress("10.0.0.1");
  ASSERT_NE(held, nullptr);
  for (int n = 2; n <= 2000; ++n) AppendNumbered(devices, n);
  EXPECT_EQ(devices.FindByAddress("10.0.0.1"), held);
  EXPECT_STREQ(held->address, "10.0.0.1");
  EXPECT_EQ(devices.Count(), 2000);
  EXPECT_EQ(devices.Head(), held);
}

TEST(DeviceListTest, RangeForWalksInAppendOrder) {
  DeviceList devices;
  EXPECT_EQ(devices.begin(), devices.end());
  EXPECT_EQ(devices.Head(), nullptr);
  for (int n : {5, 3, 9}) AppendNumbered(devices, n);
  std::vector<std::string> order;
  for (const DeviceNode& node : devices) order.push_back(node.address);
  EXPECT_EQ(order, (std::vector<std::string>{"10.0.0.5", "10.0.0.3", "10.0.0.9"}));
  devices.ClearDevices();
  EXPECT_TRUE(devices.IsEmpty());
  EXPECT_EQ(devices.begin(), devices.end());
}

TEST(ShareListTest, RangeForWalksInAppendOrderWithoutRepeats) {
  ShareList shares;
  shares.AppendShareText("b:a:b");
  std::vector<std::string> names;
  for (const ShareNode& node : shares) names.push_back(node.name);
  EXPECT_EQ(names, (std::vector<std::string>{"b", "a"}));
  EXPECT_EQ(shares.Count(), 2);
  shares.Clear();
  EXPECT_EQ(shares.begin(), shares.end());
}

// A long share text: thousands of names, each named twice, kept once in the order of
// their first mention; a name cut at 255 bytes is the same as its cut form.
TEST(ShareListTest, ThousandsOfNamesKeepTheirOrderWithoutRepeats) {
  std::string text;
  for (int round = 0; round < 2; ++round)
    for (int n = 0; n < 3000; ++n) text += "s" + std::to_string(n) + ":";
  ShareList shares;
  shares.AppendShareText(text);
  ASSERT_EQ(shares.Count(), 3000);
  int n = 0;
  for (const ShareNode& node : shares) EXPECT_EQ(node.name, "s" + std::to_string(n++));
  EXPECT_TRUE(shares.Contains("s2999"));
  EXPECT_FALSE(shares.Contains("s3000"));

  shares.Clear();
  EXPECT_FALSE(shares.Contains("s1"));
  shares.Append(std::string(300, 'x'));
  shares.Append(std::string(255, 'x'));
  EXPECT_EQ(shares.Count(), 1);
  EXPECT_TRUE(shares.Contains(std::string(255, 'x')));
}

}  // namespace
}  // namespace tarvix
