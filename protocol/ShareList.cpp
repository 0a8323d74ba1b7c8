#include "protocol/ShareList.h"

#include <new>

#include "protocol/FixedText.h"

namespace tarvix {

void ShareList::Clear() {
  while (head) {
    ShareNode* next = head->next;
    delete head;
    head = next;
  }
  tail = nullptr;
  count = 0;
}

bool ShareList::Contains(std::string_view name) const {
  for (const ShareNode* n = head; n; n = n->next)
    if (FieldText(n->name) == name) return true;
  return false;
}

void ShareList::Append(std::string_view name) {
  // Compare the name as it would be stored, so a cut name is not added twice.
  ShareNode probe;
  CopyField(probe.name, name);
  if (Contains(FieldText(probe.name))) return;
  ShareNode* node = new (std::nothrow) ShareNode(probe);
  if (!node) return;
  if (tail) tail->next = node;
  else head = node;
  tail = node;
  ++count;
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
