#include "protocol/ShareList.h"

#include "protocol/FixedText.h"

namespace tarvix {

bool ShareList::Contains(std::string_view name) const {
  return FirstWhere([&](const ShareNode& n) { return FieldText(n.name) == name; }) != nullptr;
}

void ShareList::Append(std::string_view name) {
  // Compare the name as it would be stored, so a cut name is not added twice.
  ShareNode node;
  CopyField(node.name, name);
  if (!Contains(FieldText(node.name))) Push(node);
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
