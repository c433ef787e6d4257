#include <gtest/gtest.h>

#include <array>

#include "core/imaging/OctreeQuantizer.h"
#include "core/imaging/RasterImage.h"
#include "tests/core/imaging/imaging_test_util.h"

namespace tavolo {
namespace {

// A picture of exactly `count` distinct colours spread over the cube: an odd multiplier keeps the
// low 24 bits of the first 2^24 numbers apart.
RasterImage ManyColours(uint32_t count, uint32_t width, uint32_t height) {
  RasterImage image;
  image.Create(width, height, 24, kFormatUnknown);
  for (uint32_t y = 0; y < height; ++y) {
    for (uint32_t x = 0; x < width; ++x) {
      const uint32_t c = (y * width + x) % count * 0x9E3779B1u;
      image.SetPixelColour(x, y,
                           {static_cast<uint8_t>(c), static_cast<uint8_t>(c >> 8),
                            static_cast<uint8_t>(c >> 16), 0});
    }
  }
  return image;
}

// The palette the quantizer builds for the picture.
std::vector<RgbQuad> PaletteOf(const RasterImage& image, uint32_t colours, uint32_t bits) {
  OctreeQuantizer quantizer(colours, bits);
  quantizer.ProcessImage(image);
  std::array<RgbQuad, 256> palette{};
  return {palette.begin(), palette.begin() + quantizer.GetPalette(palette.data())};
}

// A picture of one row of the given pixels.
RasterImage Row(std::initializer_list<RgbQuad> pixels) {
  RasterImage image;
  image.Create(static_cast<uint32_t>(pixels.size()), 1, 24, kFormatUnknown);
  uint32_t x = 0;
  for (const RgbQuad& pixel : pixels) image.SetPixelColour(x++, 0, pixel);
  return image;
}

TEST(OctreeQuantizer, FewerThan256ColoursSurviveTheGifPathExactly) {
  for (const uint32_t count : {1u, 2u, 37u, 255u, 256u}) {
    RasterImage image = ManyColours(count, 40, 30);
    const RasterImage original = image;
    const std::vector<RgbQuad> palette = PaletteOf(image, 256, 8);
    EXPECT_EQ(palette.size(), count);
    ASSERT_TRUE(image.DecreaseBpp(8, true, palette.data(), static_cast<int>(palette.size())));
    EXPECT_EQ(test::ImagePixels(image).rgb, test::ImagePixels(original).rgb) << count << " colours";
  }
}

TEST(OctreeQuantizer, PaletteEntriesFollowTheTreeAndFoldTheDeepestBranchesFirst) {
  using Palette = std::vector<RgbQuad>;
  const struct {
    const char* what;
    RasterImage image;
    uint32_t colours, bits;
    Palette palette;
  } cases[] = {
      // Red's bit weighs 4, green's 2, blue's 1 in the child index: blue < green < red.
      {"child order",
       Row({{0, 0, 255, 0}, {0, 255, 0, 0}, {255, 0, 0, 0}}),
       256,
       8,
       {{255, 0, 0, 0}, {0, 255, 0, 0}, {0, 0, 255, 0}}},
      // Two dark shades share every branch down to the last bit; the bright colour splits at the
      // root. With room for two colours the shades merge into their average, (10 + 11) / 2
      // truncated. The bright colour's own leaf is folded first (the newest node heads its
      // level's list), and then met again.
      {"two colours",
       Row({{10, 10, 10, 0}, {11, 11, 11, 0}, {200, 200, 200, 0}, {200, 200, 200, 0}}),
       2,
       8,
       {{10, 10, 10, 0}, {200, 200, 200, 0}}},
      // 127 has the same top bit as 0 in every channel.
      {"one bit a channel", Row({{0, 0, 0, 0}, {127, 127, 127, 0}}), 256, 1, {{63, 63, 63, 0}}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PaletteOf(c.image, c.colours, c.bits), c.palette) << c.what;
  }
  // A palette picture is read through its palette: three of sixteen entries in use.
  EXPECT_EQ(PaletteOf(test::MakePaletteImage(4, 4, 4, 3), 256, 8).size(), 3u);
}

}  // namespace
}  // namespace tavolo
