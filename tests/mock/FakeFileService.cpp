#include "tests/mock/FakeFileService.h"

namespace tarvix::mock {

class FakeFileService::Writer final : public platform::FileWriter {
 public:
  Writer(FakeFileService& files, std::string key) : files_(files), key_(std::move(key)) {}
  ~Writer() override { Close(); }

  bool Write(std::span<const std::uint8_t> bytes) override {
    auto& target = files_.entries_[key_].bytes;
    const auto limit = files_.capacity_.find(key_);
    std::size_t room = bytes.size();
    if (limit != files_.capacity_.end())
      room = std::min(room, limit->second - std::min(limit->second, target.size()));
    target.insert(target.end(), bytes.begin(), bytes.begin() + static_cast<long>(room));
    ok_ = ok_ && room == bytes.size();
    return ok_;
  }

  bool Close() override {
    if (closed_) return ok_;
    closed_ = true;
    const std::size_t size = files_.entries_[key_].bytes.size();
    return files_.Note("closed " + key_ + " " + std::to_string(size), ok_);
  }

 private:
  FakeFileService& files_;
  std::string key_;
  bool ok_ = true;
  bool closed_ = false;
};

std::string FakeFileService::Key(const std::string& path) {
  std::string key = path;
  for (char& c : key)
    if (c == '/') c = '\\';
  while (key.size() > 1 && key.back() == '\\') key.pop_back();
  return key;
}

bool FakeFileService::Note(const std::string& what, bool ok) {
  if (journal_) journal_->push_back(ok ? what : what + " failed");
  return ok;
}

void FakeFileService::Put(const std::string& path, std::vector<std::uint8_t> bytes) {
  entries_[Key(path)] = Entry{false, std::move(bytes)};
}

void FakeFileService::PutFolder(const std::string& path) { entries_[Key(path)] = Entry{true, {}}; }

bool FakeFileService::IsFolder(const std::string& path) const {
  const auto it = entries_.find(Key(path));
  return it != entries_.end() && it->second.folder;
}

std::vector<std::uint8_t> FakeFileService::Bytes(const std::string& path) const {
  const auto it = entries_.find(Key(path));
  return it == entries_.end() ? std::vector<std::uint8_t>{} : it->second.bytes;
}

std::vector<std::string> FakeFileService::Files() const {
  std::vector<std::string> files;
  for (const auto& [key, entry] : entries_)
    if (!entry.folder) files.push_back(key);
  return files;
}

std::unique_ptr<platform::FileWriter> FakeFileService::Create(const std::string& path) {
  const std::string key = Key(path);
  const bool ok = !refused_.count(key) && !IsFolder(key);
  Note("create " + key, ok);
  if (!ok) return nullptr;
  entries_[key] = Entry{};
  return std::make_unique<Writer>(*this, key);
}

bool FakeFileService::Delete(const std::string& path) {
  const std::string key = Key(path);
  const bool ok = !refused_.count(key) && Exists(key) && !IsFolder(key);
  if (ok) entries_.erase(key);
  return Note("delete " + key, ok);
}

std::optional<platform::FileStatus> FakeFileService::Stat(const std::string& path) {
  const auto it = entries_.find(Key(path));
  if (it == entries_.end()) return std::nullopt;
  return platform::FileStatus{it->second.folder, it->second.bytes.size()};
}

bool FakeFileService::CopyNoOverwrite(const std::string& from, const std::string& to) {
  const std::string source = Key(from), target = Key(to);
  const bool ok = Exists(source) && !IsFolder(source) && !Exists(target) && !refused_.count(target);
  if (ok) entries_[target] = entries_[source];
  return Note("copy " + source + " -> " + target, ok);
}

bool FakeFileService::MakeFolder(const std::string& path) {
  const std::string key = Key(path);
  const bool ok = !Exists(key) && !refused_.count(key);
  if (ok) entries_[key] = Entry{true, {}};
  return Note("mkdir " + key, ok);
}

bool FakeFileService::RemoveFolder(const std::string& path) {
  const std::string key = Key(path);
  bool ok = IsFolder(key);
  for (const auto& [other, entry] : entries_)
    if (other.starts_with(key + "\\")) ok = false;
  if (ok) entries_.erase(key);
  return Note("rmdir " + key, ok);
}

}  // namespace tarvix::mock
