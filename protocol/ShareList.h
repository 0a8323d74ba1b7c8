#pragma once
#include <string_view>
#include <vector>

#include "protocol/AppendOnlyList.h"

namespace tarvix {

struct ShareNode {
  char name[256]{};
};

// The selected device's share names, in the device's order, without repeats. The
// list owns its nodes; iterate it with range-for.
class ShareList : public AppendOnlyList<ShareNode> {
 public:
  void Clear();
  bool Contains(std::string_view name) const;
  // Appends unless a node of exactly that name is there; names over 255 bytes are cut.
  // A name that cannot be stored is left out.
  void Append(std::string_view name);
  // Splits the device's share text at ':' (empty pieces skipped) and appends each.
  void AppendShareText(std::string_view text);

 private:
  // A share text of a few kilobytes can name thousands of shares, and the repeat test
  // must not walk the list for each of them: an open-addressing table of the nodes
  // (which never move), null for a free slot, never more than half full.
  std::vector<const ShareNode*> index_;
  size_t SlotOf(std::string_view name) const;
  bool MakeRoomForOneMore();
};

}  // namespace tarvix
