#include "core/imaging/PictureShrink.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace tavolo {

namespace {

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
      outAlpha[x] = static_cast<uint8_t>((sum[3] + count / 2) / count);
      for (int c = 0; c < 3; ++c) {
        out[3 * x + c] = sum[3] > 0 ? static_cast<uint8_t>((sum[c] + sum[3] / 2) / sum[3]) : 255;
      }
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
      for (int c = 0; c < 3; ++c) {
        out[3 * x + c] = static_cast<uint8_t>((sums[3 * x + c] + count / 2) / count);
      }
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

}  // namespace tavolo
