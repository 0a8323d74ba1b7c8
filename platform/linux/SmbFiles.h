#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/FileService.h"
#include "platform/linux/FileReader.h"
#include "platform/linux/UncPath.h"

struct _SMBCCTX;

namespace tarvix::platform {

// Files on SMB shares through one libsmbclient context, as a guest (empty user
// and password). The context is made on first use and keeps its connections
// for the life of the object. One thread at a time.
class SmbFiles {
 public:
  SmbFiles(std::uint16_t port, int timeoutMs) : port_(port), timeoutMs_(timeoutMs) {}
  ~SmbFiles();
  SmbFiles(const SmbFiles&) = delete;
  SmbFiles& operator=(const SmbFiles&) = delete;

  // `exclusive`: fails when the file exists; otherwise an existing file is truncated.
  std::unique_ptr<FileWriter> OpenWriter(const UncPath& path, bool exclusive);
  std::unique_ptr<FileReader> OpenReader(const UncPath& path);
  bool Unlink(const UncPath& path);
  std::optional<FileStatus> Stat(const UncPath& path);
  bool MakeFolder(const UncPath& path);
  bool RemoveFolder(const UncPath& path);
  std::string Url(const UncPath& path) const { return path.ToSmbUrl(port_); }

 private:
  _SMBCCTX* Context();

  std::uint16_t port_;
  int timeoutMs_;
  _SMBCCTX* context_ = nullptr;
  bool failed_ = false;
};

}  // namespace tarvix::platform
