#include "core/imaging/PictureShrink.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace tavolo {

namespace {

// The average of `count` pixels' channel, rounded half up.
uint8_t Average(uint64_t sum, uint64_t count) {
  return static_cast<uint8_t>((sum + count / 2) / count);
}

// A channel weighed by alpha, averaged; a block with no coverage at all is white.
uint8_t CoveredAverage(uint64_t weighedSum, uint64_t alphaSum) {
  return alphaSum > 0 ? Average(weighedSum, alphaSum) : 255;
}

// ShrinkPicture for a 24-bit picture with alpha: colours weighed by alpha, so that clear pixels
// lend their neighbours none of their colour.
bool ShrinkWithAlpha(const RasterImage& source, uint32_t factor, RasterImage& dst) {
  const uint32_t width = source.GetWidth();
  const uint32_t height = source.GetHeight();
  const uint32_t shrunkWidth = dst.GetWidth();
  const uint32_t shrunkHeight = dst.GetHeight();
  // Per shrunk pixel: colour × alpha for three channels, then alpha.
  std::vector<uint64_t> sums(static_cast<size_t>(shrunkWidth) * 4);
  for (uint32_t y = 0; y < shrunkHeight; ++y) {
    std::fill(sums.begin(), sums.end(), 0u);
    const uint32_t firstRow = y * factor;
    const uint32_t rows = std::min(factor, height - firstRow);
    for (uint32_t r = 0; r < rows; ++r) {
      const uint32_t storageRow = height - 1 - (firstRow + r);
      const uint8_t* row = source.GetBits(storageRow);
      const uint8_t* alpha = source.GetAlphaRow(storageRow);
      for (uint32_t x = 0; x < width; ++x) {
        uint64_t* sum = &sums[static_cast<size_t>(x / factor) * 4];
        for (int c = 0; c < 3; ++c) sum[c] += uint64_t{row[3 * x + c]} * alpha[x];
        sum[3] += alpha[x];
      }
    }
    uint8_t* out = dst.GetBits(shrunkHeight - 1 - y);
    uint8_t* outAlpha = dst.GetAlphaRow(shrunkHeight - 1 - y);
    for (uint32_t x = 0; x < shrunkWidth; ++x) {
      const uint64_t* sum = &sums[static_cast<size_t>(x) * 4];
      const uint32_t count = std::min(factor, width - x * factor) * rows;
      outAlpha[x] = Average(sum[3], count);
      for (int c = 0; c < 3; ++c) out[3 * x + c] = CoveredAverage(sum[c], sum[3]);
    }
  }
  return true;
}

}  // namespace

uint32_t ShrunkLength(uint32_t length, uint32_t factor) {
  return (length + factor - 1) / factor;
}

uint32_t ShrinkFactorWithin(uint32_t width, uint32_t height, uint64_t budget) {
  uint32_t factor = 1;
  while (uint64_t{ShrunkLength(width, factor)} * ShrunkLength(height, factor) > budget) ++factor;
  return factor;
}

bool ShrinkPicture(const RasterImage& source, uint32_t factor, RasterImage& dst) {
  const uint32_t width = source.GetWidth();
  const uint32_t height = source.GetHeight();
  const uint32_t shrunkWidth = ShrunkLength(width, factor);
  const uint32_t shrunkHeight = ShrunkLength(height, factor);
  if (!dst.Create(shrunkWidth, shrunkHeight, source.GetBpp(), source.GetType())) return false;
  if (source.HasAlpha() && !dst.AddAlpha()) return false;
  dst.SetXPelsPerMeter(source.GetXPelsPerMeter());
  dst.SetYPelsPerMeter(source.GetYPelsPerMeter());
  if (source.GetBpp() != 24) {
    const auto palette = source.Palette();
    std::copy(palette.begin(), palette.end(), dst.Palette().begin());
    for (uint32_t y = 0; y < shrunkHeight; ++y) {
      // Rows counted from the bottom: the block's top row is its first in reading order.
      const uint32_t sourceRow = height - 1 - y * factor;
      for (uint32_t x = 0; x < shrunkWidth; ++x) {
        dst.SetPixelIndex(x, shrunkHeight - 1 - y, source.GetPixelIndex(x * factor, sourceRow));
        if (source.HasAlpha()) {
          dst.GetAlphaRow(shrunkHeight - 1 - y)[x] = source.GetPixelAlpha(x * factor, sourceRow);
        }
      }
    }
    return true;
  }
  if (source.HasAlpha()) return ShrinkWithAlpha(source, factor, dst);
  std::vector<uint32_t> sums(static_cast<size_t>(shrunkWidth) * 3);
  for (uint32_t y = 0; y < shrunkHeight; ++y) {
    std::fill(sums.begin(), sums.end(), 0u);
    const uint32_t firstRow = y * factor;
    const uint32_t rows = std::min(factor, height - firstRow);
    for (uint32_t r = 0; r < rows; ++r) {
      const uint8_t* row = source.GetBits(height - 1 - (firstRow + r));
      for (uint32_t x = 0; x < width; ++x) {
        uint32_t* sum = &sums[static_cast<size_t>(x / factor) * 3];
        sum[0] += row[3 * x];
        sum[1] += row[3 * x + 1];
        sum[2] += row[3 * x + 2];
      }
    }
    uint8_t* out = dst.GetBits(shrunkHeight - 1 - y);
    for (uint32_t x = 0; x < shrunkWidth; ++x) {
      const uint32_t columns = std::min(factor, width - x * factor);
      const uint32_t count = columns * rows;
      for (int c = 0; c < 3; ++c) out[3 * x + c] = Average(sums[3 * x + c], count);
    }
  }
  return true;
}

