// Helpers shared by the imaging tests: a small synthetic photo and little-endian writers for
// hand-built files.
#pragma once

#include <filesystem>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "core/imaging/RasterImage.h"
#include "tests/core/TestFolders.h"
#include "tests/core/imaging/MagickInterop.h"

namespace tavolo::test {

namespace fs = std::filesystem;

// A 24-bit picture with smooth gradients and some texture, so every byte position matters.
inline RasterImage MakePhoto(uint32_t width, uint32_t height) {
  RasterImage image;
  image.Create(width, height, 24, kFormatUnknown);
  for (uint32_t y = 0; y < height; ++y) {
    for (uint32_t x = 0; x < width; ++x) {
      image.SetPixelColour(x, y,
                           {static_cast<uint8_t>(x * 255 / (width - 1 ? width - 1 : 1)),
                            static_cast<uint8_t>((x * 7 + y * 13) & 0xFF),
                            static_cast<uint8_t>(y * 255 / (height - 1 ? height - 1 : 1)), 0});
    }
  }
  return image;
}

// Appends little-endian fields: the n-th digit of `widths` is the n-th value's width in bytes.
inline void PutFields(std::vector<uint8_t>& out, std::string_view widths,
                      std::initializer_list<uint32_t> values) {
  auto width = widths.begin();
  for (const uint32_t value : values) {
    for (int i = 0; i < *width - '0'; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
    ++width;
  }
}
}  // namespace tavolo::test
