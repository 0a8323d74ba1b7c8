#include "tests/mock/Journal.h"

#include <algorithm>

namespace tarvix::mock {

std::vector<std::string> EntriesStartingWith(const Journal& journal, const std::string& prefix) {
  std::vector<std::string> found;
  for (const std::string& entry : journal)
    if (entry.starts_with(prefix)) found.push_back(entry);
  return found;
}

int IndexOf(const Journal& journal, const std::string& entry) {
  const auto it = std::find(journal.begin(), journal.end(), entry);
  return it == journal.end() ? -1 : static_cast<int>(it - journal.begin());
}

}  // namespace tarvix::mock
