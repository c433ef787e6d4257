#include "imaging/codecs/Codecs.h"

namespace tavolo::codecs {

bool DecodeTiff(std::span<const uint8_t>, RasterImage& image) {
  image.SetLastError("Tiff codec not built yet");
  return false;
}

bool EncodeTiff(RasterImage& image, std::vector<uint8_t>&) {
  image.SetLastError("Tiff codec not built yet");
  return false;
}

}  // namespace tavolo::codecs
