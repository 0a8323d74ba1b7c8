#pragma once
#include <QRegion>

namespace tarvix::app {

// The main window's outline for a client area of w x h pixels: a rectangle with
// rounded steps at the four corners and the top pixel row cut away.
QRegion MakeWindowShape(int width, int height);

}  // namespace tarvix::app
