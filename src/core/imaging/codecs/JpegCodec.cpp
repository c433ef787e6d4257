#include "imaging/codecs/Codecs.h"

namespace tavolo::codecs {

bool DecodeJpeg(std::span<const uint8_t>, RasterImage& image) {
  image.SetLastError("Jpeg codec not built yet");
  return false;
}

bool EncodeJpeg(RasterImage& image, std::vector<uint8_t>&) {
  image.SetLastError("Jpeg codec not built yet");
  return false;
}

}  // namespace tavolo::codecs
