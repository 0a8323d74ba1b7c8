#pragma once
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/FileService.h"
#include "tests/mock/Journal.h"

namespace tarvix::mock {

// Files and folders in memory, by their path names as the program writes them
// (either slash separates, a trailing one is dropped). Every path may be
// written unless refused; every call goes into the journal:
//   "create P", "closed P N" (N bytes), "delete P", "copy A -> B",
//   "mkdir P", "rmdir P", each with " failed" when it failed.
class FakeFileService final : public platform::FileService {
 public:
  explicit FakeFileService(Journal* journal = nullptr) : journal_(journal) {}

  // A path that cannot be created, deleted or copied to.
  void Refuse(const std::string& path) { refused_.insert(Key(path)); }
  // Writes to `path` stop after `bytes` bytes, as on a full disk.
  void FillAfter(const std::string& path, std::size_t bytes) { capacity_[Key(path)] = bytes; }
  void Put(const std::string& path, std::vector<std::uint8_t> bytes);
  void PutFolder(const std::string& path);

  bool Exists(const std::string& path) const { return entries_.count(Key(path)) != 0; }
  bool IsFolder(const std::string& path) const;
  // The bytes of a file; empty when there is none.
  std::vector<std::uint8_t> Bytes(const std::string& path) const;
  // The files, in path order.
  std::vector<std::string> Files() const;

  std::unique_ptr<platform::FileWriter> Create(const std::string& path) override;
  bool Delete(const std::string& path) override;
  std::optional<platform::FileStatus> Stat(const std::string& path) override;
  bool CopyNoOverwrite(const std::string& from, const std::string& to) override;
  bool MakeFolder(const std::string& path) override;
  bool RemoveFolder(const std::string& path) override;
  std::string SystemPath(const std::string& path) const override { return "fake:" + Key(path); }

 private:
  struct Entry {
    bool folder = false;
    std::vector<std::uint8_t> bytes;
  };
  class Writer;

  static std::string Key(const std::string& path);
  bool Note(const std::string& what, bool ok);

  Journal* journal_;
  std::map<std::string, Entry> entries_;
  std::set<std::string> refused_;
  std::map<std::string, std::size_t> capacity_;
};

}  // namespace tarvix::mock
