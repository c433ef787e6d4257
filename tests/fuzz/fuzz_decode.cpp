// libFuzzer driver: decodes the input with the format code given at compile time (0 detects) and,
// when that succeeds, puts the image through the operations that follow a load in the program.
// A BMP written from the decoded image must read back as the same picture.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "FuzzRequire.h"
#include "core/imaging/PictureShrink.h"
#include "core/imaging/RasterImage.h"

namespace {

// Bigger images are only decoded: the extra passes would cost time without reaching new code.
constexpr uint64_t kMaxExercisedPixels = 1u << 14;
// A few hundred bytes can declare a picture of hundreds of megapixels that decodes, as it may, in
// seconds (tens of seconds under the sanitizers) and would stop the run as a timeout. The limit
// itself is tested elsewhere; here the decoders are held to 16 megapixels.
constexpr uint64_t kMaxDecodedPixels = 1u << 24;

void ExpectSamePicture(const tavolo::RasterImage& a, const tavolo::RasterImage& b) {
  Require(a.GetWidth() == b.GetWidth() && a.GetHeight() == b.GetHeight());
  Require(a.GetBpp() == b.GetBpp());
  for (uint32_t y = 0; y < a.GetHeight(); ++y) {
    for (uint32_t x = 0; x < a.GetWidth(); ++x) {
      const tavolo::RgbQuad p = a.GetPixelColour(x, y);
      const tavolo::RgbQuad q = b.GetPixelColour(x, y);
      Require(p.red == q.red && p.green == q.green && p.blue == q.blue);
    }
  }
}

void Exercise(tavolo::RasterImage& image) {
  std::vector<uint8_t> bmp;
  if (image.Encode(bmp, tavolo::kFormatBmp)) {
    const tavolo::RasterImage reread(std::span<const uint8_t>(bmp), tavolo::kFormatBmp);
    Require(reread.IsValid());
    ExpectSamePicture(image, reread);
  }

  const auto w = static_cast<int32_t>(image.GetWidth());
  const auto h = static_cast<int32_t>(image.GetHeight());
  // Edges given in the wrong order: the crop spans columns 1 to w - 1 and the top half.
  tavolo::RasterImage cropped;
  if (image.Crop(w - 1, h / 2, 1, 0, cropped)) {
    Require(cropped.GetBpp() == image.GetBpp());
    Require(cropped.GetWidth() == static_cast<uint32_t>(w > 2 ? w - 2 : 2 - w));
    Require(cropped.GetHeight() == static_cast<uint32_t>(h / 2));
  }

  // Reduction to black and white: against 256 entries the nearest-colour search would cost far
  // more than the decode and leave the decoders little of the time.
  if (image.GetBpp() > 1) {
    tavolo::RasterImage reduced = image;
    reduced.DecreaseBpp(1, true);
  }
}

// The same input decoded with its alpha kept is the same picture with an alpha channel at most,
// and a picture with alpha comes back from PNG as it went in.
void ExerciseKeptAlpha(std::span<const uint8_t> data, const tavolo::RasterImage& flat) {
  tavolo::RasterImage kept;
  kept.SetMaxPixels(kMaxDecodedPixels);
  kept.SetAlphaHandling(tavolo::AlphaHandling::kKeep);
  Require(kept.Decode(data, TAVOLO_FUZZ_FORMAT));
  Require(kept.GetWidth() == flat.GetWidth() && kept.GetHeight() == flat.GetHeight());
  if (!kept.HasAlpha()) return;
  std::vector<uint8_t> png;
  Require(kept.Encode(png, tavolo::kFormatPng));
  tavolo::RasterImage reread;
  reread.SetAlphaHandling(tavolo::AlphaHandling::kKeep);
  Require(reread.Decode(std::span<const uint8_t>(png), tavolo::kFormatPng));
  for (uint32_t y = 0; y < kept.GetHeight(); ++y) {
    for (uint32_t x = 0; x < kept.GetWidth(); ++x) {
      const tavolo::RgbQuad p = kept.GetPixelColour(x, y);
      const tavolo::RgbQuad q = reread.GetPixelColour(x, y);
      Require(p.red == q.red && p.green == q.green && p.blue == q.blue);
      Require(kept.GetPixelAlpha(x, y) == reread.GetPixelAlpha(x, y));
    }
  }
}

// PNG and TIFF pictures read within a pixel budget are shrunk as they are read, band by band, tile
// row by tile row or pass by pass: the result is the whole picture shrunk.
void ExerciseBudget(std::span<const uint8_t> data, const tavolo::RasterImage& whole) {
  if (whole.GetType() != tavolo::kFormatPng && whole.GetType() != tavolo::kFormatTiff) return;
  tavolo::RasterImage small;
  small.SetMaxPixels(kMaxDecodedPixels);
  small.SetDecodePixelBudget(
      std::max<uint64_t>(1, uint64_t{whole.GetWidth()} * whole.GetHeight() / 4));
  Require(small.Decode(data, TAVOLO_FUZZ_FORMAT));
  tavolo::RasterImage expected;
  Require(tavolo::ShrinkPicture(whole, small.GetDecodeShrink(), expected));
  ExpectSamePicture(small, expected);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tavolo::RasterImage image(std::span<const uint8_t>(data, size), TAVOLO_FUZZ_FORMAT,
                            kMaxDecodedPixels);
  if (!image.IsValid()) return 0;
  Require(image.GetWidth() > 0 && image.GetHeight() > 0);
  Require(image.PixelData().size() == static_cast<size_t>(image.GetStride()) * image.GetHeight());
  if (static_cast<uint64_t>(image.GetWidth()) * image.GetHeight() <= kMaxExercisedPixels) {
    Exercise(image);
    ExerciseKeptAlpha(std::span<const uint8_t>(data, size), image);
    ExerciseBudget(std::span<const uint8_t>(data, size), image);
  }
  return 0;
}
