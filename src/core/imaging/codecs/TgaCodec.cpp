#include "imaging/codecs/Codecs.h"

namespace tavolo::codecs {

bool DecodeTga(std::span<const uint8_t>, RasterImage& image) {
  image.SetLastError("Tga codec not built yet");
  return false;
}

bool EncodeTga(RasterImage& image, std::vector<uint8_t>&) {
  image.SetLastError("Tga codec not built yet");
  return false;
}

}  // namespace tavolo::codecs
