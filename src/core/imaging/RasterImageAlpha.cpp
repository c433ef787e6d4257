// The alpha channel of a RasterImage: adding, reading and compositing it away.
#include <algorithm>
#include <new>

#include "core/imaging/RasterImage.h"
#include "core/imaging/codecs/Codecs.h"
#include "core/storage/UserText.h"

namespace tavolo {

namespace {

constexpr uint8_t kOpaque = 255;

}  // namespace

AlphaSupport AlphaSupportOf(int format) {
  switch (format) {
    case kFormatPng:
    case kFormatTga:
    case kFormatTiff:
    case kFormatIco:
      return AlphaSupport::kFull;
    case kFormatGif:
      return AlphaSupport::kClearOnly;
    default:
      return AlphaSupport::kNone;
  }
}

bool RasterImage::AddAlpha() {
  if (!IsValid()) {
    SetLastError(UserText("AddAlpha: image is empty"));
    return false;
  }
  if (HasAlpha()) return true;
  try {
    alpha_.assign(static_cast<size_t>(width_) * height_, kOpaque);
  } catch (const std::bad_alloc&) {
    alpha_.clear();
    SetLastError(UserText("RasterImage::Create can't allocate memory"));
    return false;
  }
  return true;
}

uint8_t* RasterImage::GetAlphaRow(uint32_t storageRow) {
  if (alpha_.empty() || storageRow >= height_) return nullptr;
  return alpha_.data() + static_cast<size_t>(storageRow) * width_;
}

const uint8_t* RasterImage::GetAlphaRow(uint32_t storageRow) const {
  if (alpha_.empty() || storageRow >= height_) return nullptr;
  return alpha_.data() + static_cast<size_t>(storageRow) * width_;
}

uint8_t RasterImage::GetPixelAlpha(uint32_t x, uint32_t y) const {
  if (alpha_.empty() || x >= width_ || y >= height_) return kOpaque;
  return alpha_[static_cast<size_t>(y) * width_ + x];
}

void RasterImage::DropOpaqueAlpha() {
  if (std::all_of(alpha_.begin(), alpha_.end(), [](uint8_t a) { return a == kOpaque; })) {
    alpha_.clear();
    alpha_.shrink_to_fit();
  }
}

bool RasterImage::CompositeAlphaOverWhite(bool keepClear) {
  if (!HasAlpha()) return true;
  const auto composited = [keepClear](uint8_t a) { return a != kOpaque && (a != 0 || !keepClear); };
  if (std::none_of(alpha_.begin(), alpha_.end(), composited)) {
    DropOpaqueAlpha();
    return true;
  }
  if (bpp_ != 24) {
    // Pixels of one palette entry may differ in alpha, so they may end up in different colours.
    RasterImage wide(format_);
    if (!wide.Create(width_, height_, 24, format_)) {
      SetLastError(wide.GetLastError());
      return false;
    }
    for (uint32_t y = 0; y < height_; ++y) {
      for (uint32_t x = 0; x < width_; ++x) wide.SetPixelColour(x, y, GetPixelColour(x, y));
    }
    wide.alpha_ = std::move(alpha_);
    wide.xPelsPerMeter_ = xPelsPerMeter_;
    wide.yPelsPerMeter_ = yPelsPerMeter_;
    wide.jpegQuality_ = jpegQuality_;
    wide.alphaHandling_ = alphaHandling_;
    wide.maxPixels_ = maxPixels_;
    *this = std::move(wide);
  }
  for (uint32_t y = 0; y < height_; ++y) {
    uint8_t* row = GetBits(y);
    uint8_t* alpha = GetAlphaRow(y);
    for (uint32_t x = 0; x < width_; ++x) {
      if (!composited(alpha[x])) continue;
      uint8_t* p = row + 3 * static_cast<size_t>(x);
      for (int c = 0; c < 3; ++c) p[c] = codecs::CompositeOverWhite(p[c], alpha[x]);
      alpha[x] = kOpaque;
    }
  }
  DropOpaqueAlpha();
  return true;
}

}  // namespace tavolo
