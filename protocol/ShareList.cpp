#include "protocol/ShareList.h"

#include <cstring>
#include <functional>
#include <new>

#include "protocol/FixedText.h"

namespace tarvix {
namespace {
constexpr size_t kFirstIndexSize = 16;

// `name` must be shorter than the field.
bool HoldsName(const ShareNode& node, std::string_view name) {
  return node.name[name.size()] == '\0' && std::memcmp(node.name, name.data(), name.size()) == 0;
}
}  // namespace

void ShareList::Clear() {
  RemoveAll();
  index_.clear();
}

size_t ShareList::SlotOf(std::string_view name) const {
  const size_t mask = index_.size() - 1;
  for (size_t slot = std::hash<std::string_view>{}(name)&mask;; slot = (slot + 1) & mask) {
    const ShareNode* held = index_[slot];
    if (held == nullptr || HoldsName(*held, name)) return slot;
  }
}

bool ShareList::Contains(std::string_view name) const {
  // No stored name is longer than its field holds.
  if (index_.empty() || name.size() >= sizeof(ShareNode::name)) return false;
  return index_[SlotOf(name)] != nullptr;
}

bool ShareList::MakeRoomForOneMore() {
  const size_t count = static_cast<size_t>(Count());
  if (!index_.empty() && 2 * (count + 1) <= index_.size()) return true;
  // A failed assign leaves the index as it was.
  try {
    index_.assign(index_.empty() ? kFirstIndexSize : 2 * index_.size(), nullptr);
  } catch (const std::bad_alloc&) {
    return false;
  }
  for (const ShareNode& node : *this) index_[SlotOf(FieldText(node.name))] = &node;
  return true;
}

void ShareList::Append(std::string_view name) {
  // Compare the name as it would be stored, so a cut name is not added twice.
  const std::string_view stored = FieldTextOf(name, sizeof(ShareNode::name));
  if (!MakeRoomForOneMore()) return;
  const size_t slot = SlotOf(stored);
  if (index_[slot] != nullptr) return;
  ShareNode* node = PushEmpty();
  if (node == nullptr) return;
  CopyField(node->name, stored);
  index_[slot] = node;
}

void ShareList::AppendShareText(std::string_view text) {
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(':', start);
    if (end == std::string_view::npos) end = text.size();
    if (end > start) Append(text.substr(start, end - start));
    start = end + 1;
  }
}

}  // namespace tarvix
