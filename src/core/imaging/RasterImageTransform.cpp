// Colour-depth reduction, rotation and cropping of a RasterImage.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

#include "core/imaging/RasterImage.h"
#include "core/imaging/codecs/Codecs.h"
#include "core/storage/UserText.h"

namespace tavolo {

namespace {

// Exact nearest-palette search, fast enough for diffusion over a 256-entry palette on card-sized
// images. The colour cube is cut into cells; each cell, when first met, lists the entries that
// could be nearest to some colour inside it (an entry whose nearest point of the cell is farther
// than another entry's farthest point never can), ordered by that nearest-point distance, so the
// scan stops as soon as no remaining entry can beat the best found. The answer is the full
// scan's: smallest sum of squares, lower index on ties.
class NearestSearch {
 public:
  explicit NearestSearch(std::span<const RgbQuad> palette)
      : palette_(palette.begin(), palette.end()), cellStart_(kCells, -1), cellCount_(kCells, 0) {}

  int Find(uint8_t blue, uint8_t green, uint8_t red) {
    const uint32_t colour = blue | green << 8 | red << 16;
    const uint32_t slot = (colour * 2654435761u) >> (32 - kMemoBits);
    if (memoColour_[slot] == colour) return memoIndex_[slot];
    const int found = Search(blue, green, red);
    memoColour_[slot] = colour;
    memoIndex_[slot] = static_cast<uint8_t>(found);
    return found;
  }

 private:
  int Search(uint8_t blue, uint8_t green, uint8_t red) {
    const int cell = (blue >> kCellBits) << (2 * kSideBits) | (green >> kCellBits) << kSideBits |
                     (red >> kCellBits);
    if (cellStart_[cell] < 0) BuildCell(cell);
    int best = 0;
    int bestDistance = 1 << 30;
    const Candidate* c = candidates_.data() + cellStart_[cell];
    for (const Candidate* end = c + cellCount_[cell]; c != end && c->bound <= bestDistance; ++c) {
      const RgbQuad& e = palette_[c->index];
      const int db = e.blue - blue;
      const int dg = e.green - green;
      const int dr = e.red - red;
      const int d = db * db + dg * dg + dr * dr;
      if (d < bestDistance || (d == bestDistance && c->index < best)) {
        bestDistance = d;
        best = c->index;
      }
    }
    return best;
  }

  // Cells 8 levels a side: on a card over a noisy background, 16 leave lists a fifth longer to
  // scan and 4 cost more to build than their shorter lists save.
  static constexpr int kCellBits = 3;
  static constexpr int kSideBits = 8 - kCellBits;
  static constexpr int kCellSide = 1 << kCellBits;
  static constexpr int kCells = 1 << (3 * kSideBits);

  struct Candidate {
    int bound;  // squared distance from the entry to the nearest point of the cell
    int index;
  };

  // Squared distance along one channel from a value to the nearest and farthest point of
  // [low, low + kCellSide - 1].
  static int Near(int v, int low) {
    const int d = v < low ? low - v : v > low + kCellSide - 1 ? v - (low + kCellSide - 1) : 0;
    return d * d;
  }
  static int Far(int v, int low) {
    const int d = std::max(std::abs(v - low), std::abs(v - (low + kCellSide - 1)));
    return d * d;
  }

  void BuildCell(int cell) {
    const int lowBlue = (cell >> (2 * kSideBits)) << kCellBits;
    const int lowGreen = ((cell >> kSideBits) & ((1 << kSideBits) - 1)) << kCellBits;
    const int lowRed = (cell & ((1 << kSideBits) - 1)) << kCellBits;
    int limit = 1 << 30;
    for (const RgbQuad& e : palette_) {
      limit = std::min(limit, Far(e.blue, lowBlue) + Far(e.green, lowGreen) + Far(e.red, lowRed));
    }
    const auto start = static_cast<int>(candidates_.size());
    for (size_t i = 0; i < palette_.size(); ++i) {
      const RgbQuad& e = palette_[i];
      const int bound = Near(e.blue, lowBlue) + Near(e.green, lowGreen) + Near(e.red, lowRed);
      if (bound <= limit) candidates_.push_back({bound, static_cast<int>(i)});
    }
    std::sort(candidates_.begin() + start, candidates_.end(),
              [](const Candidate& a, const Candidate& b) {
                return a.bound != b.bound ? a.bound < b.bound : a.index < b.index;
              });
    cellStart_[cell] = start;
    cellCount_[cell] = static_cast<uint16_t>(candidates_.size() - start);
  }

