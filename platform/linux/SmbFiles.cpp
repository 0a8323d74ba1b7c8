#include "platform/linux/SmbFiles.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <libsmbclient.h>

namespace tarvix::platform {
namespace {

// A guest: no workgroup, user or password of ours. The buffers come filled with
// the library's defaults, which would name the logged-on user.
void SupplyGuest(SMBCCTX*, const char*, const char*, char* workgroup, int workgroupSize, char* user,
                 int userSize, char* password, int passwordSize) {
  (void)workgroup;
  (void)workgroupSize;
  if (userSize > 0) user[0] = '\0';
  if (passwordSize > 0) password[0] = '\0';
}

// libsmbclient splits large writes into protocol-sized requests itself; this is
// only how much of a payload one call hands over.
constexpr std::size_t kWritePiece = 1 << 16;

class SmbWriter final : public FileWriter {
 public:
  SmbWriter(SMBCCTX* context, SMBCFILE* file) : context_(context), file_(file) {}
  ~SmbWriter() override { Close(); }

  bool Write(std::span<const std::uint8_t> bytes) override {
    while (ok_ && !bytes.empty()) {
      const std::size_t piece = std::min(bytes.size(), kWritePiece);
      const ssize_t written = smbc_getFunctionWrite(context_)(context_, file_, bytes.data(), piece);
      if (written <= 0)
        ok_ = false;
      else
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return ok_;
  }

  bool Close() override {
    if (file_ == nullptr) return ok_;
    if (smbc_getFunctionClose(context_)(context_, file_) != 0) ok_ = false;
    file_ = nullptr;
    return ok_;
  }

 private:
  SMBCCTX* context_;
  SMBCFILE* file_;
  bool ok_ = true;
};

class SmbReader final : public FileReader {
 public:
  SmbReader(SMBCCTX* context, SMBCFILE* file) : context_(context), file_(file) {}
  ~SmbReader() override { smbc_getFunctionClose(context_)(context_, file_); }

  long Read(std::uint8_t* buffer, std::size_t capacity) override {
    return static_cast<long>(smbc_getFunctionRead(context_)(context_, file_, buffer, capacity));
  }

 private:
  SMBCCTX* context_;
  SMBCFILE* file_;
};

}  // namespace

SmbFiles::~SmbFiles() {
  if (context_) smbc_free_context(context_, 1);
}

SMBCCTX* SmbFiles::Context() {
  if (context_ || failed_) return context_;
  SMBCCTX* context = smbc_new_context();
  if (context) {
    smbc_setDebug(context, 0);
    smbc_setTimeout(context, timeoutMs_);
    if (port_ != 0) smbc_setPort(context, port_);
    smbc_setFunctionAuthDataWithContext(context, SupplyGuest);
    smbc_setOptionUseCCache(context, false);
    if (smbc_init_context(context) == nullptr) {
      smbc_free_context(context, 1);
      context = nullptr;
    }
  }
  context_ = context;
  failed_ = context == nullptr;
  return context_;
}

std::unique_ptr<FileWriter> SmbFiles::OpenWriter(const UncPath& path, bool exclusive) {
  SMBCCTX* context = Context();
  if (!context) return nullptr;
  const int flags = O_WRONLY | O_CREAT | (exclusive ? O_EXCL : O_TRUNC);
  SMBCFILE* file = smbc_getFunctionOpen(context)(context, Url(path).c_str(), flags, 0666);
  if (!file) return nullptr;
  return std::make_unique<SmbWriter>(context, file);
}

std::unique_ptr<FileReader> SmbFiles::OpenReader(const UncPath& path) {
  SMBCCTX* context = Context();
  if (!context) return nullptr;
  SMBCFILE* file = smbc_getFunctionOpen(context)(context, Url(path).c_str(), O_RDONLY, 0);
  if (!file) return nullptr;
  return std::make_unique<SmbReader>(context, file);
}

bool SmbFiles::Unlink(const UncPath& path) {
  SMBCCTX* context = Context();
  return context && smbc_getFunctionUnlink(context)(context, Url(path).c_str()) == 0;
}

std::optional<FileStatus> SmbFiles::Stat(const UncPath& path) {
  SMBCCTX* context = Context();
  struct stat status {};
  if (!context || smbc_getFunctionStat(context)(context, Url(path).c_str(), &status) != 0)
    return std::nullopt;
  return FileStatus{S_ISDIR(status.st_mode), static_cast<std::uint64_t>(status.st_size)};
}

bool SmbFiles::MakeFolder(const UncPath& path) {
  SMBCCTX* context = Context();
  return context && smbc_getFunctionMkdir(context)(context, Url(path).c_str(), 0777) == 0;
}

bool SmbFiles::RemoveFolder(const UncPath& path) {
  SMBCCTX* context = Context();
  return context && smbc_getFunctionRmdir(context)(context, Url(path).c_str()) == 0;
}

}  // namespace tarvix::platform
