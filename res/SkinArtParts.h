#pragma once
#include <QSize>

class QPainter;

// The three families of skin artwork. Each draws bitmap `id` in its catalogue size
// (the painter is already scaled) and returns false for an id of another family.
namespace tarvix::res::art {

bool DrawBackground(QPainter& painter, int id, QSize size);
bool DrawFace(QPainter& painter, int id, QSize size);
bool DrawListPart(QPainter& painter, int id, QSize size);

}  // namespace tarvix::res::art
