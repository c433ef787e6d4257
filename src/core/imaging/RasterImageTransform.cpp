#include "imaging/RasterImage.h"

namespace tavolo {

bool RasterImage::DecreaseBpp(uint32_t, bool, const RgbQuad*, uint32_t) {
  SetLastError("DecreaseBpp not built yet");
  return false;
}

bool RasterImage::Rotate(float, RasterImage& dst) const {
  dst.SetLastError("Rotate not built yet");
  return false;
}

bool RasterImage::Crop(int32_t, int32_t, int32_t, int32_t, RasterImage& dst) const {
  dst.SetLastError("Crop not built yet");
  return false;
}

}  // namespace tavolo
