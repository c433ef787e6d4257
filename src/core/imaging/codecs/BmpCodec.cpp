#include "imaging/codecs/Codecs.h"

namespace tavolo::codecs {

bool DecodeBmp(std::span<const uint8_t>, RasterImage& image) {
  image.SetLastError("Bmp codec not built yet");
  return false;
}

bool EncodeBmp(RasterImage& image, std::vector<uint8_t>&) {
  image.SetLastError("Bmp codec not built yet");
  return false;
}

}  // namespace tavolo::codecs