  // Colours already answered, by a multiplicative hash of the colour: diffused noise repeats
  // colours far apart, where the run check misses them. No colour has the top byte set.
  static constexpr int kMemoBits = 13;
  std::vector<uint32_t> memoColour_ = std::vector<uint32_t>(1u << kMemoBits, 0xFFFFFFFFu);
  std::vector<uint8_t> memoIndex_ = std::vector<uint8_t>(1u << kMemoBits, 0);

  std::vector<RgbQuad> palette_;
  std::vector<Candidate> candidates_;
  std::vector<int> cellStart_;
  std::vector<uint16_t> cellCount_;
};

uint8_t ClampByte(int v) {
  return static_cast<uint8_t>(std::clamp(v, 0, 255));
}

// Adds one share of the error to a pixel's three channels, clamped to a byte.
inline void AddShare(uint8_t* pixel, int blue, int green, int red) {
  pixel[0] = ClampByte(pixel[0] + blue);
  pixel[1] = ClampByte(pixel[1] + green);
  pixel[2] = ClampByte(pixel[2] + red);
}

// One stored row as blue-green-red triples, whatever the image's depth.
void ReadRowBgr(const RasterImage& image, uint32_t row, std::vector<uint8_t>& out) {
  const uint32_t width = image.GetWidth();
  out.resize(static_cast<size_t>(width) * 3);
  if (image.GetBpp() == 24) {
    std::memcpy(out.data(), image.GetBits(row), out.size());
    return;
  }
  for (uint32_t x = 0; x < width; ++x) {
    const RgbQuad c = image.GetPixelColour(x, row);
    out[3 * x] = c.blue;
    out[3 * x + 1] = c.green;
    out[3 * x + 2] = c.red;
  }
}

void CopyPixel(const RasterImage& src, uint32_t sx, uint32_t sy, RasterImage& dst, uint32_t dx,
               uint32_t dy) {
  if (src.GetBpp() == 24) {
    std::memcpy(dst.GetBits(dy) + 3 * static_cast<size_t>(dx),
                src.GetBits(sy) + 3 * static_cast<size_t>(sx), 3);
  } else {
    dst.SetPixelIndex(dx, dy, src.GetPixelIndex(sx, sy));
  }
  if (src.HasAlpha()) dst.GetAlphaRow(dy)[dx] = src.GetAlphaRow(sy)[sx];
}

// Gives dst an alpha channel when src has one; false, with the reason in dst, when it cannot.
bool AddAlphaLike(const RasterImage& src, RasterImage& dst) {
  return !src.HasAlpha() || dst.AddAlpha();
}

void CopyAttributes(const RasterImage& src, RasterImage& dst) {
  dst.SetXPelsPerMeter(src.GetXPelsPerMeter());
  dst.SetYPelsPerMeter(src.GetYPelsPerMeter());
  dst.SetJpegQuality(src.GetJpegQuality());
}

}  // namespace

bool RasterImage::DecreaseBpp(uint32_t bits, bool errorDiffusion, const RgbQuad* palette,
                              uint32_t paletteSize) {
  if (!IsValid()) {
    SetLastError(UserText("DecreaseBpp: image is empty"));
    return false;
  }
  if (bits != 1 && bits != 4 && bits != 8) {
    SetLastError(UserText("DecreaseBpp: bits must be 1, 4 or 8"));
    return false;
  }
  RasterImage target(format_);
  if (!target.Create(width_, height_, bits, format_)) {
    SetLastError(target.GetLastError());
    return false;
  }
  std::span<RgbQuad> entries = target.Palette();
  const uint32_t entryCount = static_cast<uint32_t>(entries.size());
  if (palette != nullptr) {
    const uint32_t given = paletteSize == 0 ? entryCount : std::min(paletteSize, entryCount);
    std::copy_n(palette, given, entries.begin());
    // Unfilled entries are black; they must not attract pixels the palette does not hold.
    if (given < entryCount) target.SetImportantColours(given);
  } else {
    for (uint32_t i = 0; i < entryCount; ++i) {
      const auto grey = static_cast<uint8_t>(i * 255 / (entryCount - 1));
      entries[i] = {grey, grey, grey, 0};
    }
  }
  const uint32_t searchCount =
      target.GetImportantColours() > 0 ? target.GetImportantColours() : entryCount;
  NearestSearch search(std::span<const RgbQuad>(entries.data(), searchCount));

  // Two rows of working colours: the current one and the next in storage order, which receive
  // the diffused error of pixels not yet visited.
  std::vector<uint8_t> current;
  std::vector<uint8_t> next;
  ReadRowBgr(*this, 0, current);
  // The last colour looked up and its answer: runs of one colour need no search.
  int lastColour = -1;
  int lastIndex = 0;
  for (uint32_t y = 0; y < height_; ++y) {
    const bool hasNext = y + 1 < height_;
    if (hasNext) ReadRowBgr(*this, y + 1, next);
    uint8_t* targetRow = target.GetBits(y);
    for (uint32_t x = 0; x < width_; ++x) {
      uint8_t* pixel = current.data() + 3 * static_cast<size_t>(x);
      const int colour = pixel[0] | (pixel[1] << 8) | (pixel[2] << 16);
      if (colour != lastColour) {
        lastColour = colour;
        lastIndex = search.Find(pixel[0], pixel[1], pixel[2]);
      }
      if (bits == 8) {
        targetRow[x] = static_cast<uint8_t>(lastIndex);
      } else {
        target.SetPixelIndex(x, y, static_cast<uint8_t>(lastIndex));
      }
      if (!errorDiffusion) continue;
      const RgbQuad chosen = entries[lastIndex];
      const int eb = pixel[0] - chosen.blue;
      const int eg = pixel[1] - chosen.green;
      const int er = pixel[2] - chosen.red;
      if ((eb | eg | er) == 0) continue;
      // Each share is (weight × error) / 16, truncated toward zero.
      if (x + 1 < width_) AddShare(pixel + 3, 7 * eb / 16, 7 * eg / 16, 7 * er / 16);
      if (hasNext) {
        uint8_t* below = next.data() + 3 * static_cast<size_t>(x);
        if (x > 0) AddShare(below - 3, 2 * eb / 16, 2 * eg / 16, 2 * er / 16);
        AddShare(below, 4 * eb / 16, 4 * eg / 16, 4 * er / 16);
        if (x + 1 < width_) AddShare(below + 3, eb / 16, eg / 16, er / 16);
      }
    }
    std::swap(current, next);
  }

  CopyAttributes(*this, target);
  std::string keptError = lastError_;
  auto keptAlpha = std::move(alpha_);
  *this = std::move(target);
  lastError_ = std::move(keptError);
  alpha_ = std::move(keptAlpha);
  return true;
}

bool RasterImage::Rotate(float angleDegrees, RasterImage& dst) const {
  if (!IsValid()) {
    dst.SetLastError(UserText("Rotate: image is empty"));
    return false;
  }
  if (!std::isfinite(angleDegrees)) {
    dst.SetLastError(UserText("Rotate: angle is not a number"));
    return false;
  }
  double turn = std::fmod(static_cast<double>(angleDegrees), 360.0);
  if (turn < 0) turn += 360.0;

  // The turned picture is held to the destination's limit: at 45 degrees it has twice the pixels.
  RasterImage result(format_);
  result.SetMaxPixels(dst.GetMaxPixels());
  const int quarter = turn == 0.0     ? 0
                      : turn == 90.0  ? 1
                      : turn == 180.0 ? 2
                      : turn == 270.0 ? 3
                                      : -1;
  if (quarter >= 0) {
    // Whole quarter turns move pixels exactly and keep the depth and palette.
    const bool swapSides = quarter % 2 == 1;
    if (!result.Create(swapSides ? height_ : width_, swapSides ? width_ : height_, bpp_, format_) ||
        !AddAlphaLike(*this, result)) {
      dst.SetLastError(result.GetLastError());
      return false;
    }
    std::copy(palette_.begin(), palette_.end(), result.Palette().begin());
    result.SetImportantColours(importantColours_);
    for (uint32_t y = 0; y < height_; ++y) {
      for (uint32_t x = 0; x < width_; ++x) {
        // (x, y) counted from the bottom-left corner; turns are counter-clockwise.
        switch (quarter) {
          case 0:
            CopyPixel(*this, x, y, result, x, y);
            break;
          case 1:
            CopyPixel(*this, x, y, result, height_ - 1 - y, x);
            break;
          case 2:
            CopyPixel(*this, x, y, result, width_ - 1 - x, height_ - 1 - y);
            break;
          default:
            CopyPixel(*this, x, y, result, y, width_ - 1 - x);
            break;
        }
      }
    }
  } else {
    const double radians = turn * 3.14159265358979323846 / 180.0;
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    // The bounding box of the turned picture; a hair is taken off so rounding noise never adds a
    // column.
    const double w = width_;
    const double h = height_;
    const auto newWidth =
        static_cast<uint64_t>(std::ceil(std::abs(w * c) + std::abs(h * s) - 1e-6));
    const auto newHeight =
        static_cast<uint64_t>(std::ceil(std::abs(w * s) + std::abs(h * c) - 1e-6));
    if (!codecs::CheckImageSize(newWidth, newHeight, 24, result) ||
        !result.Create(static_cast<uint32_t>(newWidth), static_cast<uint32_t>(newHeight), 24,
                       format_) ||
        !AddAlphaLike(*this, result)) {
      dst.SetLastError(result.GetLastError());
      return false;
    }
    std::vector<uint8_t> source;
    const uint8_t* sourceRows = pixels_.data();
    uint32_t sourceStride = stride_;
    if (bpp_ != 24) {
      // Palette pictures are turned as colour pictures, so edges blend between colours.
      sourceStride = width_ * 3;
      source.resize(static_cast<size_t>(sourceStride) * height_);
      std::vector<uint8_t> row;
      for (uint32_t y = 0; y < height_; ++y) {
        ReadRowBgr(*this, y, row);
        std::copy(row.begin(), row.end(), source.begin() + static_cast<size_t>(y) * sourceStride);
      }
      sourceRows = source.data();
    }
    const double halfDstW = newWidth / 2.0;
    const double halfDstH = newHeight / 2.0;
    const double halfSrcW = w / 2.0;
    const double halfSrcH = h / 2.0;
    const int maxX = static_cast<int>(width_) - 1;
    const int maxY = static_cast<int>(height_) - 1;
    // A picture with alpha leaves the uncovered corners clear, and its colours are weighed by
    // their alpha, so that clear pixels lend the edges none of their colour.
    const bool alpha = HasAlpha();
    for (uint32_t yd = 0; yd < newHeight; ++yd) {
      uint8_t* out = result.GetBits(yd);
      uint8_t* outAlpha = result.GetAlphaRow(yd);
      const double dy = yd + 0.5 - halfDstH;
      for (uint32_t xd = 0; xd < newWidth; ++xd, out += 3) {
        // Back to the source through the inverse turn; y grows upward as rows are stored.
        const double dx = xd + 0.5 - halfDstW;
        const double sx = halfSrcW + dx * c + dy * s;
        const double sy = halfSrcH - dx * s + dy * c;
        if (sx < 0 || sy < 0 || sx >= w || sy >= h) {
          out[0] = out[1] = out[2] = 255;
          if (alpha) outAlpha[xd] = 0;
          continue;
        }
        const double px = sx - 0.5;
        const double py = sy - 0.5;
        const int x0 = static_cast<int>(std::floor(px));
        const int y0 = static_cast<int>(std::floor(py));
        const double fx = px - x0;
        const double fy = py - y0;
        const int xa = std::clamp(x0, 0, maxX);
        const int xb = std::clamp(x0 + 1, 0, maxX);
        const int ya = std::clamp(y0, 0, maxY);
        const int yb = std::clamp(y0 + 1, 0, maxY);
        const uint8_t* rowA = sourceRows + static_cast<size_t>(ya) * sourceStride;
        const uint8_t* rowB = sourceRows + static_cast<size_t>(yb) * sourceStride;
        if (alpha) {
          const double weights[4] = {(1 - fx) * (1 - fy), fx * (1 - fy), (1 - fx) * fy, fx * fy};
          const uint8_t* corners[4] = {rowA + 3 * xa, rowA + 3 * xb, rowB + 3 * xa, rowB + 3 * xb};
          const uint8_t coverage[4] = {GetAlphaRow(ya)[xa], GetAlphaRow(ya)[xb],
                                       GetAlphaRow(yb)[xa], GetAlphaRow(yb)[xb]};
          double total = 0;
          double sums[3] = {0, 0, 0};
          for (int k = 0; k < 4; ++k) {
            const double weight = weights[k] * coverage[k];
            total += weight;
            for (int ch = 0; ch < 3; ++ch) sums[ch] += weight * corners[k][ch];
          }
          outAlpha[xd] = ClampByte(static_cast<int>(total + 0.5));
          for (int ch = 0; ch < 3; ++ch) {
            out[ch] = total > 0 ? ClampByte(static_cast<int>(sums[ch] / total + 0.5)) : 255;
          }
          continue;
        }
        for (int ch = 0; ch < 3; ++ch) {
          const double top = rowA[3 * xa + ch] * (1 - fx) + rowA[3 * xb + ch] * fx;
          const double bottom = rowB[3 * xa + ch] * (1 - fx) + rowB[3 * xb + ch] * fx;
          out[ch] = ClampByte(static_cast<int>(top * (1 - fy) + bottom * fy + 0.5));
        }
      }
    }
  }
  CopyAttributes(*this, result);
  dst = std::move(result);
  return true;
}

bool RasterImage::Crop(int32_t left, int32_t top, int32_t right, int32_t bottom,
                       RasterImage& dst) const {
  if (!IsValid()) {
    dst.SetLastError(UserText("Crop: image is empty"));
    return false;
  }
  const auto w = static_cast<int64_t>(width_);
  const auto h = static_cast<int64_t>(height_);
  int64_t l = std::clamp<int64_t>(left, 0, w);
  int64_t r = std::clamp<int64_t>(right, 0, w);
  int64_t t = std::clamp<int64_t>(top, 0, h);
  int64_t b = std::clamp<int64_t>(bottom, 0, h);
  if (l > r) std::swap(l, r);
  if (t > b) std::swap(t, b);
  if (r == l || b == t) {
    dst.SetLastError(UserText("Crop: the rectangle is empty"));
    return false;
  }
  const auto cropWidth = static_cast<uint32_t>(r - l);
  const auto cropHeight = static_cast<uint32_t>(b - t);
  RasterImage result(format_);
  if (!result.Create(cropWidth, cropHeight, bpp_, format_) || !AddAlphaLike(*this, result)) {
    dst.SetLastError(result.GetLastError());
    return false;
  }
  std::copy(palette_.begin(), palette_.end(), result.Palette().begin());
  result.SetImportantColours(importantColours_);
  // Rows are stored bottom-up: the picture's row b - 1 is the crop's first stored row.
  const auto firstRow = static_cast<uint32_t>(h - b);
  const auto x0 = static_cast<uint32_t>(l);
  for (uint32_t y = 0; y < cropHeight; ++y) {
    if (bpp_ >= 8) {
      const uint32_t bytes = bpp_ / 8;
      std::memcpy(result.GetBits(y), GetBits(firstRow + y) + static_cast<size_t>(x0) * bytes,
                  static_cast<size_t>(cropWidth) * bytes);
    } else {
      for (uint32_t x = 0; x < cropWidth; ++x) {
        result.SetPixelIndex(x, y, GetPixelIndex(x0 + x, firstRow + y));
      }
    }
    if (HasAlpha()) {
      std::memcpy(result.GetAlphaRow(y), GetAlphaRow(firstRow + y) + x0, cropWidth);
    }
  }
  CopyAttributes(*this, result);
  dst = std::move(result);
  return true;
}

}  // namespace tavolo
