#pragma once
#include <string_view>

namespace tarvix {

struct ShareNode {
  char name[256]{};
  ShareNode* next = nullptr;
};

// The selected device's share names, in the device's order, without repeats.
class ShareList {
 public:
  ShareList() = default;
  ~ShareList() { Clear(); }
  ShareList(const ShareList&) = delete;
  ShareList& operator=(const ShareList&) = delete;

  void Clear();
  bool Contains(std::string_view name) const;
  // Appends unless a node of exactly that name is there; names over 255 bytes are cut.
  void Append(std::string_view name);
  // Splits the device's share text at ':' (empty pieces skipped) and appends each.
  void AppendShareText(std::string_view text);

  const ShareNode* Head() const { return head; }
  int Count() const { return count; }

 private:
  int count = 0;
  ShareNode* head = nullptr;
  ShareNode* tail = nullptr;
};

}  // namespace tarvix
