#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "core/imaging/PictureShrink.h"
#include "core/imaging/RasterImage.h"
#include "tests/core/imaging/imaging_test_util.h"

namespace tavolo {
namespace {

using test::MakePhoto;
using test::TempFolder;

TEST(RasterImageCreate, RowsArePaddedToFourBytesAndStartZeroedWithABlackPalette) {
  // Width, depth, row stride and palette entries.
  const std::tuple<uint32_t, uint32_t, uint32_t, uint32_t> cases[] = {
      {1, 1, 4, 2},   {33, 1, 8, 2},  {7, 4, 4, 16}, {9, 4, 8, 16},
      {5, 8, 8, 256}, {3, 24, 12, 0}, {5, 24, 16, 0}};
  for (const auto& [width, bpp, stride, entries] : cases) {
    RasterImage image;
    ASSERT_TRUE(image.Create(width, 3, bpp, kFormatGif));
    EXPECT_EQ(image.GetStride(), stride) << width << "x" << bpp;
    EXPECT_EQ(image.PixelData().size(), stride * 3u);
    for (uint8_t b : image.PixelData()) ASSERT_EQ(b, 0);
    EXPECT_EQ(image.GetPaletteSize(), entries);
    for (const RgbQuad& e : image.Palette()) EXPECT_EQ(e, RgbQuad{});
    EXPECT_EQ(image.GetType(), kFormatGif);
  }
}

TEST(RasterImageCreate, RefusesEmptyAndOversizedPictures) {
  RasterImage image;
  EXPECT_FALSE(image.Create(0, 10, 24, kFormatUnknown));
  EXPECT_FALSE(image.IsValid());
  EXPECT_FALSE(image.Create(40000, 1, 24, kFormatUnknown));
  EXPECT_FALSE(image.Create(32768, 32768, 8, kFormatUnknown));
  EXPECT_NE(image.GetLastError().find("too large"), std::string::npos);
}

TEST(RasterImageFiles, LoadRetriesWithDetectionAndAFailedSaveKeepsTheOldFile) {
  TempFolder dir;
  RasterImage photo = MakePhoto(21, 9);
  ASSERT_TRUE(photo.Save(dir / "really-a-bmp.png", kFormatBmp));
  const RasterImage loaded(dir / "really-a-bmp.png", kFormatPng);
  ASSERT_TRUE(loaded.IsValid()) << loaded.GetLastError();
  EXPECT_EQ(loaded.GetType(), kFormatBmp);
  EXPECT_EQ(test::ImagePixels(loaded).rgb, test::ImagePixels(photo).rgb);

  const auto before = test::ReadFileBytes(dir / "really-a-bmp.png");
  RasterImage mono;
  ASSERT_TRUE(mono.Create(4, 4, 1, kFormatUnknown));
  EXPECT_FALSE(mono.Save(dir / "really-a-bmp.png", kFormatTga));
  EXPECT_EQ(test::ReadFileBytes(dir / "really-a-bmp.png"), before);
}

// The picture as ImageMagick writes it with `options` into `file`: an interlaced PNG or an RGB
// TIFF in tiles of 16 × 16, which our own writers never make.
std::vector<uint8_t> MagickRewrite(RasterImage image, const std::string& options,
                                   const char* file) {
  TempFolder folder;
  EXPECT_TRUE(image.Save(folder / "picture.png", kFormatPng));
  EXPECT_TRUE(test::RunConvert(test::Quoted(folder / "picture.png") + " " + options + " " +
                               test::Quoted(folder / file)));
  return test::ReadFileBytes(folder / file);
}

// A PNG or a TIFF in strips or tiles decoded to a pixel budget is shrunk band by band as it is
// read; it comes out as the whole picture shrunk afterwards would, partial last blocks, palettes
// and alpha included.
TEST(RasterImageDecode, APictureReadWithinABudgetIsTheWholePictureShrunk) {
  RasterImage withAlpha = MakePhoto(61, 47);
  ASSERT_TRUE(withAlpha.AddAlpha());
  for (uint32_t y = 0; y < 47; ++y) {
    for (uint32_t x = 0; x < 61; ++x) withAlpha.GetAlphaRow(y)[x] = static_cast<uint8_t>(x * 4 + y);
  }
  const std::pair<const char*, RasterImage> cases[] = {
      {"24 bits", MakePhoto(61, 47)},
      {"alpha", withAlpha},
      {"palette 8", test::MakePaletteImage(61, 47, 8, 200)},
      {"palette 4", test::MakePaletteImage(61, 47, 4, 16)},
      {"one bit", test::MakePaletteImage(61, 47, 1, 2)},
  };
  for (auto [what, image] : cases) {
    std::vector<std::pair<int, std::vector<uint8_t>>> files = {
        {kFormatPng, test::Encode(image, kFormatPng)},
        {kFormatPng, MagickRewrite(image, "-interlace PNG", "interlaced.png")},
        {kFormatTiff, test::Encode(image, kFormatTiff)}};
    if (image.GetBpp() == 24 && !image.HasAlpha())
      files.emplace_back(kFormatTiff,
                         MagickRewrite(image, "-define tiff:tile-geometry=16x16", "tiled.tif"));
    for (size_t file = 0; file < files.size(); ++file) {
      const auto& [format, png] = files[file];
      for (const uint64_t budget : {uint64_t{2000}, uint64_t{300}, uint64_t{5000}}) {
        SCOPED_TRACE(std::string(what) + " within " + std::to_string(budget) + " as file " +
                     std::to_string(file));
        RasterImage whole;
        whole.SetAlphaHandling(AlphaHandling::kKeep);
        ASSERT_TRUE(whole.Decode(png, format));
        ASSERT_EQ(test::ImagePixels(whole).rgb, test::ImagePixels(image).rgb);
        const uint32_t factor = ShrinkFactorWithin(61, 47, budget);
        RasterImage expected = whole;
        if (factor > 1) {
          ASSERT_TRUE(ShrinkPicture(whole, factor, expected));
        }
        RasterImage read;
        read.SetAlphaHandling(AlphaHandling::kKeep);
        read.SetDecodePixelBudget(budget);
        ASSERT_TRUE(read.Decode(png, format)) << read.GetLastError();
        EXPECT_EQ(read.GetDecodeShrink(), factor);
        EXPECT_EQ(read.GetFileWidth(), 61u);
        EXPECT_EQ(read.GetBpp(), expected.GetBpp());
        EXPECT_EQ(test::ImagePixels(read).rgb, test::ImagePixels(expected).rgb);
        ASSERT_EQ(read.HasAlpha(), expected.HasAlpha());
        for (uint32_t y = 0; read.HasAlpha() && y < read.GetHeight(); ++y) {
          EXPECT_EQ(
              std::vector<uint8_t>(read.GetAlphaRow(y), read.GetAlphaRow(y) + read.GetWidth()),
              std::vector<uint8_t>(expected.GetAlphaRow(y),
                                   expected.GetAlphaRow(y) + expected.GetWidth()));
        }
      }
    }
  }
}

}  // namespace
}  // namespace tavolo
