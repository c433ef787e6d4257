#pragma once

#include <array>
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

// A little-endian TIFF of uncompressed 8-bit grey in one strip, or in tiles of `tile` × `tile`
// pixels when tile is not 0, whose header may lie.
inline std::vector<uint8_t> GreyTiff(uint32_t width, uint32_t height, uint32_t stripBytes,
                                     uint32_t dataBytes, uint32_t tile = 0) {
  std::vector<uint8_t> bytes = {'I', 'I', 42, 0, 8, 0, 0, 0};
  const uint32_t dataOffset = 8 + 2 + (tile == 0 ? 8 : 9) * 12 + 4;
  std::vector<std::array<uint32_t, 3>> tags = {
      {256, 4, width}, {257, 4, height}, {258, 3, 8}, {259, 3, 1}, {262, 3, 1}};
  if (tile == 0) {
    tags.insert(tags.end(), {{273, 4, dataOffset}, {278, 4, height}, {279, 4, stripBytes}});
  } else {
    tags.insert(tags.end(),
                {{322, 4, tile}, {323, 4, tile}, {324, 4, dataOffset}, {325, 4, stripBytes}});
  }
  PutFields(bytes, "2", {static_cast<uint32_t>(tags.size())});
  // A short value fills the low half of the entry's 32-bit value field, little-endian.
  for (const auto& [id, type, value] : tags) PutFields(bytes, "2244", {id, type, 1, value});
  PutFields(bytes, "4", {0});
  for (uint32_t i = 0; i < dataBytes; ++i) bytes.push_back(static_cast<uint8_t>(i));
  return bytes;
}

}  // namespace tavolo::test
