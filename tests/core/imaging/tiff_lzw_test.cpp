#include <gtest/gtest.h>

#include "core/imaging/RasterImage.h"
#include "tests/core/imaging/MagickInterop.h"
#include "tests/core/imaging/imaging_test_util.h"

namespace tavolo {
namespace {

using test::Encode;
using test::ImagePixels;

uint8_t Noise(uint32_t x, uint32_t y) {
  return static_cast<uint8_t>((x * 2654435761u ^ y * 40503u) >> 24);
}

// The compressor's limits, read back by libtiff: one pixel, one colour whose strings grow to the
// widest codes, noise that fills the table again and again over several strips, and colour that
// goes through the differencing predictor.
TEST(TiffLzw, CompressesEveryPatternSoThatReadersGetItBack) {
  const auto fill = [](RasterImage image, uint8_t (*index)(uint32_t, uint32_t)) {
    for (uint32_t y = 0; y < image.GetHeight(); ++y) {
      for (uint32_t x = 0; x < image.GetWidth(); ++x) image.SetPixelIndex(x, y, index(x, y));
    }
    return image;
  };
  const std::pair<const char*, RasterImage> patterns[] = {
      {"one pixel",
       fill(test::MakePaletteImage(1, 1, 8, 256), [](uint32_t, uint32_t) -> uint8_t { return 7; })},
      {"one colour", fill(test::MakePaletteImage(700, 500, 8, 256),
                          [](uint32_t, uint32_t) -> uint8_t { return 200; })},
      {"noise", fill(test::MakePaletteImage(640, 300, 8, 256), Noise)},
      {"colour", test::MakePhoto(640, 300)},
  };
  for (auto [name, image] : patterns) {
    SCOPED_TRACE(name);
    const RasterImage decoded(Encode(image, kFormatTiff), kFormatTiff);
    ASSERT_TRUE(decoded.IsValid()) << decoded.GetLastError();
    EXPECT_EQ(ImagePixels(decoded).rgb, ImagePixels(image).rgb);
  }
}

}  // namespace
}  // namespace tavolo
