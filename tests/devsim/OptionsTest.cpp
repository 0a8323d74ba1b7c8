#include "tools/devsim/Options.h"

#include <gtest/gtest.h>

namespace tarvix::devsim {
namespace {

TEST(Options, ReadsAll) {
  const auto result = ParseOptions({"--config", "c.ini", "--interface", "10.77.1.2", "--log", "l",
                                    "--state", "s", "--ready", "r"});
  ASSERT_TRUE(result.ok()) << result.error;
  EXPECT_EQ(result.options.configPath, "c.ini");
  EXPECT_EQ(result.options.interfaceAddress, (Ipv4{10, 77, 1, 2}));
  EXPECT_EQ(result.options.logPath, "l");
  EXPECT_EQ(result.options.statePath, "s");
  EXPECT_EQ(result.options.readyPath, "r");
}

TEST(Options, RefusesIncompleteOrUnknown) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"--config", "c"},
      {"--interface", "10.77.1.2"},
      {"--config", "c", "--interface", "10.77.1"},
      {"--config", "c", "--interface", "10.77.1.2", "--interface", "10.77.2.2"},
      {"--config", "c", "--interface", "10.77.1.2", "--verbose", "1"},
      {"--config", "c", "--interface"},
  };
  for (const auto& arguments : cases) EXPECT_FALSE(ParseOptions(arguments).ok());
}

TEST(Options, HelpNeedsNothingElse) { EXPECT_TRUE(ParseOptions({"--help"}).options.help); }

}  // namespace
}  // namespace tarvix::devsim
