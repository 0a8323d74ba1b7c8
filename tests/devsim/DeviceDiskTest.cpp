#include "tools/devsim/DeviceDisk.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>

namespace tarvix::devsim {
namespace {

namespace fs = std::filesystem;

TEST(DeviceDisk, ARefusedPathCannotBeWrittenOrReplaced) {
  const fs::path disk = fs::temp_directory_path() / ("devsim-disk-" + std::to_string(getpid()));
  fs::create_directories(disk / "HDD_1/Nas_Prog/BT");
  std::ofstream(disk / "HDD_1/Nas_Prog/BT/bt") << "old";
  DeviceConfig device;
  device.disk = disk.string();
  device.refusedWrites = {"HDD_1/Nas_Prog/BT/bt", "HDD_1/.systemfile/.codepages/nls_cp866.ko"};
  EXPECT_EQ(RefuseWrites(device), "");
  for (const std::string& path : device.refusedWrites) {
    EXPECT_TRUE(fs::is_directory(disk / path)) << path;
    std::ofstream file(disk / path);
    EXPECT_FALSE(file.is_open()) << path;
    std::error_code error;
    EXPECT_FALSE(fs::remove(disk / path, error)) << path;
  }
  fs::remove_all(disk);
}

}  // namespace
}  // namespace tarvix::devsim
