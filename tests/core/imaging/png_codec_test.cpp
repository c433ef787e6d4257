#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "core/imaging/RasterImage.h"
#include "tests/core/imaging/MagickInterop.h"
#include "tests/core/imaging/RunLengthPicture.h"

namespace tavolo {
namespace {

using test::Encode;
using test::ImagePixels;
using test::kOverWhite;
using test::MagickPixels;
using test::Quoted;

class PngInterop : public test::MagickSourceTest {
 protected:
  PngInterop() : MagickSourceTest(37, 29, 7) {}
};

struct PngVariant {
  const char* name;
  const char* options;  // between the source and the output file
  const char* prefix;   // output coder, such as "PNG8:"
  uint32_t bpp;         // what we should hold it as
  int tolerance;
};

constexpr char kAlphaRamp[] = "-alpha set -channel A -fx '(i+j)/(w+h)' +channel";

TEST_F(PngInterop, DecodesEveryColourTypeAndDepthAsImageMagickDoes) {
  const std::string alpha = kAlphaRamp;
  const std::string transparentCorner =
      "-transparent \"$(convert " + Quoted(source_) + " -format '%[pixel:p{0,0}]' info:)\"";
  const std::string greyCorner = "-transparent \"$(convert " + Quoted(source_) +
                                 " -colorspace Gray -format '%[pixel:p{0,0}]' info:)\"";
  const std::string paletteCorner = "-transparent \"$(convert " + Quoted(source_) +
                                    " -colors 16 -format '%[pixel:p{0,0}]' info:)\"";
  const std::vector<std::pair<PngVariant, std::string>> variants = {
      {{"rgb8", "", "PNG24:", 24, 0}, ""},
      {{"rgb16", "-depth 16", "PNG48:", 24, 0}, ""},
      {{"interlaced", "-interlace PNG", "", 24, 0}, ""},
      {{"palette8", "", "PNG8:", 8, 0}, ""},
      {{"palette4", "-colors 9 -type palette", "", 4, 0}, ""},
      {{"palette2", "-colors 3 -type palette", "", 4, 0}, ""},
      {{"grey1", "-colorspace Gray -depth 1 -define png:color-type=0 -define png:bit-depth=1", "",
        1, 0},
       ""},
      {{"grey2", "-colorspace Gray -depth 2 -define png:color-type=0 -define png:bit-depth=2", "",
        8, 0},
       ""},
      {{"grey4", "-colorspace Gray -depth 4 -define png:color-type=0 -define png:bit-depth=4", "",
        8, 0},
       ""},
      {{"grey8", "-colorspace Gray -define png:color-type=0 -define png:bit-depth=8", "", 8, 0},
       ""},
      // ImageMagick's own 16-bit grey path truncates instead of rounding.
      {{"grey16", "-colorspace Gray -depth 16 -define png:color-type=0 -define png:bit-depth=16",
        "", 8, 1},
       ""},
      // ImageMagick composites at 16 bits and rounds twice, so partial alpha may differ by one.
      {{"greyalpha8", "-colorspace Gray -define png:color-type=4 -define png:bit-depth=8", "", 8,
        1},
       alpha},
      {{"greyalpha16", "-colorspace Gray -depth 16 -define png:color-type=4", "", 8, 1}, alpha},
      {{"rgba8", "", "PNG32:", 24, 1}, alpha},
      {{"rgba16", "-depth 16", "PNG64:", 24, 1}, alpha},
      {{"palette tRNS", "-colors 16", "PNG8:", 8, 0}, paletteCorner},
      {{"rgb tRNS", "-define png:color-type=2", "", 24, 0}, transparentCorner},
      {{"grey tRNS", "-colorspace Gray -define png:color-type=0 -define png:bit-depth=8", "", 8, 0},
       greyCorner},
  };
  for (const auto& [v, extra] : variants) {
    SCOPED_TRACE(v.name);
    const auto file = dir_ / (std::string(v.name) + ".png");
    ASSERT_TRUE(test::RunConvert(Quoted(source_) + " " + v.options + " " + extra + " " +
                                 Quoted(std::string(v.prefix) + file.string())));
    RasterImage image(file, kFormatPng);
    ASSERT_TRUE(image.IsValid()) << image.GetLastError();
    EXPECT_EQ(image.GetType(), kFormatPng);
    EXPECT_EQ(image.GetBpp(), v.bpp);
    const auto reference = MagickPixels(file, kOverWhite);
    ASSERT_TRUE(reference.has_value());
    EXPECT_LE(test::MaxChannelDifference(ImagePixels(image), *reference), v.tolerance);
  }
}

TEST_F(PngInterop, ImageMagickReadsWhatWeWriteWithItsResolution) {
  std::vector<RasterImage> images;
  images.push_back(test::MakeTestImage(37, 29));
  for (const uint32_t bpp : {1u, 4u, 8u, 24u}) images.push_back(test::RunLengthPicture(bpp));
  for (RasterImage& image : images) {
    SCOPED_TRACE(image.GetBpp());
    image.SetXDpi(300);
    image.SetYDpi(150);
    const auto file = dir_ / ("ours" + std::to_string(image.GetBpp()) + ".png");
    ASSERT_TRUE(image.Save(file, kFormatPng)) << image.GetLastError();
    const auto reference = MagickPixels(file);
    ASSERT_TRUE(reference.has_value());
    EXPECT_EQ(test::MaxChannelDifference(ImagePixels(image), *reference), 0);
    // ImageMagick gives PNG resolutions per centimetre.
    double x = 0;
    double y = 0;
    char unit[64] = {};
    ASSERT_EQ(std::sscanf(test::Identify(file, "%x %y %U").c_str(), "%lf %lf %63s", &x, &y, unit),
              3);
    EXPECT_STREQ(unit, "PixelsPerCentimeter");
    EXPECT_NEAR(x, image.GetXPelsPerMeter() / 100.0, 0.006);
    EXPECT_NEAR(y, image.GetYPelsPerMeter() / 100.0, 0.006);
  }
}

TEST(PngCodec, RoundTripsEveryDepthWithPaletteAndResolution) {
  std::vector<RasterImage> images;
  images.push_back(test::MakeTestImage(33, 17));
  for (const uint32_t bpp : {1u, 4u, 8u, 24u}) images.push_back(test::RunLengthPicture(bpp));
  for (RasterImage& image : images) {
    SCOPED_TRACE(image.GetBpp());
    image.SetXPelsPerMeter(11811);
    image.SetYPelsPerMeter(2000);
    const std::vector<uint8_t> bytes = Encode(image, kFormatPng);
    RasterImage decoded(bytes, kFormatPng);
    ASSERT_TRUE(decoded.IsValid()) << decoded.GetLastError();
    EXPECT_EQ(decoded.GetBpp(), image.GetBpp());
    EXPECT_TRUE(std::equal(decoded.Palette().begin(), decoded.Palette().end(),
                           image.Palette().begin(), image.Palette().end()));
    EXPECT_EQ(ImagePixels(decoded).rgb, ImagePixels(image).rgb);
    EXPECT_EQ(decoded.GetXPelsPerMeter(), 11811);
    EXPECT_EQ(decoded.GetYPelsPerMeter(), 2000);
  }
}

TEST(PngCodec, WritesNoResolutionWhenTheImageHasNone) {
  RasterImage image = test::MakeTestImage(5, 5);
  const std::vector<uint8_t> bytes = Encode(image, kFormatPng);
  const std::string text(bytes.begin(), bytes.end());
  EXPECT_EQ(text.find("pHYs"), std::string::npos);
  RasterImage decoded(bytes, kFormatPng);
  EXPECT_EQ(decoded.GetXPelsPerMeter(), 0);
}

// A PNG made of a signature, an IHDR with the given size and nothing else.
std::vector<uint8_t> PngHeaderOnly(uint32_t width, uint32_t height) {
  std::vector<uint8_t> bytes = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13};
  const size_t chunk = bytes.size();
  bytes.insert(bytes.end(), {'I', 'H', 'D', 'R'});
  for (const uint32_t side : {width, height}) {
    for (int shift = 24; shift >= 0; shift -= 8)
      bytes.push_back(static_cast<uint8_t>(side >> shift));
  }
  bytes.insert(bytes.end(), {8, 2, 0, 0, 0});
  uint32_t crc = 0xFFFFFFFF;
  for (size_t i = chunk; i < bytes.size(); ++i) {
    crc ^= bytes[i];
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
  }
  crc ^= 0xFFFFFFFF;
  for (int shift = 24; shift >= 0; shift -= 8) bytes.push_back(static_cast<uint8_t>(crc >> shift));
  return bytes;
}

TEST(PngCodec, RefusesOversizedAndImplausibleHeadersBeforeAllocating) {
  for (const auto& [width, height] : {std::pair{40000u, 10u}, {20000u, 20000u}, {8000u, 8000u}}) {
    SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
    RasterImage image;
    EXPECT_FALSE(image.Decode(PngHeaderOnly(width, height), kFormatPng));
    EXPECT_FALSE(image.IsValid());
    EXPECT_FALSE(image.GetLastError().empty());
  }
}

TEST(PngCodec, AppendsToTheOutput) {
  RasterImage image = test::MakeTestImage(4, 4);
  std::vector<uint8_t> out = {1, 2, 3};
  ASSERT_TRUE(image.Encode(out, kFormatPng));
  EXPECT_EQ(std::vector<uint8_t>(out.begin(), out.begin() + 3), (std::vector<uint8_t>{1, 2, 3}));
  EXPECT_GT(out.size(), 3u);
}

}  // namespace
}  // namespace tavolo
