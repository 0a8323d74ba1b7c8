#include "addons/WidgetInstallation.h"

#include <gtest/gtest.h>

#include "tests/addons/AddonHarness.h"

namespace tarvix::addons {
namespace {

using testing::AddonHarness;

std::string AddressFile(const AddonHarness& h) {
  const auto bytes = h.files.Bytes(R"(C:\ip.txt)");
  return std::string(bytes.begin(), bytes.end());
}

TEST(WidgetFlow, TheModelTableIsMatchedExactly) {
  struct Case {
    const char* model;
    const char* opened;  // null: the model choice decides
  };
  const Case cases[] = {
      {"NV-A20", "TARVIXEu_NVA20_Widget.widget"},
      {"NV-B40", "TARVIXEu_NVB40_Widget.widget"},
      {"NV-A10", "TARVIXEu_NVA10_Widget.widget"},
      {"NV-A30", "TARVIXEu_NVA30_Widget"},
      {"nv-a20", nullptr},
      {"NV-A20 ", nullptr},
      {"", nullptr},
  };
  for (const Case& c : cases) {
    AddonHarness h;
    h.window.model = c.model;
    h.flows.OnWidgetButton(h.window);
    EXPECT_EQ(h.Entries("model choice").size(), c.opened ? 0u : 1u) << c.model;
    EXPECT_EQ(h.Entries("open "), c.opened
                                      ? std::vector<std::string>{std::string("open ") + c.opened}
                                      : std::vector<std::string>{})
        << c.model;
  }
}

TEST(WidgetFlow, TheModelChoiceOpensItsWidgetAndNoChoiceEndsSilently) {
  const std::pair<int, const char*> choices[] = {{0, "TARVIXEu_NVA10_Widget.widget"},
                                                 {1, "TARVIXEu_NVA20_Widget.widget"},
                                                 {2, "TARVIXEu_NVB40_Widget.widget"},
                                                 {-1, nullptr}};
  for (const auto& [choice, opened] : choices) {
    AddonHarness h;
    h.window.model = "NV-Z99";
    h.dialogs.modelAnswer = choice;
    h.flows.OnWidgetButton(h.window);
    EXPECT_EQ(h.Entries("open "), opened ? std::vector<std::string>{std::string("open ") + opened}
                                         : std::vector<std::string>{});
    EXPECT_TRUE(h.messages.shown.empty());
  }
}

TEST(WidgetFlow, TheAddressFileHoldsOnlyTheAddressOfTheRowFound) {
  AddonHarness h;
  h.window.host = "10.77.1.9";  // the details panel shows another device
  h.window.rowAddress = "10.77.1.23";
  h.files.Put(R"(C:\ip.txt)", std::vector<std::uint8_t>(40, 'x'));
  h.flows.OnWidgetButton(h.window);
  EXPECT_EQ(AddressFile(h), "10.77.1.23");
  EXPECT_LT(h.At("focus device list"), h.At(R"(create C:\ip.txt)"));
  EXPECT_LT(h.At(R"(closed C:\ip.txt 10)"), h.At("widget prompt"));
}

TEST(WidgetFlow, WithoutARowNoFileIsWritten) {
  AddonHarness h;
  h.window.rowAddress.reset();
  h.flows.OnWidgetButton(h.window);
  ASSERT_EQ(h.messages.shown.size(), 1u);
  EXPECT_EQ(h.messages.shown[0],
            (mock::JournalMessages::Shown{"Please select a server.", "Warning",
                                          settings::MessageIcon::Exclamation}));
  EXPECT_FALSE(h.files.Exists(R"(C:\ip.txt)"));
  EXPECT_TRUE(h.Entries("widget prompt").empty());
}

TEST(WidgetFlow, DownloadOpensTheEnginePageAndNoWidget) {
  AddonHarness h;
  h.dialogs.widgetAnswer = 1;
  h.flows.OnWidgetButton(h.window);
  EXPECT_EQ(AddressFile(h), "10.77.1.2");
  EXPECT_EQ(h.Entries("run "),
            std::vector<std::string>{std::string("run xdg-open ") + kWidgetEngineDownloadPage});
  EXPECT_TRUE(h.Entries("open ").empty());
}

TEST(WidgetFlow, AWidgetThatCannotBeOpenedIsReported) {
  AddonHarness h;
  h.launcher.opens = false;
  h.flows.OnWidgetButton(h.window);
  ASSERT_EQ(h.messages.shown.size(), 1u);
  EXPECT_EQ(h.messages.shown[0],
            (mock::JournalMessages::Shown{"Execute widget file error!", "Warning",
                                          settings::MessageIcon::Information}));
}

TEST(WidgetFlow, AnAddressFileThatCannotBeWrittenStopsTheFlow) {
  AddonHarness h;
  h.files.Refuse(R"(C:\ip.txt)");
  h.flows.OnWidgetButton(h.window);
  ASSERT_EQ(h.messages.shown.size(), 1u);
  EXPECT_EQ(h.messages.shown[0].text,
            "The device address could not be written to fake:C:\\ip.txt.\nThe widget needs it "
            "to find the device.");
  EXPECT_EQ(h.messages.shown[0].caption, "Error");
  EXPECT_TRUE(h.Entries("widget prompt").empty());
  EXPECT_TRUE(h.Entries("open ").empty());
}

}  // namespace
}  // namespace tarvix::addons
