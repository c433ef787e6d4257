// A picture for round trips through run-length and dictionary coders: 300 pixels wide, in bands of
// four equal rows whose runs of one colour take every length an encoder treats specially (PCX
// runs stop at 63, TGA packets at 128, BMP's at 255), next to single pixels and a flat band
// across the whole width. Runs are coloured from 200 colours, many of them with bytes of 0xC0 and
// above (which PCX must escape), so a card made of it keeps every colour through the GIF palette.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/imaging/RasterImage.h"

namespace tavolo::test {

inline constexpr uint32_t kRunPictureWidth = 300;
inline constexpr uint32_t kRunPictureHeight = 24;
inline constexpr uint32_t kRunColours = 200;

// The number of the run that pixel (x, y from the top) belongs to, counted over the whole picture.
inline uint32_t RunNumber(uint32_t x, uint32_t y) {
  // The run lengths of each band of four rows, repeated along the row until it is full.
  static const std::array<std::vector<uint32_t>, 6> kBands = {{
      {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23},
      {kRunPictureWidth},
      {62, 63, 64, 65, 66},
      {127, 128, 129},
      {255, 1, 44},
      {1},
  }};
  const std::vector<uint32_t>& lengths = kBands[y / 4 % kBands.size()];
  uint32_t number = y / 4 * 1000;
  for (uint32_t start = 0, i = 0;; ++i, ++number) {
    start += lengths[i % lengths.size()];
    if (x < start) return number;
  }
}

// Colour of run n as 0x00RRGGBB; neighbouring runs always differ.
inline uint32_t RunColour(uint32_t n) {
  const uint32_t i = n % kRunColours;
  return ((i * 67 + 0xC3) & 0xFF) << 16 | ((i * 151 + 7) & 0xFF) << 8 | ((i * 29 + 0xE1) & 0xFF);
}

// The picture at 24 bits (run colours) or at 1, 4 or 8 bits (run numbers over a palette of that
// many colours; neighbouring runs still differ).
inline RasterImage RunLengthPicture(uint32_t bpp) {
  const auto quad = [](uint32_t c) {
    return RgbQuad{static_cast<uint8_t>(c), static_cast<uint8_t>(c >> 8),
                   static_cast<uint8_t>(c >> 16), 0};
  };
  RasterImage image;
  image.Create(kRunPictureWidth, kRunPictureHeight, bpp, kFormatUnknown);
  auto palette = image.Palette();
  for (uint32_t i = 0; i < palette.size(); ++i) palette[i] = quad(RunColour(i));
  for (uint32_t y = 0; y < kRunPictureHeight; ++y) {
    for (uint32_t x = 0; x < kRunPictureWidth; ++x) {
      const uint32_t run = RunNumber(x, y);
      const uint32_t storageRow = kRunPictureHeight - 1 - y;
      if (bpp == 24) {
        image.SetPixelColour(x, storageRow, quad(RunColour(run)));
      } else {
        image.SetPixelIndex(x, storageRow, static_cast<uint8_t>(run % palette.size()));
      }
    }
  }
  return image;
}

}  // namespace tavolo::test