bool ShrinkByBands(
    uint32_t height, uint32_t factor, RasterImage& dst,
    const std::function<bool(RasterImage& band, uint32_t first, uint32_t rows)>& readBand) {
  RasterImage band;
  band.SetAlphaHandling(dst.GetAlphaHandling());
  const size_t rowBytes = dst.GetStride();
  for (uint32_t first = 0, out = 0; first < height && out < dst.GetHeight();
       first += factor, ++out) {
    const uint32_t rows = std::min(factor, height - first);
    if (!readBand(band, first, rows)) {
      if (!band.GetLastError().empty()) dst.SetLastError(band.GetLastError());
      return false;
    }
    RasterImage shrunk;
    if (!ShrinkPicture(band, factor, shrunk)) {
      dst.SetLastError(shrunk.GetLastError());
      return false;
    }
    const uint32_t storageRow = dst.GetHeight() - 1 - out;
    std::memcpy(dst.GetBits(storageRow), shrunk.GetBits(0), rowBytes);
    if (dst.HasAlpha() && shrunk.HasAlpha()) {
      std::memcpy(dst.GetAlphaRow(storageRow), shrunk.GetAlphaRow(0), dst.GetWidth());
    }
  }
  return true;
}

ScatteredShrink::ScatteredShrink(uint32_t width, uint32_t height, uint32_t factor, RasterImage& dst)
    : width_(width), height_(height), factor_(factor), dst_(dst) {
  if (dst.GetBpp() == 24)
    sums_.assign(static_cast<size_t>(dst.GetWidth()) * dst.GetHeight() * 4, 0);
}

void ScatteredShrink::AddRow(const RasterImage& row, uint32_t y, uint32_t firstColumn,
                             uint32_t columnStep) {
  if (y >= height_) return;
  const uint32_t shrunkRow = dst_.GetHeight() - 1 - y / factor_;
  const uint8_t* alpha = row.GetAlphaRow(0);
  for (uint32_t i = 0, x = firstColumn; i < row.GetWidth() && x < width_; ++i, x += columnStep) {
    const uint32_t shrunkX = x / factor_;
    if (sums_.empty()) {
      // Palette pictures take each block's first pixel.
      if (x % factor_ != 0 || y % factor_ != 0) continue;
      dst_.SetPixelIndex(shrunkX, shrunkRow, row.GetPixelIndex(i, 0));
      if (alpha != nullptr && dst_.HasAlpha()) dst_.GetAlphaRow(shrunkRow)[shrunkX] = alpha[i];
      continue;
    }
    const uint8_t* colour = row.GetBits(0) + 3 * static_cast<size_t>(i);
    uint64_t* sum = &sums_[(static_cast<size_t>(shrunkRow) * dst_.GetWidth() + shrunkX) * 4];
    const uint64_t weight = alpha != nullptr ? alpha[i] : 1;
    for (int c = 0; c < 3; ++c) sum[c] += colour[c] * weight;
    sum[3] += weight;
  }
}

void ScatteredShrink::Finish() {
  if (sums_.empty()) return;
  const bool weighed = dst_.HasAlpha();
  for (uint32_t row = 0; row < dst_.GetHeight(); ++row) {
    // Blocks of the last row and column may be cut short by the picture's edge.
    const uint32_t top = (dst_.GetHeight() - 1 - row) * factor_;
    const uint32_t rows = std::min(factor_, height_ - top);
    uint8_t* out = dst_.GetBits(row);
    for (uint32_t x = 0; x < dst_.GetWidth(); ++x) {
      const uint64_t* sum = &sums_[(static_cast<size_t>(row) * dst_.GetWidth() + x) * 4];
      const uint64_t count = uint64_t{std::min(factor_, width_ - x * factor_)} * rows;
      for (int c = 0; c < 3; ++c) {
        out[3 * x + c] = weighed ? CoveredAverage(sum[c], sum[3]) : Average(sum[c], count);
      }
      if (weighed) dst_.GetAlphaRow(row)[x] = Average(sum[3], count);
    }
  }
}

}  // namespace tavolo
