#include "app/SelectedRow.h"

namespace tarvix::app {

int FindSelectedRow(int topIndex, int rowCount, const std::function<bool(int)>& isSelected) {
  for (int row = topIndex < 0 ? 0 : topIndex; row < rowCount; ++row) {
    if (isSelected(row)) return row;
  }
  return rowCount;
}

}  // namespace tarvix::app
