#include <gtest/gtest.h>

#include <vector>

#include <QImage>

#include "core/pictures/ImageBridge.h"
#include "tests/core/render/RenderTestSupport.h"

namespace tavolo {
namespace {

TEST(ToQImage, TurnsRowsTopDownAndResolvesPalettes) {
  const RasterImage rgb =
      test::MakePicture(3, 2, [](uint32_t x, uint32_t y) { return 0x010203u * (x + 3 * y + 1); });
  const QImage q = ToQImage(rgb);
  ASSERT_EQ(q.format(), QImage::Format_RGB32);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x) EXPECT_EQ(test::Rgb(q, x, y), 0x010203u * (x + 3 * y + 1));
  }

  for (uint32_t bpp : {1u, 4u, 8u}) {
    RasterImage pal;
    ASSERT_TRUE(pal.Create(9, 2, bpp, kFormatBmp));
    pal.Palette()[1] = {10, 20, 30, 0};
    pal.SetPixelIndex(8, 1, 1);  // top row, last pixel
    const QImage p = ToQImage(pal);
    EXPECT_EQ(test::Rgb(p, 8, 0), 0x1E140Au) << bpp;
    EXPECT_EQ(test::Rgb(p, 7, 0), 0u) << bpp;
    EXPECT_EQ(test::Rgb(p, 8, 1), 0u) << bpp;
  }
  EXPECT_TRUE(ToQImage(RasterImage()).isNull());
}

TEST(ToRasterImage, CarriesEveryPixelOfARenderedCardAndBack) {
  // An odd width, so a row padding would show.
  QImage card(1063, 7, QImage::Format_RGB32);
  for (int y = 0; y < card.height(); ++y) {
    for (int x = 0; x < card.width(); ++x) card.setPixel(x, y, qRgb(x % 256, (x * y) % 256, y));
  }
  RasterImage raster;
  ASSERT_TRUE(ToRasterImage(card, raster));
  EXPECT_EQ(raster.GetWidth(), 1063u);
  EXPECT_EQ(raster.GetBpp(), 24u);
  // Rows are kept bottom-up, blue first: the card's last row, pixel 1000, is (232, 112, 6).
  const uint8_t* bottom = raster.GetBits(0);
  EXPECT_EQ(std::vector(bottom + 3000, bottom + 3003), (std::vector<uint8_t>{6, 112, 232}));
  EXPECT_EQ(ToQImage(raster), card);

  for (const QImage& refused : {QImage(), card.convertToFormat(QImage::Format_ARGB32)}) {
    RasterImage none;
    EXPECT_FALSE(ToRasterImage(refused, none));
    EXPECT_FALSE(none.GetLastError().empty());
  }
}

}  // namespace
}  // namespace tavolo
