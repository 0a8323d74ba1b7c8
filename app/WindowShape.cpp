#include "app/WindowShape.h"

#include <array>

namespace tarvix::app {

QRegion MakeWindowShape(int w, int h) {
  struct Edges {
    int left, top, right, bottom;  // right and bottom exclusive
  };
  const std::array<Edges, 11> rectangles{{
      {0, 5, 1, h - 5},
      {1, 3, 2, h - 3},
      {2, 2, 3, h - 2},
      {3, 1, 4, h - 1},
      {4, 1, 5, h - 1},
      {5, 1, w - 5, h},
      {w - 5, 1, w - 4, h - 1},
      {w - 4, 2, w - 3, h - 2},
      {w - 3, 2, w - 2, h - 2},
      {w - 2, 3, w - 1, h - 3},
      {w - 1, 5, w, h - 5},
  }};
  QRegion shape;
  for (const Edges& e : rectangles) {
    if (e.right > e.left && e.bottom > e.top)
      shape += QRect(e.left, e.top, e.right - e.left, e.bottom - e.top);
  }
  return shape;
}

}  // namespace tarvix::app
