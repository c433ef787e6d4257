// The device-independent-bitmap reader shared by the BMP and ICO decoders.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "core/imaging/RasterImage.h"

namespace tavolo::codecs {

struct DibSource {
  // Where the bitmap-information header starts in the data.
  size_t infoOffset = 0;
  // Where the pixels start; 0 means right after the palette (as inside an icon).
  size_t pixelOffset = 0;
  // An icon's bitmap: its height counts the colour rows and the mask rows, and a 32-bit icon's
  // fourth byte is alpha.
  bool icon = false;
};

// Decodes one bitmap into image (format code format). On success pixelEnd is where the colour
// pixels ended, which is where an icon's mask begins.
bool DecodeDib(std::span<const uint8_t> data, const DibSource& source, int format,
               RasterImage& image, size_t& pixelEnd);

}  // namespace tavolo::codecs
