#include <gtest/gtest.h>

#include <tuple>

#include "core/pictures/BoundedPicture.h"
#include "tests/core/TestFolders.h"
#include "tests/core/render/RenderTestSupport.h"

namespace tavolo {
namespace {

// Left half red, right half blue: the colour shows where a crop landed.
RasterImage Halves(uint32_t width, uint32_t height) {
  return test::MakePicture(
      width, height, [width](uint32_t x, uint32_t) { return x < width / 2 ? 0xFF0000u : 0xFFu; });
}

TEST(BoundedPicture, IsHeldWithinTheBudgetAndKeepsTheFilesSize) {
  test::TempFolder dir;
  RasterImage picture = Halves(2000, 1500);
  ASSERT_TRUE(picture.Save(dir / "p.jpg", kFormatJpeg));
  ASSERT_TRUE(picture.Save(dir / "p.png", kFormatPng));
  const std::tuple<const char*, uint64_t, uint32_t> cases[] = {
      {"p.jpg", 1 << 20, 2},  // libjpeg's 1/2: 1000 x 750
      {"p.jpg", 100000, 8},   // 1/8 is as small as libjpeg goes: 250 x 188
      {"p.jpg", 40000, 16},   // then shrunk further: 1/8, then 1/2 of that, 125 x 94
      {"p.png", 1 << 20, 2},  // decoded whole, then shrunk
      {"p.png", 1 << 22, 1},  // within the budget as it is
  };
  for (const auto& [file, budget, shrink] : cases) {
    const BoundedPicture held = LoadBoundedPicture(dir / file, kMaxImagePixels, budget);
    ASSERT_TRUE(held.IsValid()) << file;
    EXPECT_EQ(held.fileWidth, 2000u) << file;
    EXPECT_EQ(held.fileHeight, 1500u) << file;
    EXPECT_EQ(held.shrink, shrink) << file << " " << budget;
    EXPECT_LE(uint64_t{held.image.GetWidth()} * held.image.GetHeight(), budget) << file;
    EXPECT_EQ(held.image.GetWidth(), (2000 + held.shrink - 1) / held.shrink) << file;
  }
  // The file's limit holds however small the picture is held.
  const BoundedPicture refused = LoadBoundedPicture(dir / "p.jpg", 2000 * 1500 - 1, 1 << 20);
  EXPECT_FALSE(refused.IsValid());
  EXPECT_TRUE(refused.image.GetLastError().starts_with(kImageTooLarge));
}

TEST(BoundedPicture, CropsAreGivenInTheFilesPixels) {
  test::TempFolder dir;
  ASSERT_TRUE(Halves(2000, 1500).Save(dir / "p.png", kFormatPng));
  BoundedPicture held = LoadBoundedPicture(dir / "p.png", kMaxImagePixels, 1 << 20);
  ASSERT_EQ(held.shrink, 2u);
  RasterImage right;
  int width = 0;
  int height = 0;
  // Clamped and ordered as a crop of the file would be.
  ASSERT_TRUE(CropInFilePixels(held, 3000, 100, 1000, 1400, right, width, height));
  EXPECT_EQ(width, 1000);
  EXPECT_EQ(height, 1300);
  EXPECT_EQ(right.GetWidth(), 500u);
  EXPECT_EQ(right.GetPixelColour(0, 0), (RgbQuad{255, 0, 0, 0}));  // blue
  RasterImage none;
  EXPECT_FALSE(CropInFilePixels(held, 5, 5, 5, 9, none, width, height));

  RasterImage whole;
  ASSERT_TRUE(CropInFilePixels(held, -5, 0, 9000, 1500, whole, width, height));
  EXPECT_EQ(width, 2000);
  EXPECT_EQ(whole.GetWidth(), 1000u);
  EXPECT_FALSE(held.IsValid());  // the whole picture is taken, not copied
}

TEST(BoundedPicture, AlphaIsKeptOnRequestAndShrinkingWeighsColoursByIt) {
  test::TempFolder dir;
  // Red columns between clear green ones: shrunk by 2, each pixel is half covered and red.
  RasterImage stripes = test::MakePicture(
      1200, 1000, [](uint32_t x, uint32_t) { return x % 2 ? 0xFF0000u : 0xFF00u; });
  ASSERT_TRUE(stripes.AddAlpha());
  for (uint32_t y = 0; y < 1000; ++y) {
    for (uint32_t x = 0; x < 1200; ++x) stripes.GetAlphaRow(y)[x] = x % 2 ? 255 : 0;
  }
  ASSERT_TRUE(stripes.Save(dir / "s.png", kFormatPng));
  const BoundedPicture flat = LoadBoundedPicture(dir / "s.png", kMaxImagePixels, 1 << 20);
  EXPECT_FALSE(flat.image.HasAlpha());
  const BoundedPicture held =
      LoadBoundedPicture(dir / "s.png", kMaxImagePixels, 1 << 20, AlphaHandling::kKeep);
  ASSERT_EQ(held.shrink, 2u);
  EXPECT_EQ(held.image.GetPixelAlpha(10, 10), 128);
  EXPECT_EQ(held.image.GetPixelColour(10, 10), (RgbQuad{0, 0, 255, 0}));
}

}  // namespace
}  // namespace tavolo
