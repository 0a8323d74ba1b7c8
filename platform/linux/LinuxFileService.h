#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>

#include "platform/FileService.h"

namespace tarvix::platform {

class SmbFiles;

// Local paths are files below the local root (made when first needed, as a
// Windows system always has its "C:\"); network paths go through libsmbclient
// as a guest.
class LinuxFileService final : public FileService {
 public:
  struct Options {
    std::filesystem::path localRoot;  // empty: DefaultLocalRoot()
    std::uint16_t smbPort = 0;        // 0: the library's default ports
    int smbTimeoutMs = 10000;
  };

  LinuxFileService();
  explicit LinuxFileService(Options options);
  ~LinuxFileService() override;
  LinuxFileService(const LinuxFileService&) = delete;
  LinuxFileService& operator=(const LinuxFileService&) = delete;

  std::unique_ptr<FileWriter> Create(const std::string& path) override;
  bool Delete(const std::string& path) override;
  std::optional<FileStatus> Stat(const std::string& path) override;
  bool CopyNoOverwrite(const std::string& from, const std::string& to) override;
  bool MakeFolder(const std::string& path) override;
  bool RemoveFolder(const std::string& path) override;
  std::string SystemPath(const std::string& path) const override;

  const std::filesystem::path& LocalRoot() const { return options_.localRoot; }

 private:
  Options options_;
  std::unique_ptr<SmbFiles> smb_;
};

}  // namespace tarvix::platform
