#include "imaging/codecs/Codecs.h"

namespace tavolo::codecs {

bool DecodeIco(std::span<const uint8_t>, RasterImage& image) {
  image.SetLastError("ICO codec not built yet");
  return false;
}

bool DecodeWbmp(std::span<const uint8_t>, RasterImage& image) {
  image.SetLastError("WBMP codec not built yet");
  return false;
}

}  // namespace tavolo::codecs
