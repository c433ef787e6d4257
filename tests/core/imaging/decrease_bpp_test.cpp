#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "core/imaging/RasterImage.h"
#include "tests/core/imaging/imaging_test_util.h"

namespace tavolo {
namespace {

constexpr RgbQuad kBlack{0, 0, 0, 0};
constexpr RgbQuad kWhite{255, 255, 255, 0};

RgbQuad Grey(uint8_t v) {
  return {v, v, v, 0};
}

// Rows given in storage order (the bottom row of the picture first).
RasterImage GreyImage(const std::vector<std::vector<uint8_t>>& rows) {
  RasterImage image;
  image.Create(static_cast<uint32_t>(rows[0].size()), static_cast<uint32_t>(rows.size()), 24,
               kFormatUnknown);
  for (uint32_t y = 0; y < rows.size(); ++y) {
    for (uint32_t x = 0; x < rows[y].size(); ++x) image.SetPixelColour(x, y, Grey(rows[y][x]));
  }
  return image;
}

std::vector<std::vector<int>> Indices(const RasterImage& image) {
  std::vector<std::vector<int>> out(image.GetHeight());
  for (uint32_t y = 0; y < image.GetHeight(); ++y) {
    for (uint32_t x = 0; x < image.GetWidth(); ++x) out[y].push_back(image.GetPixelIndex(x, y));
  }
  return out;
}

TEST(DecreaseBpp, EachPixelTakesItsNearestEntryAfterTheErrorSpreadToIt) {
  const struct {
    const char* name;
    std::vector<std::vector<uint8_t>> rows;  // grey levels, storage row 0 first
    uint32_t bits;
    bool diffuse;
    std::vector<RgbQuad> palette;  // empty: a grey ramp of the depth's size
    std::vector<std::vector<int>> indices;
  } cases[] = {
      // Worked by hand over black and white, storage row 0 first:
      //   (0,0) 253 -> white, error -2: every share truncates to 0.
      //   (1,0) 245 -> white, error -10: right -70/16=-4 (115->111); below 2/16: -1 (211->210),
      //         4/16: -2 (172->170), 1/16: 0 (140).
      //   (2,0) 111 -> black, error 111: below 4/16: 27 (140->167), x-1 2/16: 13 (170->183).
      //   (0,1) 210 -> white, error -45: right -315/16 = -19 (183->164).
      //   (1,1) 164 -> white, error -91: right -637/16 = -39 (167->128); flooring would give 127.
      //   (2,1) 128 -> white, nearer to 255 than to 0 by one step.
      {"truncated sixteenths in storage order",
       {{253, 245, 115}, {211, 172, 140}},
       1,
       true,
       {kBlack, kWhite},
       {{1, 1, 0}, {1, 1, 1}}},
      // 10 -> black, error +10, +4 to the right: 255 stays 255 (unclamped 259 would pass on +1).
      // 255 -> white with no error, so 50 stays 50: as far from black as from 100, black wins.
      {"clamped after each share",
       {{10, 255, 50}},
       8,
       true,
       {kBlack, Grey(100), kWhite, Grey(150)},
       {{0, 2, 0}}},
      {"black and white", {{100, 130, 200}, {0, 127, 128}}, 1, false, {}, {{0, 1, 1}, {0, 0, 1}}},
      {"grey ramp", {{0, 17, 255}}, 4, false, {}, {{0, 1, 15}}},
      // 90 and 110 are equally near; an exact duplicate later must not win either.
      {"ties", {{100}}, 8, false, {kWhite, Grey(110), Grey(90), Grey(110)}, {{1}}},
      // The unfilled black entries behind a short palette never attract a pixel.
      {"short palette", {{0, 5}}, 8, false, {Grey(40), kWhite}, {{0, 0}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    RasterImage image = GreyImage(c.rows);
    ASSERT_TRUE(c.palette.empty() ? image.DecreaseBpp(c.bits, c.diffuse)
                                  : image.DecreaseBpp(c.bits, c.diffuse, c.palette.data(),
                                                      static_cast<int>(c.palette.size())));
    EXPECT_EQ(image.GetBpp(), c.bits);
    EXPECT_EQ(Indices(image), c.indices);
    for (uint32_t i = 0, size = image.GetPaletteSize(); c.palette.empty() && i < size; ++i) {
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

}  // namespace
}  // namespace tavolo
