#pragma once

class QPainter;

namespace tarvix::res {

// The program's mark: a storage box with two drive bays and a network lamp, drawn
// into a 64 x 64 square at the painter's origin. Scale the painter for other sizes.
// The icon and the main window's title strip both show it.
void DrawProgramMark(QPainter& painter);

}  // namespace tarvix::res
