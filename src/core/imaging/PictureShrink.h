// Pictures held at a whole fraction of their size: each block of factor × factor pixels becomes
// one. Decoders that can shrink while they read (PNG, by bands of rows) and pictures shrunk after
// decoding give the same pixels.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "core/imaging/RasterImage.h"

namespace tavolo {

// A side of `length` pixels at 1/factor, rounded up.
uint32_t ShrunkLength(uint32_t length, uint32_t factor);

// The smallest whole factor that brings a picture of width × height within `budget` pixels
// (budget at least 1).
uint32_t ShrinkFactorWithin(uint32_t width, uint32_t height, uint64_t budget);

// `source` at 1/factor of its size into `dst`: colours are averaged over each block (weighed by
// their alpha, which is averaged too), palette pictures keep their palette and take each block's
// first pixel. The resolution is carried over unchanged.
bool ShrinkPicture(const RasterImage& source, uint32_t factor, RasterImage& dst);

// Fills `dst` (created at 1/factor of a picture `height` rows high, with its palette and alpha)
// band by band, as ShrinkPicture would shrink the whole picture: `readBand(band, first, rows)`
// puts rows first … first + rows − 1 of the picture into `band`, top row first (making `band`
// anew when it does not have `rows` rows). Only one band is held at a time.
bool ShrinkByBands(
    uint32_t height, uint32_t factor, RasterImage& dst,
    const std::function<bool(RasterImage& band, uint32_t first, uint32_t rows)>& readBand);

// Shrinks a picture whose pixels arrive in any order, as an interlaced PNG's passes bring them,
// to the pixels ShrinkPicture would give: only the sums of each block are held, never the picture.
class ScatteredShrink {
 public:
  // `dst` must be created at 1/factor of width × height, with its palette and alpha.
  ScatteredShrink(uint32_t width, uint32_t height, uint32_t factor, RasterImage& dst);

  // The pixels of `row`'s top row are the picture's pixels at columns firstColumn,
  // firstColumn + columnStep, … of row y. `row` has dst's depth, and alpha when dst has it.
  void AddRow(const RasterImage& row, uint32_t y, uint32_t firstColumn, uint32_t columnStep);
  // Writes the averages into dst once every pixel has been added.
  void Finish();

 private:
  uint32_t width_;
  uint32_t height_;
  uint32_t factor_;
  RasterImage& dst_;
  // Per shrunk pixel: three colour sums (weighed by alpha when there is alpha), then alpha.
  std::vector<uint64_t> sums_;
};

}  // namespace tavolo
