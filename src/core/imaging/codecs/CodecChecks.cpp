// What every decoder checks before it allocates, and how each ends a failed decode.
#include <string>

#include "core/imaging/RasterImage.h"
#include "core/imaging/codecs/Codecs.h"
#include "core/storage/ImageMessages.h"
#include "core/storage/UserText.h"

namespace tavolo::codecs {

bool Fail(RasterImage& image, std::string_view message) {
  image.Destroy();
  image.SetLastError(message);
  return false;
}

bool CheckImageSize(uint64_t width, uint64_t height, uint32_t bpp, RasterImage& image) {
  if (width == 0 || height == 0) {
    image.SetLastError(UserText("Image has no pixels"));
    return false;
  }
  if (width > kMaxImageSide || height > kMaxImageSide || width * height > image.GetMaxPixels()) {
    const std::string limits[] = {std::to_string(kMaxImageSide),
                                  std::to_string(image.GetMaxPixels() >> 20)};
    image.SetLastError(FillPlaceholders(kImageTooLargeLimits, limits));
    return false;
  }
  if (bpp == 0 || bpp > 32) {
    image.SetLastError(UserText("Unsupported bit depth"));
    return false;
  }
  return true;
}


}  // namespace tavolo::codecs
