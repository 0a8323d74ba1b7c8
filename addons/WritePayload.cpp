#include "addons/WritePayload.h"

#include <algorithm>
#include <optional>
#include <span>

#include "addons/EmbeddedPayloads.h"

namespace tarvix::addons {
namespace {

// A failed connection is no error by itself: the write shows whether the
// share can be reached.
constexpr int kConnectAttempts = 6;
// How much of a payload goes to the file service at a time. The payload lives
// in the program image, so nothing of it is copied on the way.
constexpr std::size_t kWritePiece = 256 * 1024;

void ConnectTo(platform::DriveService& drives, const std::string& path) {
  const platform::ConnectRequest request{'\0', path, "", std::string(), false, false};
  for (int attempt = 0; attempt < kConnectAttempts; ++attempt)
    if (drives.Connect(request) == platform::DriveResult::Done) return;
}

// Creates or truncates `path` and writes all of `bytes`; false when any step fails.
bool WriteFile(platform::FileService& files, const std::string& path,
               std::span<const std::uint8_t> bytes) {
  std::unique_ptr<platform::FileWriter> writer = files.Create(path);
  if (!writer) return false;
  while (!bytes.empty()) {
    const std::size_t piece = std::min(bytes.size(), kWritePiece);
    if (!writer->Write(bytes.first(piece))) return false;
    bytes = bytes.subspan(piece);
  }
  return writer->Close();
}

// The old file goes first, so a copy that refuses to overwrite can replace it.
// The staging file goes whatever the copy did.
bool CopyStaged(platform::FileService& files, const std::string& staging,
                const std::string& copyTo) {
  files.Delete(copyTo);
  const bool copied = files.CopyNoOverwrite(staging, copyTo);
  files.Delete(staging);
  return copied;
}

bool Finish(AddonContext& context, bool succeeded) {
  context.state.lastWriteFailed = succeeded ? 0 : 1;
  return succeeded;
}

}  // namespace

// A file that exists after the steps is not enough: an old file that could not
// be rewritten, or a write cut short by a full disk, must not count as the
// payload. So every step has to succeed and the final file must have the
// payload's size.
bool WritePayload(AddonContext& context, std::string_view resourceType, unsigned resourceId,
                  const std::string& path, const std::string& copyTo) {
  const std::optional<std::span<const std::uint8_t>> payload =
      FindPayload(resourceType, resourceId);
  if (!payload) return Finish(context, false);
  ConnectTo(context.drives, path);
  bool succeeded = WriteFile(context.files, path, *payload);
  std::string finalPath = path;
  if (path.find(kStagingMark) != std::string::npos) {
    succeeded = CopyStaged(context.files, path, copyTo) && succeeded;
    finalPath = copyTo;
  }
  const std::optional<platform::FileStatus> status = context.files.Stat(finalPath);
  succeeded = succeeded && status && !status->folder && status->size == payload->size();
  if (succeeded && context.written) context.written(finalPath, payload->size());
  return Finish(context, succeeded);
}

}  // namespace tarvix::addons
