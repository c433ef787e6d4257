#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/imaging/RasterImage.h"
#include "tests/core/imaging/imaging_test_util.h"

namespace tavolo {
namespace {

using test::ImagePixels;

using test::MakePhoto;

// A picture of the given depth with a distinct colour in every palette entry.
RasterImage Pattern(uint32_t width, uint32_t height, uint32_t bpp) {
  return bpp == 24 ? MakePhoto(width, height)
                   : test::MakePaletteImage(width, height, bpp, 1u << bpp);
}

TEST(Crop, CopiesTheRectangleMeasuredFromTheTopAtEveryDepth) {
  for (const uint32_t bpp : {1u, 4u, 8u, 24u}) {
    RasterImage image = Pattern(37, 9, bpp);
    image.SetXDpi(240);
    RasterImage part;
    ASSERT_TRUE(image.Crop(3, 1, 30, 8, part));
    ASSERT_EQ(part.GetWidth(), 27u);
    ASSERT_EQ(part.GetHeight(), 7u);
    EXPECT_EQ(part.GetBpp(), bpp);
    EXPECT_EQ(part.GetXDpi(), 240);
    EXPECT_TRUE(std::ranges::equal(part.Palette(), image.Palette()));
    for (uint32_t y = 0; y < 7; ++y) {
      for (uint32_t x = 0; x < 27; ++x) {
        // Stored row y of the crop is the picture's row 8 - 1 - y from the top.
        ASSERT_EQ(part.GetPixelColour(x, y), image.GetPixelColour(3 + x, 9 - 8 + y))
            << bpp << " bits at " << x << "," << y;
      }
    }
  }
}

TEST(Crop, EdgesComeEitherWayAndAreClampedAndAnEmptyRectangleFails) {
  const RasterImage photo = MakePhoto(20, 10);
  RasterImage part;
  ASSERT_TRUE(photo.Crop(3, 2, 8, 6, part));
  RasterImage reversed;
  ASSERT_TRUE(photo.Crop(8, 6, 3, 2, reversed));
  EXPECT_EQ(ImagePixels(reversed).rgb, ImagePixels(part).rgb);
  RasterImage all;
  ASSERT_TRUE(photo.Crop(-50, -3, 900, 40, all));
  EXPECT_EQ(ImagePixels(all).rgb, ImagePixels(photo).rgb);
  // The destination may be the source itself.
  RasterImage self = photo;
  ASSERT_TRUE(self.Crop(3, 2, 8, 6, self));
  EXPECT_EQ(ImagePixels(self).rgb, ImagePixels(part).rgb);

  RasterImage empty;
  EXPECT_FALSE(photo.Crop(5, 0, 5, 10, empty));
  EXPECT_FALSE(photo.Crop(0, 4, 20, 4, empty));
  EXPECT_FALSE(photo.Crop(30, 0, 40, 10, empty));  // both edges clamp to the right side
  EXPECT_FALSE(empty.IsValid());
}

TEST(Rotate, QuarterTurnsMovePixelsExactly) {
  for (const uint32_t bpp : {1u, 4u, 8u, 24u}) {
    const RasterImage source = Pattern(7, 4, bpp);
    RasterImage turned, half, threeQuarters;
    ASSERT_TRUE(source.Rotate(90.0f, turned));
    ASSERT_TRUE(source.Rotate(180.0f, half));
    ASSERT_TRUE(source.Rotate(-90.0f, threeQuarters));
    ASSERT_EQ(turned.GetWidth(), 4u);
    ASSERT_EQ(turned.GetHeight(), 7u);
    EXPECT_EQ(turned.GetBpp(), bpp);
    for (uint32_t y = 0; y < 4; ++y) {
      for (uint32_t x = 0; x < 7; ++x) {
        // Counter-clockwise, (x, y) from the bottom-left: the top-right corner goes to the
        // top-left.
        const RgbQuad c = source.GetPixelColour(x, y);
        ASSERT_EQ(turned.GetPixelColour(3 - y, x), c) << bpp;
        ASSERT_EQ(half.GetPixelColour(6 - x, 3 - y), c) << bpp;
        ASSERT_EQ(threeQuarters.GetPixelColour(y, 6 - x), c) << bpp;
      }
    }
  }
}

TEST(Rotate, OtherAnglesGrowThePictureWhitenTheCornersAndGiveColour) {
  // One colour over a palette: what is turned becomes a colour picture.
  const RasterImage flat = test::MakePaletteImage(100, 50, 1, 1);
  RasterImage turned;
  ASSERT_TRUE(flat.Rotate(45.0f, turned));
  EXPECT_EQ(turned.GetBpp(), 24u);
  const uint32_t side = static_cast<uint32_t>(std::ceil(150 * std::sqrt(0.5)));
  EXPECT_EQ(turned.GetWidth(), side);
  EXPECT_EQ(turned.GetHeight(), side);
  for (const auto& [x, y] :
       {std::pair{0u, 0u}, {side - 1, 0u}, {0u, side - 1}, {side - 1, side - 1}}) {
    EXPECT_EQ(turned.GetPixelColour(x, y), (RgbQuad{255, 255, 255, 0})) << x << "," << y;
  }
  EXPECT_EQ(turned.GetPixelColour(side / 2, side / 2), flat.GetPixelColour(0, 0));
}

TEST(Rotate, AFullTurnIsACopyAndAnEmptyImageOrABadAngleFails) {
  const RasterImage photo = MakePhoto(9, 5);
  RasterImage same;
  ASSERT_TRUE(photo.Rotate(360.0f, same));
  EXPECT_EQ(ImagePixels(same).rgb, ImagePixels(photo).rgb);
  RasterImage empty;
  RasterImage out;
  EXPECT_FALSE(empty.Rotate(10.0f, out));
  EXPECT_FALSE(photo.Rotate(NAN, out));
}

TEST(Rotate, TheTurnedPictureIsHeldToTheDestinationsLimit) {
  RasterImage image;
  ASSERT_TRUE(image.Create(800, 800, 24, kFormatUnknown));
  // Within one megapixel once turned, or not.
  for (const auto& [angle, fits] : {std::pair{90.0f, true}, {10.0f, true}, {30.0f, false}}) {
    RasterImage turned;
    turned.SetMaxPixels(1 << 20);
    EXPECT_EQ(image.Rotate(angle, turned), fits) << angle;
    if (!fits) {
      EXPECT_FALSE(turned.IsValid());
      EXPECT_EQ(turned.GetLastError(),
                "Image too large: at most 32768 pixels a side and 1 megapixels");
    }
  }
}

}  // namespace
}  // namespace tavolo
