#include "imaging/codecs/Codecs.h"

namespace tavolo::codecs {

bool DecodePng(std::span<const uint8_t>, RasterImage& image) {
  image.SetLastError("Png codec not built yet");
  return false;
}

bool EncodePng(RasterImage& image, std::vector<uint8_t>&) {
  image.SetLastError("Png codec not built yet");
  return false;
}

}  // namespace tavolo::codecs
