#include "core/pictures/BoundedPicture.h"

#include <algorithm>
#include <utility>

#include "core/base/Translation.h"
#include "core/imaging/PictureShrink.h"
#include "core/pictures/SvgDrawing.h"

namespace tavolo {

namespace {

// Even the smallest card gets a picture of this many pixels, so that a small logo drawn large
// on it keeps its detail.
constexpr uint64_t kLeastPictureBudget = 1 << 20;

// An SVG drawing is drawn at its own size in print pixels, or at a whole fraction of it within
// the budget; its alpha is always kept, as a drawing's clear ground is no colour.
BoundedPicture LoadSvgPicture(Outcome<SvgDrawing> drawing, uint64_t budget) {
  BoundedPicture picture;
  if (!drawing) {
    picture.image.SetLastError(drawing.Message());
    return picture;
  }
  const QSize size = drawing.Value().size;
  picture.fileWidth = static_cast<uint32_t>(size.width());
  picture.fileHeight = static_cast<uint32_t>(size.height());
  picture.shrink = ShrinkFactorWithin(picture.fileWidth, picture.fileHeight, budget);
  const auto shrunk = [&](uint32_t side) {
    return static_cast<int>((side + picture.shrink - 1) / picture.shrink);
  };
  if (RenderSvgDrawing(drawing.Value(),
                       QSize(shrunk(picture.fileWidth), shrunk(picture.fileHeight)),
                       picture.image)) {
    picture.drawing = std::move(drawing.Value());
  }
  return picture;
}

// The picture `decode` gives the image layer (set up to hold at most `maxPixels`, decoded
// smaller where the codec can), shrunk within the budget.
template <class Decode>
BoundedPicture DecodedWithin(uint64_t maxPixels, uint64_t budget, AlphaHandling alpha,
                             Decode decode) {
  BoundedPicture picture;
  picture.image.SetMaxPixels(maxPixels);
  picture.image.SetAlphaHandling(alpha);
  picture.image.SetDecodePixelBudget(budget);
  if (!decode(picture.image)) return picture;
  picture.fileWidth = picture.image.GetFileWidth();
  picture.fileHeight = picture.image.GetFileHeight();
  picture.shrink = picture.image.GetDecodeShrink();
  const uint32_t factor =
      ShrinkFactorWithin(picture.image.GetWidth(), picture.image.GetHeight(), budget);
  if (factor > 1) {
    RasterImage shrunk;
    if (!ShrinkPicture(picture.image, factor, shrunk)) {
      picture.image.Destroy();
      picture.image.SetLastError(shrunk.GetLastError());
      return picture;
    }
    picture.image = std::move(shrunk);
    picture.shrink *= factor;
  }
  return picture;
}

}  // namespace

uint64_t PicturePixelBudget(uint64_t cardPixels) {
  return std::max(kLeastPictureBudget, cardPixels);
}

BoundedPicture LoadBoundedPicture(const std::filesystem::path& file, uint64_t maxPixels,
                                  uint64_t budget, AlphaHandling alpha) {
  if (IsSvgFileName(file)) return LoadSvgPicture(ReadSvgDrawing(file, maxPixels), budget);
  return DecodedWithin(maxPixels, budget, alpha,
                       [&](RasterImage& image) { return image.Load(file, kFormatUnknown); });
}

BoundedPicture LoadBoundedPicture(std::span<const uint8_t> bytes, const std::filesystem::path& name,
                                  uint64_t maxPixels, uint64_t budget, AlphaHandling alpha) {
  if (IsSvgFileName(name)) return LoadSvgPicture(ReadSvgDrawing(bytes, maxPixels), budget);
  return DecodedWithin(maxPixels, budget, alpha,
                       [&](RasterImage& image) { return image.Decode(bytes, kFormatUnknown); });
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
    dst.SetLastError(TrMessage("Crop: the rectangle is empty"));
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
