// Photos and logos held no larger than a card can show them. A small file can hold a picture of
// tens of megapixels; decoded whole, turned and copied for drawing it would cost far more than
// the card it is drawn on. The picture is decoded smaller where the codec can (JPEG), otherwise
// shrunk at once after decoding, and placements, which are measured in the file's pixels, are
// mapped onto what is held.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

#include "core/imaging/RasterImage.h"
#include "core/pictures/SvgDrawing.h"

namespace tavolo {

// A picture held at 1/shrink of the file's size each way (rounded up); an SVG file's drawing
// too, for painting as shapes.
struct BoundedPicture {
  RasterImage image;
  uint32_t fileWidth = 0;
  uint32_t fileHeight = 0;
  uint32_t shrink = 1;
  std::optional<SvgDrawing> drawing;
  bool IsValid() const { return image.IsValid(); }
};

// The most pixels a photo or logo on a card of `cardPixels` pixels is held at: a picture fitted
// to the card shows no more than the card's own pixels (and even a small card allows a
// megapixel). In bytes that is a few times the card's own pixel memory, with the copies drawing
// makes.
uint64_t PicturePixelBudget(uint64_t cardPixels);

// Loads `file` as RasterImage does (a file picture of more than `maxPixels` is refused), with its
// alpha as `alpha` says, holding it at whole fractions of its size until it has at most `budget`
// pixels. An SVG drawing (by its name) is read as ReadSvgDrawing reads it and drawn with its
// alpha at its size in print pixels, or a whole fraction of it. On failure the image is empty
// and its last error says why.
BoundedPicture LoadBoundedPicture(const std::filesystem::path& file, uint64_t maxPixels,
                                  uint64_t budget, AlphaHandling alpha = AlphaHandling::kOverWhite);
// The same for a picture file's bytes held in memory; `name` tells an SVG drawing by its
// extension, as a file's name does.
BoundedPicture LoadBoundedPicture(std::span<const uint8_t> bytes, const std::filesystem::path& name,
                                  uint64_t maxPixels, uint64_t budget,
                                  AlphaHandling alpha = AlphaHandling::kOverWhite);

// The rectangle from (left, top) to (right, bottom), given in the file's pixels and clamped and
// ordered as RasterImage::Crop does, cut from the held picture into `dst`; a rectangle of the
// whole picture takes the held picture itself. `fileWidth` and `fileHeight` receive the
// rectangle's size in the file's pixels.
bool CropInFilePixels(BoundedPicture& picture, int32_t left, int32_t top, int32_t right,
                      int32_t bottom, RasterImage& dst, int& fileWidth, int& fileHeight);

}  // namespace tavolo
