#pragma once
#include <algorithm>
#include <deque>
#include <new>

namespace tarvix {

// The nodes of one of the protocol's lists, in the order they were appended. The
// lists only ever append at the end and empty themselves whole, never removing a
// single node, so a deque keeps every node where it is for as long as the list holds
// it: a node that the program points at (the selected device during a command) stays
// valid until the next search empties the list. Unlike a vector it never moves nodes
// to grow, and unlike a linked list it needs no allocation per node.
template <typename Node>
class AppendOnlyList {
 public:
  using const_iterator = typename std::deque<Node>::const_iterator;

  AppendOnlyList() = default;
  AppendOnlyList(const AppendOnlyList&) = delete;
  AppendOnlyList& operator=(const AppendOnlyList&) = delete;

  const_iterator begin() const { return nodes_.begin(); }
  const_iterator end() const { return nodes_.end(); }
  int Count() const { return static_cast<int>(nodes_.size()); }
  bool IsEmpty() const { return nodes_.empty(); }

 protected:
  ~AppendOnlyList() = default;

  // False when memory for the node cannot be had; appending at the end of a deque
  // either succeeds or leaves it as it was.
  bool Push(const Node& node) {
    try {
      nodes_.push_back(node);
    } catch (const std::bad_alloc&) {
      return false;
    }
    return true;
  }
  // A new zero-filled node at the end, or null when memory for it cannot be had.
  Node* PushEmpty() {
    try {
      return &nodes_.emplace_back();
    } catch (const std::bad_alloc&) {
      return nullptr;
    }
  }
  void RemoveAll() { nodes_.clear(); }

  // The first node for which `matches` holds, or null.
  template <typename Predicate>
  const Node* FirstWhere(Predicate matches) const {
    auto it = std::find_if(nodes_.begin(), nodes_.end(), matches);
    return it == nodes_.end() ? nullptr : &*it;
  }
  template <typename Predicate>
  Node* FirstWhere(Predicate matches) {
    auto it = std::find_if(nodes_.begin(), nodes_.end(), matches);
    return it == nodes_.end() ? nullptr : &*it;
  }
  const Node* First() const { return nodes_.empty() ? nullptr : &nodes_.front(); }

 private:
  std::deque<Node> nodes_;
};

}  // namespace tarvix
