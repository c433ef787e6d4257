#include "core/bridge/BoundedPicture.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace tavolo {

namespace {

// Even the smallest card gets a picture of this many pixels, so that a small logo drawn large
// on it keeps its detail.
constexpr uint64_t kLeastPictureBudget = 1 << 20;

uint32_t Shrunk(uint32_t length, uint32_t factor) {
  return (length + factor - 1) / factor;
}

// The smallest whole factor that brings the picture within `budget` pixels.
uint32_t FactorWithin(uint32_t width, uint32_t height, uint64_t budget) {
  uint32_t factor = 1;
  while (uint64_t{Shrunk(width, factor)} * Shrunk(height, factor) > budget) ++factor;
  return factor;
}

// ShrinkBy for a 24-bit picture with alpha: colours weighed by alpha, so that clear pixels lend
// their neighbours none of their colour.
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

// `source` at 1/factor of its size: colours are averaged over each block (weighed by their alpha,
// which is averaged too), palette pictures keep their palette and take each block's first pixel.
bool ShrinkBy(const RasterImage& source, uint32_t factor, RasterImage& dst) {
  const uint32_t width = source.GetWidth();
  const uint32_t height = source.GetHeight();
  const uint32_t shrunkWidth = Shrunk(width, factor);
  const uint32_t shrunkHeight = Shrunk(height, factor);
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

}  // namespace

uint64_t PicturePixelBudget(uint64_t cardPixels) {
  return std::max(kLeastPictureBudget, cardPixels);
}

BoundedPicture LoadBoundedPicture(const std::filesystem::path& file, uint64_t maxPixels,
                                  uint64_t budget, AlphaHandling alpha) {
  BoundedPicture picture;
  picture.image.SetMaxPixels(maxPixels);
  picture.image.SetAlphaHandling(alpha);
  picture.image.SetDecodePixelBudget(budget);
  if (!picture.image.Load(file, kFormatUnknown)) return picture;
  picture.fileWidth = picture.image.GetFileWidth();
  picture.fileHeight = picture.image.GetFileHeight();
  picture.shrink = picture.image.GetDecodeShrink();
  const uint32_t factor = FactorWithin(picture.image.GetWidth(), picture.image.GetHeight(), budget);
  if (factor > 1) {
    RasterImage shrunk;
    if (!ShrinkBy(picture.image, factor, shrunk)) {
      picture.image.Destroy();
      picture.image.SetLastError(shrunk.GetLastError());
      return picture;
    }
    picture.image = std::move(shrunk);
    picture.shrink *= factor;
  }
  return picture;
}

bool CropInFilePixels(BoundedPicture& picture, int32_t left, int32_t top, int32_t right,
                      int32_t bottom, RasterImage& dst, int& fileWidth, int& fileHeight) {
  const auto width = static_cast<int64_t>(picture.fileWidth);
  const auto height = static_cast<int64_t>(picture.fileHeight);
  int64_t l = std::clamp<int64_t>(left, 0, width);
  int64_t r = std::clamp<int64_t>(right, 0, width);
  int64_t t = std::clamp<int64_t>(top, 0, height);
  int64_t b = std::clamp<int64_t>(bottom, 0, height);
  if (l > r) std::swap(l, r);
  if (t > b) std::swap(t, b);
  fileWidth = static_cast<int>(r - l);
  fileHeight = static_cast<int>(b - t);
  if (fileWidth == 0 || fileHeight == 0) {
    dst.SetLastError("Crop: the rectangle is empty");
    return false;
  }
  if (r - l == width && b - t == height) {
    dst = std::move(picture.image);  // the whole picture: no copy of a large one
    picture.image = RasterImage();
    return true;
  }
  // Outwards to whole held pixels, so that the held crop covers the whole rectangle.
  const int64_t s = picture.shrink;
  return picture.image.Crop(static_cast<int32_t>(l / s), static_cast<int32_t>(t / s),
                            static_cast<int32_t>((r + s - 1) / s),
                            static_cast<int32_t>((b + s - 1) / s), dst);
}

}  // namespace tavolo
