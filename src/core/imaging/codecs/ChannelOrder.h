// Files store colour as red, green, blue; pictures here hold blue, green, red, bottom row first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "core/imaging/RasterImage.h"

namespace tavolo::codecs {

// Copies `pixels` three-byte pixels, reversing each one's bytes; a plain loop the compiler keeps
// tight, several times quicker than going through per-sample helpers.
inline void CopyReversingTriples(const uint8_t* from, uint8_t* to, size_t pixels) {
  for (size_t i = 0; i < 3 * pixels; i += 3) {
    to[i] = from[i + 2];
    to[i + 1] = from[i + 1];
    to[i + 2] = from[i];
  }
}

// Row y (top first) as files store it: red, green, blue and, `withAlpha`, alpha for colour; the
// packed indices otherwise.
inline void FileOrderRow(const RasterImage& image, uint32_t y, bool withAlpha, uint8_t* row) {
  const uint32_t storageRow = image.GetHeight() - 1 - y;
  const uint32_t width = image.GetWidth();
  if (withAlpha) {
    const uint8_t* alpha = image.GetAlphaRow(storageRow);
    for (uint32_t x = 0; x < width; ++x, row += 4) {
      const RgbQuad c = image.GetPixelColour(x, storageRow);
      row[0] = c.red;
      row[1] = c.green;
      row[2] = c.blue;
      row[3] = alpha[x];
    }
  } else if (image.GetBpp() == 24) {
    CopyReversingTriples(image.GetBits(storageRow), row, width);
  } else {
    std::memcpy(row, image.GetBits(storageRow),
                (static_cast<size_t>(width) * image.GetBpp() + 7) / 8);
  }
}

}  // namespace tavolo::codecs
