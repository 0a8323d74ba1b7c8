#pragma once
#include <functional>

namespace tarvix::app {

// The first selected row from the top visible row down; rows scrolled out above are
// not looked at. `rowCount` when no row qualifies.
int FindSelectedRow(int topIndex, int rowCount, const std::function<bool(int)>& isSelected);

}  // namespace tarvix::app
