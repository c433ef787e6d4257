#include "imaging/codecs/Codecs.h"

namespace tavolo::codecs {

bool DecodeGif(std::span<const uint8_t>, RasterImage& image) {
  image.SetLastError("Gif codec not built yet");
  return false;
}

bool EncodeGif(RasterImage& image, std::vector<uint8_t>&) {
  image.SetLastError("Gif codec not built yet");
  return false;
}

}  // namespace tavolo::codecs
