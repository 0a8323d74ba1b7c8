#include "platform/linux/LinuxFileService.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <vector>

#include "platform/linux/FilePathMapping.h"
#include "platform/linux/SmbFiles.h"

namespace tarvix::platform {
namespace {

namespace fs = std::filesystem;

class LocalWriter final : public FileWriter {
 public:
  explicit LocalWriter(int fd) : fd_(fd) {}
  ~LocalWriter() override { Close(); }

  bool Write(std::span<const std::uint8_t> bytes) override {
    while (ok_ && !bytes.empty()) {
      const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0)
        ok_ = false;
      else
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return ok_;
  }

  bool Close() override {
    if (fd_ < 0) return ok_;
    if (::close(fd_) != 0) ok_ = false;
    fd_ = -1;
    return ok_;
  }

 private:
  int fd_;
  bool ok_ = true;
};

class LocalReader final : public FileReader {
 public:
  explicit LocalReader(int fd) : fd_(fd) {}
  ~LocalReader() override { ::close(fd_); }

  long Read(std::uint8_t* buffer, std::size_t capacity) override {
    ssize_t got;
    do got = ::read(fd_, buffer, capacity);
    while (got < 0 && errno == EINTR);
    return static_cast<long>(got);
  }

 private:
  int fd_;
};

const fs::path* AsLocal(const MappedPath& path) { return std::get_if<fs::path>(&path); }
const UncPath* AsNetwork(const MappedPath& path) { return std::get_if<UncPath>(&path); }

constexpr std::size_t kCopyBuffer = 1 << 16;

// The local drive always exists on Windows; here its folder is made on first use.
std::optional<MappedPath> Resolve(const std::string& path, const fs::path& root) {
  std::optional<MappedPath> mapped = MapPath(path, root);
  if (mapped && AsLocal(*mapped)) {
    std::error_code ignored;
    fs::create_directories(root, ignored);
  }
  return mapped;
}

std::unique_ptr<FileWriter> OpenLocalWriter(const fs::path& path, bool exclusive) {
  const int flags = O_WRONLY | O_CREAT | O_CLOEXEC | (exclusive ? O_EXCL : O_TRUNC);
  const int fd = ::open(path.c_str(), flags, 0666);
  if (fd < 0) return nullptr;
  return std::make_unique<LocalWriter>(fd);
}

std::unique_ptr<FileReader> OpenLocalReader(const fs::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return nullptr;
  struct stat status {};
  // A folder opens for reading too, but holds no contents to copy.
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(fd);
    return nullptr;
  }
  return std::make_unique<LocalReader>(fd);
}

bool Pump(FileReader& reader, FileWriter& writer) {
  std::vector<std::uint8_t> buffer(kCopyBuffer);
  for (;;) {
    const long got = reader.Read(buffer.data(), buffer.size());
    if (got < 0) return false;
    if (got == 0) return writer.Close();
    if (!writer.Write({buffer.data(), static_cast<std::size_t>(got)})) return false;
  }
}

}  // namespace

LinuxFileService::LinuxFileService() : LinuxFileService(Options{}) {}

LinuxFileService::LinuxFileService(Options options)
    : options_(std::move(options)),
      smb_(std::make_unique<SmbFiles>(options_.smbPort, options_.smbTimeoutMs)) {
  if (options_.localRoot.empty()) options_.localRoot = DefaultLocalRoot();
}

LinuxFileService::~LinuxFileService() = default;

std::unique_ptr<FileWriter> LinuxFileService::Create(const std::string& path) {
  const auto mapped = Resolve(path, options_.localRoot);
  if (!mapped) return nullptr;
  if (const fs::path* local = AsLocal(*mapped)) return OpenLocalWriter(*local, false);
  return smb_->OpenWriter(*AsNetwork(*mapped), false);
}

bool LinuxFileService::Delete(const std::string& path) {
  const auto mapped = Resolve(path, options_.localRoot);
  if (!mapped) return false;
  if (const fs::path* local = AsLocal(*mapped)) return ::unlink(local->c_str()) == 0;
  // A server may take an unlink of an empty folder as its removal; a file
  // deletion must never remove a folder.
  const auto status = smb_->Stat(*AsNetwork(*mapped));
  return status && !status->folder && smb_->Unlink(*AsNetwork(*mapped));
}

std::optional<FileStatus> LinuxFileService::Stat(const std::string& path) {
  const auto mapped = Resolve(path, options_.localRoot);
  if (!mapped) return std::nullopt;
  if (const UncPath* network = AsNetwork(*mapped)) return smb_->Stat(*network);
  struct stat status {};
  if (::stat(AsLocal(*mapped)->c_str(), &status) != 0) return std::nullopt;
  return FileStatus{S_ISDIR(status.st_mode), static_cast<std::uint64_t>(status.st_size)};
}

bool LinuxFileService::CopyNoOverwrite(const std::string& from, const std::string& to) {
  const auto source = Resolve(from, options_.localRoot);
  const auto target = Resolve(to, options_.localRoot);
  if (!source || !target) return false;
  std::unique_ptr<FileReader> reader =
      AsLocal(*source) ? OpenLocalReader(*AsLocal(*source)) : smb_->OpenReader(*AsNetwork(*source));
  if (!reader) return false;
  std::unique_ptr<FileWriter> writer = AsLocal(*target)
                                           ? OpenLocalWriter(*AsLocal(*target), true)
                                           : smb_->OpenWriter(*AsNetwork(*target), true);
  if (!writer) return false;
  if (Pump(*reader, *writer)) return true;
  // Half a file would pass for a copy with the next existence test.
  writer.reset();
  Delete(to);
  return false;
}

bool LinuxFileService::MakeFolder(const std::string& path) {
  const auto mapped = Resolve(path, options_.localRoot);
  if (!mapped) return false;
  if (const fs::path* local = AsLocal(*mapped)) return ::mkdir(local->c_str(), 0777) == 0;
  return smb_->MakeFolder(*AsNetwork(*mapped));
}

bool LinuxFileService::RemoveFolder(const std::string& path) {
  const auto mapped = Resolve(path, options_.localRoot);
  if (!mapped) return false;
  if (const fs::path* local = AsLocal(*mapped)) return ::rmdir(local->c_str()) == 0;
  return smb_->RemoveFolder(*AsNetwork(*mapped));
}

std::string LinuxFileService::SystemPath(const std::string& path) const {
  const auto mapped = MapPath(path, options_.localRoot);
  if (!mapped) return {};
  if (const fs::path* local = AsLocal(*mapped)) return local->string();
  return smb_->Url(*AsNetwork(*mapped));
}

}  // namespace tarvix::platform
