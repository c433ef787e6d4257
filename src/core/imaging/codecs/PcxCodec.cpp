#include "imaging/codecs/Codecs.h"

namespace tavolo::codecs {

bool DecodePcx(std::span<const uint8_t>, RasterImage& image) {
  image.SetLastError("Pcx codec not built yet");
  return false;
}

bool EncodePcx(RasterImage& image, std::vector<uint8_t>&) {
  image.SetLastError("Pcx codec not built yet");
  return false;
}

}  // namespace tavolo::codecs
