#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "core/imaging/RasterImage.h"
#include "tests/core/imaging/MagickInterop.h"

namespace tavolo {
namespace {

using test::ImagePixels;
using test::Quoted;

struct Variant {
  const char* file;     // with ImageMagick's output coder where the extension does not say enough
  const char* options;  // "{alpha}": an alpha ramp; "{corner}": the top-left colour so far made
                        // transparent
  int format;
  uint32_t bpp;
  // ImageMagick truncates 16-bit and 5-bit samples where we round, and composites alpha at 16
  // bits rounding twice; it converts CMYK to RGB at 16 bits.
  int tolerance;
};

const Variant kVariants[] = {
    {"BMP3:bmp3_24.bmp", "", kFormatBmp, 24, 0},
    {"BMP2:bmp2_core_8.bmp", "-colors 200 -type Palette", kFormatBmp, 8, 0},
    {"BMP3:bmp3_8.bmp", "-colors 200 -type Palette -compress None", kFormatBmp, 8, 0},
    {"BMP3:bmp3_rle8.bmp", "-colors 200 -type Palette -compress RLE", kFormatBmp, 8, 0},
    {"BMP3:bmp3_4.bmp", "-colors 16 -type Palette -compress None", kFormatBmp, 4, 0},
    {"BMP3:bmp3_1.bmp", "-monochrome", kFormatBmp, 1, 0},
    {"BMP:bmp5_565.bmp", "-define bmp:subtype=RGB565", kFormatBmp, 24, 0},
    {"BMP:bmp5_32_alpha.bmp", "{alpha}", kFormatBmp, 24, 1},
    {"tga_24_rle.tga", "-compress RLE", kFormatTga, 24, 0},
    {"tga_top_left.tga", "-orient TopLeft", kFormatTga, 24, 0},
    {"tga_bottom_right.tga", "-orient BottomRight", kFormatTga, 24, 0},
    {"tga_mapped.tga", "-colors 200 -type Palette", kFormatTga, 8, 0},
    {"tga_mapped_rle.tga", "-colors 200 -type Palette -compress RLE", kFormatTga, 8, 0},
    {"tga_grey.tga", "-type Grayscale", kFormatTga, 8, 0},
    {"tga_32_alpha.tga", "{alpha}", kFormatTga, 24, 1},
    {"pcx_24.pcx", "", kFormatPcx, 24, 0},
    {"pcx_8.pcx", "-colors 200 -type Palette", kFormatPcx, 8, 0},
    {"pcx_32_alpha.pcx", "{alpha}", kFormatPcx, 24, 1},
    {"PNG48:rgb16.png", "-depth 16", kFormatPng, 24, 0},
    {"interlaced.png", "-interlace PNG", kFormatPng, 24, 0},
    {"PNG8:palette8.png", "", kFormatPng, 8, 0},
    {"palette4.png", "-colors 9 -type palette", kFormatPng, 4, 0},
    {"palette2.png", "-colors 3 -type palette", kFormatPng, 4, 0},
    {"grey1.png", "-colorspace Gray -depth 1 -define png:color-type=0 -define png:bit-depth=1",
     kFormatPng, 1, 0},
    {"grey4.png", "-colorspace Gray -depth 4 -define png:color-type=0 -define png:bit-depth=4",
     kFormatPng, 8, 0},
    {"grey16.png", "-colorspace Gray -depth 16 -define png:color-type=0 -define png:bit-depth=16",
     kFormatPng, 8, 1},
    {"greyalpha8.png", "-colorspace Gray -define png:color-type=4 -define png:bit-depth=8 {alpha}",
     kFormatPng, 8, 1},
    {"PNG32:rgba8.png", "{alpha}", kFormatPng, 24, 1},
    {"PNG8:palette_trns.png", "-colors 16 {corner}", kFormatPng, 8, 0},
    {"rgb_trns.png", "-define png:color-type=2 {corner}", kFormatPng, 24, 0},
    {"grey_trns.png", "-colorspace Gray -define png:color-type=0 -define png:bit-depth=8 {corner}",
     kFormatPng, 8, 0},
    {"deflate.tif", "-compress Zip", kFormatTiff, 24, 0},
    {"packbits.tif", "-compress RLE", kFormatTiff, 24, 0},
    {"tiles.tif", "-compress LZW -define tiff:tile-geometry=16x16", kFormatTiff, 24, 0},
    {"rgb16.tif", "-compress LZW -depth 16", kFormatTiff, 24, 0},
    {"palette8.tif", "-colors 200 -type Palette", kFormatTiff, 8, 1},
    {"palette4.tif", "-colors 12 -type Palette", kFormatTiff, 4, 1},
    {"palette2.tif", "-colors 3 -type Palette -compress None", kFormatTiff, 4, 1},
    {"bilevel_min_is_white.tif", "-type Bilevel -compress Group4", kFormatTiff, 1, 0},
    {"bilevel_min_is_black.tif", "-type Bilevel -depth 1 -compress RLE", kFormatTiff, 1, 0},
    {"grey8.tif", "-colorspace Gray", kFormatTiff, 8, 0},
    {"grey8_min_is_white.tif", "-colorspace Gray -define quantum:polarity=min-is-white",
     kFormatTiff, 8, 0},
    {"grey16.tif", "-colorspace Gray -depth 16", kFormatTiff, 8, 1},
    {"grey4.tif", "-colorspace Gray -depth 4", kFormatTiff, 8, 0},
    {"rgba.tif", "{alpha} -compress LZW", kFormatTiff, 24, 1},
    {"grey_alpha.tif", "{alpha} -colorspace Gray", kFormatTiff, 8, 1},
    {"rgba16_premultiplied.tif", "{alpha} -depth 16 -define tiff:alpha=associated", kFormatTiff, 24,
     1},
    // Through libtiff's RGBA reader.
    {"separate_planes.tif", "-interlace Plane", kFormatTiff, 24, 0},
    {"colours256.gif", "-colors 256", kFormatGif, 8, 0},
    {"interlaced.gif", "-colors 100 -interlace GIF", kFormatGif, 8, 0},
    {"two_colours.gif", "-colors 2", kFormatGif, 8, 0},
    {"transparent.gif", "-colors 16 {corner}", kFormatGif, 8, 0},
    {"baseline.jpg", "-quality 90", kFormatJpeg, 24, 0},
    {"progressive.jpg", "-quality 80 -interlace Plane", kFormatJpeg, 24, 0},
    {"grey.jpg", "-colorspace Gray", kFormatJpeg, 8, 0},
    {"cmyk.jpg", "-colorspace CMYK", kFormatJpeg, 24, 1},
    {"icon.ico", "", kFormatIco, 24, 1},
    {"icon_alpha.ico", "{alpha}", kFormatIco, 24, 1},
    {"mono.wbmp", "-monochrome", kFormatWbmp, 1, 0},
};

class DecoderInterop : public test::MagickSourceTest {
 protected:
  DecoderInterop() : MagickSourceTest(37, 29, 7) {}

