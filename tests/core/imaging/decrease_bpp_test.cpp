#include <gtest/gtest.h>

#include <array>
#include <random>
#include <tuple>
#include <vector>

#include "core/imaging/OctreeQuantizer.h"
#include "core/imaging/RasterImage.h"
#include "tests/core/imaging/imaging_test_util.h"
#include "tests/core/render/RenderTestSupport.h"

namespace tavolo {
namespace {

constexpr RgbQuad kBlack{0, 0, 0, 0};
constexpr RgbQuad kWhite{255, 255, 255, 0};

RgbQuad Grey(uint8_t v) {
  return {v, v, v, 0};
}

// Rows given in storage order (the bottom row of the picture first).
RasterImage GreyImage(const std::vector<std::vector<uint8_t>>& rows) {
  const auto height = static_cast<uint32_t>(rows.size());
  return test::MakePicture(
      static_cast<uint32_t>(rows[0].size()), height,
      [&](uint32_t x, uint32_t y) { return rows[height - 1 - y][x] * 0x010101u; });
}

std::vector<std::vector<int>> Indices(const RasterImage& image) {
  std::vector<std::vector<int>> out(image.GetHeight());
  for (uint32_t y = 0; y < image.GetHeight(); ++y) {
    for (uint32_t x = 0; x < image.GetWidth(); ++x) out[y].push_back(image.GetPixelIndex(x, y));
  }
  return out;
}

TEST(DecreaseBpp, EachPixelTakesItsNearestEntryAfterTheErrorSpreadToIt) {
  // palette empty: a grey ramp of the depth's size
  const std::tuple<const char*, std::vector<std::vector<uint8_t>>, uint32_t, bool,
                   std::vector<RgbQuad>, std::vector<std::vector<int>>>
      cases[] = {
          // Worked by hand over black and white, storage row 0 first:
          //   (0,0) 253 -> white, error -2: every share truncates to 0.
          //   (1,0) 245 -> white, error -10: right -70/16=-4 (115->111); below 2/16: -1 (211->210),
          //         4/16: -2 (172->170), 1/16: 0 (140).
          //   (2,0) 111 -> black, error 111: below 4/16: 27 (140->167), x-1 2/16: 13 (170->183).
          //   (0,1) 210 -> white, error -45: right -315/16 = -19 (183->164).
          //   (1,1) 164 -> white, error -91: right -637/16 = -39 (167->128), floored 127.
          //   (2,1) 128 -> white, nearer to 255 than to 0 by one step.
          {"truncated sixteenths in storage order",
           {{253, 245, 115}, {211, 172, 140}},
           1,
           true,
           {kBlack, kWhite},
           {{1, 1, 0}, {1, 1, 1}}},
          // 10 -> black, error +10, +4 to the right: 255 stays 255 (unclamped, 259 passes on +1).
          // 255 -> white with no error, so 50 stays 50: as far from black as from 100, black wins.
          {"clamped after each share",
           {{10, 255, 50}},
           8,
           true,
           {kBlack, Grey(100), kWhite, Grey(150)},
           {{0, 2, 0}}},
          {"black and white",
           {{100, 130, 200}, {0, 127, 128}},
           1,
           false,
           {},
           {{0, 1, 1}, {0, 0, 1}}},
          {"grey ramp", {{0, 17, 255}}, 4, false, {}, {{0, 1, 15}}},
          // 90 and 110 are equally near; an exact duplicate later must not win either.
          {"ties", {{100}}, 8, false, {kWhite, Grey(110), Grey(90), Grey(110)}, {{1}}},
          // The unfilled black entries behind a short palette never attract a pixel.
          {"short palette", {{0, 5}}, 8, false, {Grey(40), kWhite}, {{0, 0}}},
      };
  for (const auto& [name, rows, bits, diffuse, palette, indices] : cases) {
    SCOPED_TRACE(name);
    RasterImage image = GreyImage(rows);
    ASSERT_TRUE(palette.empty() ? image.DecreaseBpp(bits, diffuse)
                                : image.DecreaseBpp(bits, diffuse, palette.data(),
                                                    static_cast<int>(palette.size())));
    EXPECT_EQ(image.GetBpp(), bits);
    EXPECT_EQ(Indices(image), indices);
    for (uint32_t i = 0, size = image.GetPaletteSize(); palette.empty() && i < size; ++i) {
      EXPECT_EQ(image.Palette()[i], Grey(static_cast<uint8_t>(i * 255 / (size - 1)))) << i;
    }
  }
}

TEST(DecreaseBpp, KeepsResolutionAndRefusesOtherDepths) {
  RasterImage image = test::MakePhoto(6, 4);
  image.SetXDpi(300);
  EXPECT_FALSE(image.DecreaseBpp(24, false));
  EXPECT_TRUE(image.IsValid());
  ASSERT_TRUE(image.DecreaseBpp(8, true));
  EXPECT_EQ(image.GetXDpi(), 300);
}

TEST(DecreaseBpp, FastSearchAgreesWithTheFullScan) {
  // The reduction uses its own search; the image's own lookup is the plain full scan.
  std::mt19937 random(7);
  std::vector<RgbQuad> palette(256);
  for (auto& e : palette) {
    // Coarse values make equal distances common, which exercises the tie rule.
    e = {static_cast<uint8_t>(random() % 8 * 32), static_cast<uint8_t>(random() % 8 * 32),
         static_cast<uint8_t>(random() % 8 * 32), 0};
  }
  // Gradients with texture: thousands of colours over the whole cube.
  RasterImage image = test::MakePhoto(64, 64);
  RasterImage reference;
  ASSERT_TRUE(reference.Create(1, 1, 8, kFormatUnknown));
  std::copy(palette.begin(), palette.end(), reference.Palette().begin());
  const RasterImage source = image;
  ASSERT_TRUE(image.DecreaseBpp(8, false, palette.data(), 256));
  for (uint32_t y = 0; y < 64; ++y) {
    for (uint32_t x = 0; x < 64; ++x) {
      ASSERT_EQ(image.GetPixelIndex(x, y), reference.GetNearestIndex(source.GetPixelColour(x, y)))
          << x << "," << y;
    }
  }
}

// A picture of exactly `count` distinct colours spread over the cube: an odd multiplier keeps the
// low 24 bits of the first 2^24 numbers apart.
RasterImage ManyColours(uint32_t count, uint32_t width, uint32_t height) {
  return test::MakePicture(width, height, [=](uint32_t x, uint32_t y) {
    return (y * width + x) % count * 0x9E3779B1u & 0xFFFFFFu;
  });
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
  const std::tuple<const char*, RasterImage, uint32_t, uint32_t, Palette> cases[] = {
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
  for (const auto& [what, image, colours, bits, palette] : cases) {
    EXPECT_EQ(PaletteOf(image, colours, bits), palette) << what;
  }
  // A palette picture is read through its palette: three of sixteen entries in use.
  EXPECT_EQ(PaletteOf(test::MakePaletteImage(4, 4, 4, 3), 256, 8).size(), 3u);
}

}  // namespace
}  // namespace tavolo
