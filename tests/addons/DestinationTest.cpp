#include "addons/Destination.h"

#include <gtest/gtest.h>

namespace tarvix::addons {
namespace {

TEST(Destination, FromTheSystemShareAnswer) {
  struct Case {
    const char* share;
    InstallKind kind;
    std::optional<std::string> path;  // of "f" on 10.77.1.2
    int generation;
  };
  const Case cases[] = {
      {"", InstallKind::Language, R"(\\10.77.1.2\HDD_a\.codepages\f)", 1},
      {"HDD_a", InstallKind::Language, R"(\\10.77.1.2\HDD_a\.codepages\f)", 1},
      {"hdd_A", InstallKind::BitTorrent, R"(\\10.77.1.2\HDD_a\Nas_Prog/BT\f)", 1},
      {"HDD_1", InstallKind::Language, R"(\\10.77.1.2\HDD_1\.systemfile\.codepages\f)", 2},
      {"hdd_1", InstallKind::Language, R"(\\10.77.1.2\hdd_1\.systemfile\.codepages\f)", 2},
      {"hdd_1", InstallKind::BitTorrent, R"(\\10.77.1.2\HDD_1\Nas_Prog/BT\f)", 2},
      {"", InstallKind::BitTorrent, R"(\\10.77.1.2\HDD_a\Nas_Prog/BT\f)", 1},
      {"HDD_2", InstallKind::Language, std::nullopt, 0},
      {"HDD_1 ", InstallKind::BitTorrent, std::nullopt, 0},
  };
  for (const Case& c : cases) {
    const auto destination = DestinationFor(c.share, c.kind);
    ASSERT_EQ(destination.has_value(), c.path.has_value()) << "'" << c.share << "'";
    if (!destination) continue;
    EXPECT_EQ(destination->PathOf("10.77.1.2", "f"), *c.path) << c.share;
    EXPECT_EQ(destination->generation, c.generation) << c.share;
  }
}

}  // namespace
}  // namespace tarvix::addons
