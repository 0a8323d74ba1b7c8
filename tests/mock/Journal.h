#pragma once
#include <string>
#include <vector>

namespace tarvix::mock {

// One list of what the doubles of a test saw, in order, so a test can check
// that a file was written after one command and before another.
using Journal = std::vector<std::string>;

// The entries that start with `prefix`, in order.
std::vector<std::string> EntriesStartingWith(const Journal& journal, const std::string& prefix);
// Index of the first entry equal to `entry`; -1 when there is none.
int IndexOf(const Journal& journal, const std::string& entry);

}  // namespace tarvix::mock