  // The variant's options with its placeholders spelt out.
  std::string Options(const Variant& v) const {
    std::string options = v.options;
    if (const size_t at = options.find("{corner}"); at != std::string::npos) {
      options.replace(at, 8,
                      "-transparent \"$(convert " + Quoted(source_) + " " + options.substr(0, at) +
                          " -format '%[pixel:p{0,0}]' info:)\"");
    }
    if (const size_t at = options.find("{alpha}"); at != std::string::npos) {
      options.replace(at, 7, "-alpha set -channel A -fx '(i+2*j)/(w+2*h)' +channel");
    }
    return options;
  }
};

class EveryVariant : public DecoderInterop, public ::testing::WithParamInterface<Variant> {};

TEST_P(EveryVariant, DecodesThePixelsImageMagickDecodes) {
  const Variant& v = GetParam();
  const std::string name = v.file;
  const auto file = dir_ / name.substr(name.find(':') + 1);
  const std::string coder = name.substr(0, name.find(':') + 1);
  ASSERT_TRUE(
      test::RunConvert(Quoted(source_) + " " + Options(v) + " " + Quoted(coder + file.string())));
  const RasterImage image(file, v.format);
  ASSERT_TRUE(image.IsValid()) << image.GetLastError();
  EXPECT_EQ(image.GetType(), v.format);
  EXPECT_EQ(image.GetBpp(), v.bpp);
  // TGA rows are turned to the picture's orientation and CMYK made RGB; alpha is laid over white,
  // but a GIF's transparent index keeps its colour.
  std::string reference = v.format == kFormatTga    ? "-auto-orient "
                          : v.format == kFormatJpeg ? "-colorspace sRGB "
                                                    : "";
  if (v.format != kFormatGif) reference += test::kOverWhite;
  const auto theirs = test::MagickPixels(file, reference);
  ASSERT_TRUE(theirs.has_value());
  EXPECT_LE(test::MaxChannelDifference(ImagePixels(image), *theirs), v.tolerance);
  const RasterImage detected(file, kFormatUnknown);
  EXPECT_EQ(detected.GetType(), v.format);
  EXPECT_EQ(ImagePixels(detected).rgb, ImagePixels(image).rgb);
}

INSTANTIATE_TEST_SUITE_P(Interop, EveryVariant, ::testing::ValuesIn(kVariants),
                         [](const auto& info) {
                           std::string name = info.param.file;
                           name = name.substr(name.find(':') + 1);
                           name[name.find('.')] = '_';
                           return name;
                         });

TEST_F(DecoderInterop, ReadsJpegAndTiffResolutionInInchesAndCentimetres) {
  for (const auto& [extension, format] : {std::pair{".jpg", kFormatJpeg}, {".tif", kFormatTiff}}) {
    for (const auto& [density, x, y] :
         {std::tuple{"-units PixelsPerInch -density 300x72", DpiToPelsPerMeter(300),
                     DpiToPelsPerMeter(72)},
          {"-units PixelsPerCentimeter -density 40x20", 4000, 2000}}) {
      SCOPED_TRACE(std::string(density) + extension);
      const auto file = dir_ / (std::string("density") + extension);
      ASSERT_TRUE(test::RunConvert(Quoted(source_) + " " + density + " " + Quoted(file)));
      const RasterImage image(file, format);
      EXPECT_EQ(image.GetXPelsPerMeter(), x);
      EXPECT_EQ(image.GetYPelsPerMeter(), y);
    }
  }
}

}  // namespace
}  // namespace tavolo
