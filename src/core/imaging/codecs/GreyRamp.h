// The grey-ramp palette that greyscale pictures are held with: entry i is grey level
// i × 255 / (entries − 1), so an 8-bit grey image indexes its own levels.
#pragma once

#include "core/imaging/RasterImage.h"

namespace tavolo::codecs {

inline void SetGreyRamp(RasterImage& image) {
  auto palette = image.Palette();
  if (palette.size() < 2) return;
  for (size_t i = 0; i < palette.size(); ++i) {
    const auto level = static_cast<uint8_t>(i * 255 / (palette.size() - 1));
    palette[i] = {level, level, level, 0};
  }
}

// True for an 8-bit image whose 256 entries are exactly the grey ramp.
inline bool HasGreyRamp(const RasterImage& image) {
  if (image.GetBpp() != 8 || image.GetPaletteSize() != 256) return false;
  const auto palette = image.Palette();
  for (size_t i = 0; i < palette.size(); ++i) {
    if (palette[i].red != i || palette[i].green != i || palette[i].blue != i) return false;
  }
  return true;
}

}  // namespace tavolo::codecs
