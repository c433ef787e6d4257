#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
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
  const char* also;  // asked of ImageMagick after the resolution; nullptr: the format has none
  const char* says;  // its answer at 300 × 150 dots per inch and quality 93
};

// The resolution in hundredths, and its unit.
constexpr char kResolution[] = "%[fx:round(100*resolution.x)] %[fx:round(100*resolution.y)] %U";

class EncoderInterop : public ::testing::TestWithParam<Written> {};

// The picture has runs of every length that a run-length or dictionary coder treats specially,
// and palettes of colours, so that channel order shows; JPEG takes grey below 24 bits.
TEST_P(EncoderInterop, ImageMagickAndWeReadBackOurPixelsAndResolution) {
  if (!test::HaveMagick()) GTEST_SKIP() << "ImageMagick's convert is not installed";
  const Written& w = GetParam();
  const bool lossy = w.format == kFormatJpeg;
  test::TempFolder dir;
  for (const uint32_t bpp : w.depths) {
    SCOPED_TRACE(bpp);
    RasterImage image = test::RunLengthPicture(lossy ? 24 : bpp);
    ASSERT_TRUE(image.GetBpp() == bpp || image.DecreaseBpp(bpp, false));
    if (w.format == kFormatIco) {  // an icon is at most 256 pixels wide
      RasterImage whole = image;
      ASSERT_TRUE(whole.Crop(0, 0, 256, static_cast<int32_t>(whole.GetHeight()), image));
    }
    if (w.format == kFormatWbmp) {  // black and white only
      image.Palette()[0] = {0, 0, 0, 0};
      image.Palette()[1] = {255, 255, 255, 0};
    }
    image.SetXDpi(300);
    image.SetYDpi(150);
    image.SetJpegQuality(93);
    const auto file = dir / ("ours" + std::to_string(bpp) + "." + w.extension);
    ASSERT_TRUE(image.Save(file, w.format)) << image.GetLastError();
    const RasterImage back(file, w.format);
    ASSERT_TRUE(back.IsValid()) << back.GetLastError();
    const auto theirs = test::MagickPixels(file, w.format == kFormatTga ? "-auto-orient" : "");
    ASSERT_TRUE(theirs.has_value());
    EXPECT_EQ(test::MaxChannelDifference(*theirs, ImagePixels(back)), 0);
    if (lossy) {
      EXPECT_LT(test::MeanChannelDifference(ImagePixels(back), ImagePixels(image)), 8.0);
    } else {
      EXPECT_EQ(ImagePixels(back).rgb, ImagePixels(image).rgb);
    }
    if (w.format != kFormatGif) {  // GIF reads back at 8 bits whatever was written
      EXPECT_EQ(back.GetBpp(), bpp);
      EXPECT_TRUE(std::ranges::equal(back.Palette(), image.Palette()));
    }
    if (w.also == nullptr) continue;
    EXPECT_EQ(test::Identify(file, std::string(kResolution) + w.also), w.says);
    EXPECT_EQ(back.GetXPelsPerMeter(), image.GetXPelsPerMeter());
    EXPECT_EQ(back.GetYPelsPerMeter(), image.GetYPelsPerMeter());
  }
}

// PCX writes 1- and 4-bit pictures as 8-bit ones, through the same loop. BMP and PNG hold pixels
// per metre, which ImageMagick gives per centimetre.
const Written kWritten[] = {
    {"bmp", kFormatBmp, {1, 4, 8, 24}, "", "11811 5906 PixelsPerCentimeter"},
    {"tga", kFormatTga, {8, 24}, nullptr, nullptr},
    {"pcx", kFormatPcx, {8, 24}, "", "30000 15000 PixelsPerInch"},
    {"png", kFormatPng, {1, 4, 8, 24}, "", "11811 5906 PixelsPerCentimeter"},
    {"tif", kFormatTiff, {1, 4, 8, 24}, " %C", "30000 15000 PixelsPerInch LZW"},
    {"gif", kFormatGif, {1, 4, 8}, nullptr, nullptr},
    {"jpg", kFormatJpeg, {8, 24}, " %Q", "30000 15000 PixelsPerInch 93"},
    {"ico", kFormatIco, {24}, nullptr, nullptr},
    {"wbmp", kFormatWbmp, {1}, nullptr, nullptr},
};

INSTANTIATE_TEST_SUITE_P(Interop, EncoderInterop, ::testing::ValuesIn(kWritten),
                         [](const auto& info) { return std::string(info.param.extension); });

// A colour becomes the nearer of black and white; WBMP rows run from the top.
TEST(Encoders, WbmpTakesTheNearerOfBlackAndWhite) {
  RasterImage image;
  ASSERT_TRUE(image.Create(4, 2, 24, kFormatUnknown));
  const RgbQuad top[] = {{127, 127, 127, 0}, {128, 128, 128, 0}, {0, 0, 255, 0}, {90, 255, 255, 0}};
  for (uint32_t x = 0; x < 4; ++x) image.SetPixelColour(x, 1, top[x]);
  std::vector<uint8_t> out;
  ASSERT_TRUE(image.Encode(out, kFormatWbmp)) << image.GetLastError();
  EXPECT_EQ(out, (std::vector<uint8_t>{0, 0, 4, 2, 0b0101'0000, 0}));
}

TEST(Encoders, RefuseWhatTheyCannotWriteByNameAndLeaveTheOutputAlone) {
  RasterImage colourPalette = test::MakePaletteImage(8, 8, 8, 256);
  codecs::SetGreyRamp(colourPalette);
  colourPalette.Palette()[17] = {1, 2, 3, 0};
  RasterImage greyFourBits = test::MakePaletteImage(8, 8, 4, 16);
  codecs::SetGreyRamp(greyFourBits);
  const RasterImage mono = test::MakePaletteImage(3, 3, 1, 2);
  const std::tuple<RasterImage, int, const char*> cases[] = {
      {colourPalette, kFormatJpeg, "JPEG can save only RGB or GreyScale images"},
      {greyFourBits, kFormatJpeg, "JPEG can save only RGB or GreyScale images"},
      {test::MakePhoto(8, 8), kFormatGif,
       "GIF can save only palette images: reduce the colours first"},
      {mono, kFormatTga, "Bit depth must be 8 or 24"},
      {test::MakePhoto(257, 8), kFormatIco,
       "ICO can save only pictures of at most 256 × 256 pixels"},
      {mono, kFormatWmf, "Save WMF not supported"},
      {mono, 99, "Encode: Unknown format"},
  };
  for (auto [image, format, message] : cases) {
    std::vector<uint8_t> out = {7};
    EXPECT_FALSE(image.Encode(out, format)) << message;
    EXPECT_EQ(image.GetLastError(), message);
    EXPECT_EQ(out, std::vector<uint8_t>{7}) << message;
  }
}

}  // namespace
}  // namespace tavolo
