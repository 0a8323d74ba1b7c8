#include "skin/SkinFaceCaptions.h"

#include <array>

namespace tarvix::skin {
namespace {

struct FacePair {
  int normal;
  int highlighted;
  const char* caption;
};

constexpr std::array<FacePair, 15> kFacePairs{{
    {262, 378, "x"},
    {263, 379, "_"},
    {280, 281, "Download"},
    {282, 283, "Next"},
    {284, 285, "Refresh"},
    {286, 287, "Configuration"},
    {288, 289, "Language"},
    {290, 291, "Bit Torrent"},
    {294, 295, "Apply"},
    {296, 297, "Connect"},
    {298, 299, "Disconnect"},
    {300, 301, "About"},
    {302, 303, "Exit"},
    {304, 305, "Cancel"},
    {306, 307, "Ok"},
}};

}  // namespace

QString FaceCaption(int faceId) {
  for (const FacePair& pair : kFacePairs) {
    if (faceId == pair.normal || faceId == pair.highlighted)
      return QString::fromLatin1(pair.caption);
  }
  return {};
}

}  // namespace tarvix::skin
