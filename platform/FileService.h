#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace tarvix::platform {

// A file opened for writing; what it holds is final once Close succeeded.
class FileWriter {
 public:
  virtual ~FileWriter() = default;
  // Appends all of `bytes`; false when they could not all be written.
  virtual bool Write(std::span<const std::uint8_t> bytes) = 0;
  // Flushes and closes; false when the file may not hold what was written.
  // A writer that goes without Close is closed all the same.
  virtual bool Close() = 0;
};

struct FileStatus {
  bool folder = false;
  std::uint64_t size = 0;
};

// Files and folders by the program's own path names: a network path
// "\\HOST\SHARE\a\b" (either slash separates, as on Windows) or a local path
// "C:\a\b". The backend decides where the local drive lives. Nothing here
// asks for credentials: a network path is reached as a guest.
class FileService {
 public:
  virtual ~FileService() = default;

  // Creates the file, or truncates an existing one, for writing; null when it
  // cannot be opened. Large contents are written in pieces through the writer.
  virtual std::unique_ptr<FileWriter> Create(const std::string& path) = 0;
  // Deletes a file; false when there was none or it could not be deleted.
  virtual bool Delete(const std::string& path) = 0;
  // What is at `path`; none when nothing is.
  virtual std::optional<FileStatus> Stat(const std::string& path) = 0;
  // Copies a file's contents to a new file; refuses an existing destination.
  // A copy that fails part way leaves no destination behind.
  virtual bool CopyNoOverwrite(const std::string& from, const std::string& to) = 0;
  // Creates one folder; false when it could not be made (an existing folder
  // is reported as false too: callers that do not mind ignore the result).
  virtual bool MakeFolder(const std::string& path) = 0;
  // Removes an empty folder; false otherwise.
  virtual bool RemoveFolder(const std::string& path) = 0;
  // Where `path` really is on this system, for messages ("/home/u/.../ip.txt",
  // "smb://HOST/SHARE/a"); empty when the path names nothing the backend knows.
  virtual std::string SystemPath(const std::string& path) const = 0;
};

}  // namespace tarvix::platform
