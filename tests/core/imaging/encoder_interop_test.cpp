// What we write: ImageMagick and we read back our pixels at every depth we write, with the
// resolution we set where the format has one; what an encoder cannot write is refused by name.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

#include "core/imaging/RasterImage.h"
#include "core/imaging/codecs/GreyRamp.h"
#include "tests/core/imaging/RunLengthPicture.h"
#include "tests/core/imaging/imaging_test_util.h"

namespace tavolo {
namespace {

using test::ImagePixels;

struct Written {
  const char* extension;
  int format;
  std::vector<uint32_t> depths;
  const char* units;        // how ImageMagick gives the resolution; nullptr: the format has none
  const char* compression;  // what ImageMagick says compressed the file; nullptr: not checked
};

class EncoderInterop : public ::testing::TestWithParam<Written> {};

// The picture has runs of every length that a run-length or dictionary coder treats specially,
// and palettes of colours, so that channel order shows.
TEST_P(EncoderInterop, ImageMagickAndWeReadBackOurPixelsAndResolution) {
  if (!test::HaveMagick()) GTEST_SKIP() << "ImageMagick's convert is not installed";
  const Written& w = GetParam();
  test::TempFolder dir;
  for (const uint32_t bpp : w.depths) {
    SCOPED_TRACE(bpp);
    RasterImage image = test::RunLengthPicture(bpp);
    image.SetXDpi(300);
    image.SetYDpi(150);
    const auto file = dir / ("ours" + std::to_string(bpp) + "." + w.extension);
    ASSERT_TRUE(image.Save(file, w.format)) << image.GetLastError();
    const auto theirs = test::MagickPixels(file, w.format == kFormatTga ? "-auto-orient" : "");
    ASSERT_TRUE(theirs.has_value());
    EXPECT_EQ(test::MaxChannelDifference(*theirs, ImagePixels(image)), 0);
    const RasterImage back(file, w.format);
    ASSERT_TRUE(back.IsValid()) << back.GetLastError();
    EXPECT_EQ(ImagePixels(back).rgb, ImagePixels(image).rgb);
    if (w.format != kFormatGif) {  // GIF reads back at 8 bits whatever was written
      EXPECT_EQ(back.GetBpp(), bpp);
      EXPECT_TRUE(std::ranges::equal(back.Palette(), image.Palette()));
    }
    if (w.compression != nullptr) {
      EXPECT_EQ(test::Identify(file, "%C"), w.compression);
    }
    if (w.units == nullptr) continue;
    EXPECT_EQ(back.GetXPelsPerMeter(), image.GetXPelsPerMeter());
    EXPECT_EQ(back.GetYPelsPerMeter(), image.GetYPelsPerMeter());
    double x = 0;
    double y = 0;
    char units[64] = {};
    ASSERT_EQ(std::sscanf(test::Identify(file, "%x %y %U").c_str(), "%lf %lf %63s", &x, &y, units),
              3);
    EXPECT_STREQ(units, w.units);
    if (std::string(units) == "PixelsPerInch") {
      EXPECT_EQ(x, 300);
      EXPECT_EQ(y, 150);
    } else {
      EXPECT_NEAR(x, image.GetXPelsPerMeter() / 100.0, 0.006);
      EXPECT_NEAR(y, image.GetYPelsPerMeter() / 100.0, 0.006);
    }
  }
}

// PCX writes 1- and 4-bit pictures as 8-bit ones, through the same loop.
const Written kWritten[] = {
    {"bmp", kFormatBmp, {1, 4, 8, 24}, "PixelsPerCentimeter", nullptr},
    {"tga", kFormatTga, {8, 24}, nullptr, nullptr},
    {"pcx", kFormatPcx, {8, 24}, "PixelsPerInch", nullptr},
    {"png", kFormatPng, {1, 4, 8, 24}, "PixelsPerCentimeter", nullptr},
    {"tif", kFormatTiff, {1, 4, 8, 24}, "PixelsPerInch", "LZW"},
    {"gif", kFormatGif, {1, 4, 8}, nullptr, nullptr},
};

INSTANTIATE_TEST_SUITE_P(Interop, EncoderInterop, ::testing::ValuesIn(kWritten),
                         [](const auto& info) { return std::string(info.param.extension); });

TEST(Encoders, AppendToTheOutputAndWriteNoResolutionWhenThePictureHasNone) {
  for (const int format : {kFormatPng, kFormatJpeg}) {
    SCOPED_TRACE(format);
    RasterImage image = test::MakePhoto(9, 9);
    std::vector<uint8_t> out = {1, 2, 3};
    ASSERT_TRUE(image.Encode(out, format)) << image.GetLastError();
    EXPECT_EQ(std::vector<uint8_t>(out.begin(), out.begin() + 3), (std::vector<uint8_t>{1, 2, 3}));
    const RasterImage decoded(std::span<const uint8_t>(out).subspan(3), format);
    ASSERT_TRUE(decoded.IsValid()) << decoded.GetLastError();
    EXPECT_EQ(decoded.GetXPelsPerMeter(), 0);
    EXPECT_EQ(decoded.GetYPelsPerMeter(), 0);
  }
}

TEST(Encoders, RefuseWhatTheyCannotWriteByNameAndLeaveTheOutputAlone) {
  RasterImage colourPalette;
  colourPalette.Create(8, 8, 8, kFormatUnknown);
  codecs::SetGreyRamp(colourPalette);
  colourPalette.Palette()[17] = {1, 2, 3, 0};
  RasterImage greyFourBits;
  greyFourBits.Create(8, 8, 4, kFormatUnknown);
  codecs::SetGreyRamp(greyFourBits);
  RasterImage mono;
  mono.Create(3, 3, 1, kFormatUnknown);
  const struct {
    RasterImage image;
    int format;
    const char* message;
  } cases[] = {
      {colourPalette, kFormatJpeg, "JPEG can save only RGB or GreyScale images"},
      {greyFourBits, kFormatJpeg, "JPEG can save only RGB or GreyScale images"},
      {test::MakePhoto(8, 8), kFormatGif,
       "GIF can save only palette images: reduce the colours first"},
      {mono, kFormatTga, "Bit depth must be 8 or 24"},
      {greyFourBits, kFormatTga, "Bit depth must be 8 or 24"},
      {mono, kFormatWmf, "Save WMF not supported"},
      {mono, 99, "Encode: Unknown format"},
  };
  for (auto c : cases) {
    std::vector<uint8_t> out = {7};
    EXPECT_FALSE(c.image.Encode(out, c.format)) << c.message;
    EXPECT_EQ(c.image.GetLastError(), c.message);
    EXPECT_EQ(out, std::vector<uint8_t>{7}) << c.message;
  }
}

}  // namespace
}  // namespace tavolo
