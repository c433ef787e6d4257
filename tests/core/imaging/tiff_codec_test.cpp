#include <gtest/gtest.h>

#include <cstdio>

#include "core/imaging/RasterImage.h"
#include "tests/core/imaging/DamagedInputs.h"
#include "tests/core/imaging/MagickInterop.h"
#include "tests/core/imaging/RunLengthPicture.h"
#include "tests/core/imaging/imaging_test_util.h"

namespace tavolo {
namespace {

using test::Encode;
using test::ImagePixels;
using test::kOverWhite;
using test::MagickPixels;
using test::Quoted;

class TiffInterop : public test::MagickSourceTest {
 protected:
  TiffInterop() : MagickSourceTest(37, 29, 11) {}
};

TEST_F(TiffInterop, DecodesEveryCompressionLayoutAndDepthAsImageMagickDoes) {
  struct Variant {
    const char* name;
    const char* options;
    uint32_t bpp;
    int tolerance;
  };
  const std::string alpha = "-alpha set -channel A -fx '(i+j)/(w+h)' +channel ";
  const std::vector<Variant> variants = {
      {"uncompressed", "-compress None", 24, 0},
      {"lzw", "-compress LZW", 24, 0},
      {"deflate", "-compress Zip", 24, 0},
      {"packbits", "-compress RLE", 24, 0},
      {"tiles", "-compress LZW -define tiff:tile-geometry=16x16", 24, 0},
      {"rgb16", "-compress LZW -depth 16", 24, 0},
      {"rgb16 tiles", "-compress None -depth 16 -define tiff:tile-geometry=32x16", 24, 0},
      // ImageMagick truncates 16-bit colour maps and 16-bit grey to 8 bits; we round.
      {"palette8", "-colors 200 -type Palette", 8, 1},
      {"palette4", "-colors 12 -type Palette", 4, 1},
      {"palette2", "-colors 3 -type Palette -compress None", 4, 1},
      {"palette4 tiles", "-colors 12 -type Palette -define tiff:tile-geometry=16x16", 4, 1},
      {"bilevel min-is-white", "-type Bilevel -compress Group4", 1, 0},
      {"bilevel min-is-black", "-type Bilevel -depth 1 -compress RLE", 1, 0},
      {"grey8", "-colorspace Gray", 8, 0},
      {"grey8 min-is-white", "-colorspace Gray -define quantum:polarity=min-is-white", 8, 0},
      {"grey16", "-colorspace Gray -depth 16", 8, 1},
      {"grey4", "-colorspace Gray -depth 4", 8, 0},
      {"grey2", "-colorspace Gray -depth 2 -compress None", 8, 0},
      // ImageMagick composites at 16 bits and rounds twice, so partial alpha may differ by one.
      {"rgba", "-compress LZW", 24, 1},
      {"grey alpha", "-colorspace Gray", 8, 1},
      {"rgba16 premultiplied", "-depth 16 -define tiff:alpha=associated", 24, 1},
      // These go through libtiff's RGBA reader.
      {"separate planes", "-interlace Plane", 24, 0},
      {"jpeg", "-compress JPEG -quality 95", 24, 1},
  };
  for (const Variant& v : variants) {
    SCOPED_TRACE(v.name);
    const std::string name = v.name;
    const bool withAlpha = name.find("alpha") != std::string::npos || name.starts_with("rgba");
    const auto file = dir_ / ("v" + std::to_string(&v - variants.data()) + ".tif");
    ASSERT_TRUE(test::RunConvert(Quoted(source_) + " " + (withAlpha ? alpha : "") + v.options +
                                 " " + Quoted(file)));
    RasterImage image(file, kFormatTiff);
    ASSERT_TRUE(image.IsValid()) << image.GetLastError();
    EXPECT_EQ(image.GetType(), kFormatTiff);
    EXPECT_EQ(image.GetBpp(), v.bpp);
    const auto reference = MagickPixels(file, kOverWhite);
    ASSERT_TRUE(reference.has_value());
    EXPECT_LE(test::MaxChannelDifference(ImagePixels(image), *reference), v.tolerance);
  }
}

TEST_F(TiffInterop, ReadsResolutionInInchesAndCentimetres) {
  test::ExpectReadsBothDensityUnits(source_, dir_.Path(), "tif", kFormatTiff);
}

TEST_F(TiffInterop, ImageMagickReadsWhatWeWriteCompressedWithItsResolution) {
  std::vector<RasterImage> images;
  images.push_back(test::MakeTestImage(37, 29));
  for (const uint32_t bpp : {1u, 4u, 8u, 24u}) images.push_back(test::RunLengthPicture(bpp));
  for (RasterImage& image : images) {
    SCOPED_TRACE(image.GetBpp());
    image.SetXDpi(300);
    image.SetYDpi(150);
    const auto file = dir_ / ("ours" + std::to_string(image.GetBpp()) + ".tif");
    ASSERT_TRUE(image.Save(file, kFormatTiff)) << image.GetLastError();
    const auto reference = MagickPixels(file);
    ASSERT_TRUE(reference.has_value());
    EXPECT_EQ(test::MaxChannelDifference(ImagePixels(image), *reference), 0);
    EXPECT_EQ(test::Identify(file, "%x %y %U %C"), "300 150 PixelsPerInch LZW");
  }
}

TEST(TiffCodec, RoundTripsEveryDepthWithPaletteAndResolution) {
  std::vector<RasterImage> images;
  images.push_back(test::MakeTestImage(45, 21));
  for (const uint32_t bpp : {1u, 4u, 8u, 24u}) images.push_back(test::RunLengthPicture(bpp));
  for (RasterImage& image : images) {
    SCOPED_TRACE(image.GetBpp());
    image.SetXDpi(200);
    image.SetYDpi(100);
    const RasterImage decoded(Encode(image, kFormatTiff), kFormatTiff);
    ASSERT_TRUE(decoded.IsValid()) << decoded.GetLastError();
    EXPECT_EQ(decoded.GetBpp(), image.GetBpp());
    EXPECT_TRUE(std::equal(decoded.Palette().begin(), decoded.Palette().end(),
                           image.Palette().begin(), image.Palette().end()));
    EXPECT_EQ(ImagePixels(decoded).rgb, ImagePixels(image).rgb);
    EXPECT_EQ(decoded.GetXDpi(), 200);
    EXPECT_EQ(decoded.GetYDpi(), 100);
  }
}

// A little-endian TIFF of uncompressed 8-bit grey in one strip, or in tiles of `tile` × `tile`
// pixels when tile is not 0, whose header may lie.
std::vector<uint8_t> GreyTiff(uint32_t width, uint32_t height, uint32_t stripBytes,
                              uint32_t dataBytes, uint32_t tile = 0) {
  std::vector<uint8_t> bytes = {'I', 'I', 42, 0, 8, 0, 0, 0};
  const auto put16 = [&](uint32_t v) { test::Put16(bytes, v); };
  const auto put32 = [&](uint32_t v) { test::Put32(bytes, v); };
  const auto tag = [&](uint16_t id, uint16_t type, uint32_t value) {
    put16(id);
    put16(type);
    put32(1);
    if (type == 3) {
      put16(static_cast<uint16_t>(value));
      put16(0);
    } else {
      put32(value);
    }
  };
  const uint32_t entries = tile == 0 ? 8 : 9;
  const uint32_t dataOffset = 8 + 2 + entries * 12 + 4;
  put16(static_cast<uint16_t>(entries));
  tag(256, 4, width);
  tag(257, 4, height);
  tag(258, 3, 8);
  tag(259, 3, 1);
  tag(262, 3, 1);
  if (tile == 0) {
    tag(273, 4, dataOffset);
    tag(278, 4, height);
    tag(279, 4, stripBytes);
  } else {
    tag(322, 4, tile);
    tag(323, 4, tile);
    tag(324, 4, dataOffset);
    tag(325, 4, stripBytes);
  }
  put32(0);
  for (uint32_t i = 0; i < dataBytes; ++i) {
    bytes.push_back(static_cast<uint8_t>(i));
  }
  return bytes;
}

TEST(TiffCodec, ReadsAHandMadeFileAndRefusesLyingOrOversizedOnes) {
  const RasterImage good(GreyTiff(16, 4, 64, 64), kFormatTiff);
  ASSERT_TRUE(good.IsValid()) << good.GetLastError();
  EXPECT_EQ(good.GetBpp(), 8u);
  EXPECT_EQ(good.GetPixelIndex(5, 3), 5);  // the top row holds bytes 0 to 15
  EXPECT_EQ(good.GetPixelIndex(5, 0), 53);
  // Tiles may overhang the picture, as writers choose their size before they see the picture.
  const RasterImage tiled(GreyTiff(20, 4, 256 * 256, 256 * 256, 256), kFormatTiff);
  ASSERT_TRUE(tiled.IsValid()) << tiled.GetLastError();
  EXPECT_EQ(tiled.GetPixelIndex(5, 3), 5);

  struct Case {
    uint32_t width;
    uint32_t height;
    uint32_t strip;
    uint32_t data;
    uint32_t tile;
    const char* message;  // empty: any
  };
  const Case cases[] = {
      {30000, 30000, 900000000, 100, 0, "Image too large"},
      {40000, 2, 80000, 100, 0, "Image too large"},
      {64, 64, 4096, 1000, 0, ""},  // a strip that the file does not hold
      // Tile bombs: a few hundred bytes whose one tile would take a gigabyte.
      {16, 16, 16, 16, 32768, "TIFF: a tile is larger than the picture needs"},
      {16, 16, 16, 16, 65536, "TIFF: a tile is larger than the picture needs"},
      {20, 4000, 16, 16, 4096, "TIFF: a tile is larger than the picture needs"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height) + " tile " +
                 std::to_string(c.tile));
    RasterImage image;
    EXPECT_FALSE(image.Decode(GreyTiff(c.width, c.height, c.strip, c.data, c.tile), kFormatTiff));
    EXPECT_FALSE(image.IsValid());
    EXPECT_FALSE(image.GetLastError().empty());
    EXPECT_TRUE(image.GetLastError().starts_with(c.message)) << image.GetLastError();
  }
}

TEST_F(TiffInterop, SurvivesDamagedTiledAndPlanarFiles) {
  for (const char* options : {"-compress Zip -define tiff:tile-geometry=16x16",
                              "-compress RLE -interlace Plane", "-compress JPEG"}) {
    SCOPED_TRACE(options);
    const auto file = dir_ / "damaged.tif";
    ASSERT_TRUE(test::RunConvert(Quoted(source_) + " " + options + " " + Quoted(file)));
    test::ExpectDecodersSurvive(test::ReadFileBytes(file), kFormatTiff);
  }
}

}  // namespace
}  // namespace tavolo
