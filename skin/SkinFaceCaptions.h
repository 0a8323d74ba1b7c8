#pragma once
#include <QString>

namespace tarvix::skin {

// The caption that the artwork of a button face carries. Until the face bitmaps are
// drawn, a button shows this text so that the window stays usable.
QString FaceCaption(int faceId);

}  // namespace tarvix::skin
