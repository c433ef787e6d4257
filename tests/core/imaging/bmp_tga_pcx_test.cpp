// BMP, TGA and PCX checked against ImageMagick: files it writes in each variant decode to the
// pixels it decodes, hand-built variants it does not write decode as it decodes them, and it reads
// back every file we write with our pixels and resolution.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "core/imaging/RasterImage.h"
#include "imaging_test_util.h"
#include "tests/core/imaging/RunLengthPicture.h"

namespace tavolo {
namespace {

using test::MagickRgb;
using test::MakePhoto;
using test::Put16;
using test::Put32;
using test::TempFolder;
using test::TopDownRgb;
using test::WriteFileBytes;
using test::WritePpm;

// Largest difference between two equally long byte strings; 256 when the lengths differ.
int MaxDifference(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
  if (a.size() != b.size()) return 256;
  int worst = 0;
  for (size_t i = 0; i < a.size(); ++i) worst = std::max(worst, std::abs(a[i] - b[i]));
  return worst;
}

struct MagickVariant {
  const char* name;
  const char* options;  // placed between the input and the output
  const char* prefix;   // ImageMagick's output coder
  const char* extension;
  int format;
  uint32_t bpp;
  // How ImageMagick must be told to present the reference: TGA rows in file order are turned to
  // the picture's orientation, alpha is laid over white.
  const char* referenceOptions;
  int tolerance;
};

constexpr const char* kAlpha = "-alpha set -channel A -fx \"(i+2*j)/(w+2*h)\" +channel";
constexpr const char* kFlatten = "-background white -flatten";

const MagickVariant kVariants[] = {
    {"bmp3_24", "", "BMP3:", "bmp", kFormatBmp, 24, "", 0},
    {"bmp5_24", "", "BMP:", "bmp", kFormatBmp, 24, "", 0},
    {"bmp2_core_24", "", "BMP2:", "bmp", kFormatBmp, 24, "", 0},
    {"bmp3_8", "-colors 200 -type Palette -compress None", "BMP3:", "bmp", kFormatBmp, 8, "", 0},
    {"bmp3_rle8", "-colors 200 -type Palette -compress RLE", "BMP3:", "bmp", kFormatBmp, 8, "", 0},
    {"bmp2_core_8", "-colors 200 -type Palette", "BMP2:", "bmp", kFormatBmp, 8, "", 0},
    {"bmp5_8", "-colors 60 -type Palette -compress None", "BMP:", "bmp", kFormatBmp, 8, "", 0},
    {"bmp3_4", "-colors 16 -type Palette -compress None", "BMP3:", "bmp", kFormatBmp, 4, "", 0},
    {"bmp3_1", "-monochrome", "BMP3:", "bmp", kFormatBmp, 1, "", 0},
    {"bmp5_565", "-define bmp:subtype=RGB565", "BMP:", "bmp", kFormatBmp, 24, "", 0},
    {"bmp5_555", "-define bmp:subtype=RGB555", "BMP:", "bmp", kFormatBmp, 24, "", 0},
    {"bmp5_32_alpha", kAlpha, "BMP:", "bmp", kFormatBmp, 24, kFlatten, 1},
    {"tga_24", "", "TGA:", "tga", kFormatTga, 24, "-auto-orient", 0},
    {"tga_24_rle", "-compress RLE", "TGA:", "tga", kFormatTga, 24, "-auto-orient", 0},
    {"tga_top_left", "-orient TopLeft", "TGA:", "tga", kFormatTga, 24, "-auto-orient", 0},
    {"tga_bottom_right", "-orient BottomRight", "TGA:", "tga", kFormatTga, 24, "-auto-orient", 0},
    {"tga_top_right_rle", "-orient TopRight -compress RLE", "TGA:", "tga", kFormatTga, 24,
     "-auto-orient", 0},
    {"tga_mapped", "-colors 200 -type Palette", "TGA:", "tga", kFormatTga, 8, "-auto-orient", 0},
    {"tga_mapped_rle", "-colors 200 -type Palette -compress RLE", "TGA:", "tga", kFormatTga, 8,
     "-auto-orient", 0},
    {"tga_grey", "-type Grayscale", "TGA:", "tga", kFormatTga, 8, "-auto-orient", 0},
    {"tga_grey_rle", "-type Grayscale -compress RLE", "TGA:", "tga", kFormatTga, 8, "-auto-orient",
     0},
    {"tga_32_alpha", kAlpha, "TGA:", "tga", kFormatTga, 24,
     "-auto-orient -background white -flatten", 1},
    {"pcx_24", "", "PCX:", "pcx", kFormatPcx, 24, "", 0},
    {"pcx_8", "-colors 200 -type Palette", "PCX:", "pcx", kFormatPcx, 8, "", 0},
    {"pcx_16_colours", "-colors 16 -type Palette", "PCX:", "pcx", kFormatPcx, 8, "", 0},
    {"pcx_grey", "-type Grayscale", "PCX:", "pcx", kFormatPcx, 24, "", 0},
    {"pcx_32_alpha", kAlpha, "PCX:", "pcx", kFormatPcx, 24, kFlatten, 1},
};

class MagickVariantTest : public ::testing::TestWithParam<MagickVariant> {};

TEST_P(MagickVariantTest, DecodesThePixelsImageMagickDecodes) {
  TAVOLO_REQUIRE_MAGICK();
  const MagickVariant& v = GetParam();
  TempFolder dir;
  // Odd sizes exercise row padding and half-filled bytes.
  WritePpm(MakePhoto(37, 23), dir / "source.ppm");
  const auto file = dir / (std::string(v.name) + "." + v.extension);
  ASSERT_EQ(test::Run(test::ConvertTool() + " '" + (dir / "source.ppm").string() + "' " +
                      v.options + " '" + v.prefix + file.string() + "'"),
            0);
  const RasterImage ours(file, v.format);
  ASSERT_TRUE(ours.IsValid()) << ours.GetLastError();
  EXPECT_EQ(ours.GetBpp(), v.bpp);
  EXPECT_EQ(ours.GetType(), v.format);
  EXPECT_LE(MaxDifference(TopDownRgb(ours), MagickRgb(file, v.referenceOptions)), v.tolerance);
  // Detection finds the same picture.
  const RasterImage detected(file, kFormatUnknown);
  EXPECT_EQ(detected.GetType(), v.format);
  EXPECT_EQ(TopDownRgb(detected), TopDownRgb(ours));
}

INSTANTIATE_TEST_SUITE_P(Interop, MagickVariantTest, ::testing::ValuesIn(kVariants),
                         [](const auto& info) { return std::string(info.param.name); });

// Hand-built files for variants ImageMagick does not write, checked against its decoder.
class HandBuiltTest : public ::testing::Test {
 protected:
  void ExpectLikeMagick(const std::vector<uint8_t>& bytes, const char* name, int format,
                        uint32_t bpp, const std::string& referenceOptions = "", int tolerance = 0) {
    const auto file = dir_ / name;
    WriteFileBytes(file, bytes);
    const RasterImage ours(bytes, format);
    ASSERT_TRUE(ours.IsValid()) << name << ": " << ours.GetLastError();
    EXPECT_EQ(ours.GetBpp(), bpp) << name;
    if (test::ConvertTool().empty()) return;
    EXPECT_LE(MaxDifference(TopDownRgb(ours), MagickRgb(file, referenceOptions)), tolerance)
        << name;
  }
  TempFolder dir_;
};

std::vector<uint8_t> BmpHeaders(int32_t width, int32_t height, uint32_t bpp, uint32_t compression,
                                const std::vector<uint8_t>& palette, size_t pixelBytes) {
  std::vector<uint8_t> out = {'B', 'M'};
  const auto offset = static_cast<uint32_t>(54 + palette.size());
  Put32(out, static_cast<uint32_t>(offset + pixelBytes));
  Put32(out, 0);
  Put32(out, offset);
  Put32(out, 40);
  Put32(out, static_cast<uint32_t>(width));
  Put32(out, static_cast<uint32_t>(height));
  Put16(out, 1);
  Put16(out, bpp);
  Put32(out, compression);
  Put32(out, static_cast<uint32_t>(pixelBytes));
  Put32(out, 2835);
  Put32(out, 2835);
  Put32(out, static_cast<uint32_t>(palette.size() / 4));
  Put32(out, 0);
  out.insert(out.end(), palette.begin(), palette.end());
  return out;
}

std::vector<uint8_t> SixteenColours() {
  std::vector<uint8_t> palette;
  for (uint8_t i = 0; i < 16; ++i) {
    palette.insert(palette.end(), {static_cast<uint8_t>(i * 16), static_cast<uint8_t>(255 - i * 9),
                                   static_cast<uint8_t>(i * 5 + 40), 0});
  }
  return palette;
}

TEST_F(HandBuiltTest, BmpRle4WithRunsAbsoluteRunsDeltaAndEndOfLine) {
  const std::vector<uint8_t> pixels = {
      0x05, 0x12,                          // run of five: 1 2 1 2 1
      0x00, 0x03, 0x34, 0x50,              // absolute run of three: 3 4 5, padded to a word
      0x00, 0x00,                          // end of line
      0x00, 0x02, 0x02, 0x01,              // delta: two right, one up (row 1 left unset)
      0x04, 0xAB,                          // A B A B from x = 2 on row 2
      0x00, 0x05, 0x6F, 0xE1, 0xC0, 0x00,  // absolute run of five: 6 F E 1 C
      0x00, 0x00,                          // end of line
      0x09, 0x77,                          // row 3: nine sevens
      0x00, 0x01,                          // end of bitmap
      0x00, 0x00,                          // slack: ImageMagick reads a little past the end marker
  };
  auto bytes = BmpHeaders(11, 4, 4, 2, SixteenColours(), pixels.size());
  bytes.insert(bytes.end(), pixels.begin(), pixels.end());
  ExpectLikeMagick(bytes, "rle4.bmp", kFormatBmp, 4);
  const RasterImage image(bytes, kFormatBmp);
  EXPECT_EQ(image.GetPixelIndex(4, 0), 1);
  EXPECT_EQ(image.GetPixelIndex(7, 0), 5);
  EXPECT_EQ(image.GetPixelIndex(3, 2), 0xB);
  EXPECT_EQ(image.GetPixelIndex(10, 2), 0xC);
}

TEST_F(HandBuiltTest, BmpStoredTopDown) {
  const RasterImage photo = MakePhoto(13, 7);
  std::vector<uint8_t> bottomUp;
  ASSERT_TRUE(RasterImage(photo).Encode(bottomUp, kFormatBmp));
  // Same file with the rows in picture order and a negative height.
  std::vector<uint8_t> topDown(bottomUp.begin(), bottomUp.begin() + 54);
  const int32_t negative = -7;
  std::memcpy(topDown.data() + 22, &negative, 4);
  for (uint32_t row = 7; row-- > 0;) {
    const auto* start = bottomUp.data() + 54 + row * photo.GetStride();
    topDown.insert(topDown.end(), start, start + photo.GetStride());
  }
  ExpectLikeMagick(topDown, "topdown.bmp", kFormatBmp, 24);
  EXPECT_EQ(TopDownRgb(RasterImage(topDown, kFormatBmp)), TopDownRgb(photo));
}

TEST_F(HandBuiltTest, BmpWithTheVersion4Header) {
  const RasterImage photo = MakePhoto(13, 7);
  std::vector<uint8_t> v3;
  ASSERT_TRUE(RasterImage(photo).Encode(v3, kFormatBmp));
  // The 40-byte header grows to 108: masks, colour space 'sRGB', end points and gammas.
  std::vector<uint8_t> v4(v3.begin(), v3.begin() + 54);
  v4[10] = 14 + 108;
  v4[14] = 108;
  v4.resize(14 + 108, 0);
  const uint8_t srgb[4] = {'B', 'G', 'R', 's'};
  std::copy(srgb, srgb + 4, v4.begin() + 14 + 56);
  v4.insert(v4.end(), v3.begin() + 54, v3.end());
  const auto size = static_cast<uint32_t>(v4.size());
  std::memcpy(v4.data() + 2, &size, 4);
  ExpectLikeMagick(v4, "v4.bmp", kFormatBmp, 24);
  EXPECT_EQ(TopDownRgb(RasterImage(v4, kFormatBmp)), TopDownRgb(photo));
}

TEST_F(HandBuiltTest, Bmp16And32BitsWithoutBitFields) {
  // 16 bits default to 5-5-5; the fourth byte of 32-bit pixels is unused.
  std::vector<uint8_t> pixels16;
  for (uint32_t i = 0; i < 6; ++i) {
    Put16(pixels16, (i * 6 << 10) | (31 - i * 5) << 5 | (i * 3 + 1));
    if (i % 3 == 2) Put16(pixels16, 0);  // rows are padded to four bytes
  }
  auto bmp16 = BmpHeaders(3, 2, 16, 0, {}, pixels16.size());
  bmp16.insert(bmp16.end(), pixels16.begin(), pixels16.end());
  ExpectLikeMagick(bmp16, "rgb16.bmp", kFormatBmp, 24);

  const std::vector<uint8_t> pixels32 = {10, 20, 30, 0,  40, 50, 60, 128, 70, 80, 90, 255,
                                         1,  2,  3,  99, 4,  5,  6,  0,   7,  8,  9,  1};
  auto bmp32 = BmpHeaders(3, 2, 32, 0, {}, pixels32.size());
  bmp32.insert(bmp32.end(), pixels32.begin(), pixels32.end());
  ExpectLikeMagick(bmp32, "rgb32.bmp", kFormatBmp, 24);
}

TEST(BmpAlpha, ZeroAlphaEverywhereMeansOpaqueOtherwiseItIsLaidOverWhite) {
  // Bit fields with an alpha mask after a 40-byte header (compression 6).
  std::vector<uint8_t> masks;
  for (const uint32_t m : {0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0xFF000000u}) Put32(masks, m);
  auto build = [&](uint8_t alpha) {
    const std::vector<uint8_t> pixels = {10, 20, 30, 0, 200, 100, 50, alpha};
    auto bytes = BmpHeaders(2, 1, 32, 6, masks, pixels.size());
    bytes.insert(bytes.end(), pixels.begin(), pixels.end());
    return RasterImage(bytes, kFormatBmp);
  };
  const RasterImage opaque = build(0);
  ASSERT_TRUE(opaque.IsValid()) << opaque.GetLastError();
  EXPECT_EQ(opaque.GetPixelColor(1, 0), (RgbQuad{200, 100, 50, 0}));
  const RasterImage half = build(128);
  EXPECT_EQ(half.GetPixelColor(0, 0), (RgbQuad{255, 255, 255, 0}));  // alpha 0 beside alpha 128
  // (c × 128 + 255 × 127 + 127) / 255
  EXPECT_EQ(half.GetPixelColor(1, 0), (RgbQuad{227, 177, 152, 0}));
}

std::vector<uint8_t> TgaHeader(uint8_t type, uint16_t mapFirst, uint16_t mapLength, uint8_t mapBits,
                               uint16_t width, uint16_t height, uint8_t depth, uint8_t descriptor) {
  std::vector<uint8_t> out = {0, static_cast<uint8_t>(mapLength > 0 ? 1 : 0), type};
  Put16(out, mapFirst);
  Put16(out, mapLength);
  out.push_back(mapBits);
  Put32(out, 0);
  Put16(out, width);
  Put16(out, height);
  out.push_back(depth);
  out.push_back(descriptor);
  return out;
}

// Five-bit channels are widened by repeating their top bits, as for BMP; ImageMagick's TGA reader
// truncates v × 255 / 31 instead, which differs by one for some values.
TEST_F(HandBuiltTest, Tga16BitTrueColourRawAndRunLength) {
  auto raw = TgaHeader(2, 0, 0, 0, 4, 3, 16, 0);
  for (uint32_t i = 0; i < 12; ++i) Put16(raw, (i * 2 << 10) | ((31 - i) << 5) | (i * 7 % 32));
  ExpectLikeMagick(raw, "true16.tga", kFormatTga, 24, "-auto-orient", 1);

  auto rle = TgaHeader(10, 0, 0, 0, 4, 3, 16, 0x20);
  rle.push_back(0x85);  // six of one colour, across the end of the first row
  Put16(rle, 0x7C1F);
  rle.push_back(0x05);  // six raw pixels
  for (uint32_t i = 0; i < 6; ++i) Put16(rle, 0x0421 * i);
  ExpectLikeMagick(rle, "true16rle.tga", kFormatTga, 24, "-auto-orient", 1);
}

TEST_F(HandBuiltTest, TgaColourMapWith16BitEntriesAndAFirstIndex) {
  auto bytes = TgaHeader(1, 4, 3, 16, 3, 2, 8, 0);
  for (const uint32_t entry : {0x7C00u, 0x03E0u, 0x001Fu}) Put16(bytes, entry);
  bytes.insert(bytes.end(), {4, 5, 6, 6, 5, 4});
  ExpectLikeMagick(bytes, "map16.tga", kFormatTga, 8, "-auto-orient", 1);
}

std::vector<uint8_t> PcxHeader(uint8_t bits, uint8_t planes, uint16_t width, uint16_t height,
                               uint16_t bytesPerLine, const std::vector<uint8_t>& palette16) {
  std::vector<uint8_t> out = {0x0A, 5, 1, bits};
  Put16(out, 0);
  Put16(out, 0);
  Put16(out, width - 1u);
  Put16(out, height - 1u);
  Put16(out, 72);
  Put16(out, 72);
  std::vector<uint8_t> map = palette16;
  map.resize(48, 0);
  out.insert(out.end(), map.begin(), map.end());
  out.push_back(0);
  out.push_back(planes);
  Put16(out, bytesPerLine);
  Put16(out, 1);
  out.resize(128, 0);
  return out;
}

TEST_F(HandBuiltTest, PcxOneBitAndSixteenColoursInFourPlanes) {
  auto mono = PcxHeader(1, 1, 13, 3, 2, {0, 0, 0, 255, 255, 255});
  mono.insert(mono.end(), {0xAA, 0x55, 0xC2, 0xFF, 0x0F, 0xC1, 0xF0});
  // Set bits are white, as Paintbrush drew them; ImageMagick takes them as black.
  ExpectLikeMagick(mono, "mono.pcx", kFormatPcx, 1, "-negate");

  std::vector<uint8_t> ega;
  for (uint8_t i = 0; i < 16; ++i) {
    ega.insert(ega.end(), {static_cast<uint8_t>(i * 17), static_cast<uint8_t>(i * 7),
                           static_cast<uint8_t>(255 - i * 13)});
  }
  auto planar = PcxHeader(1, 4, 10, 2, 2, ega);
  // Each line: planes 0 to 3 of two bytes each; bytes from 0xC0 up need a count of one.
  planar.insert(planar.end(), {0xC1, 0xF0, 0x40, 0xC1, 0xCC, 0x80, 0xAA, 0x00, 0x0F, 0xC1, 0xC0});
  planar.insert(planar.end(), {0xC8, 0x3C});  // the second line: one run over all planes
  ExpectLikeMagick(planar, "planar.pcx", kFormatPcx, 4);
}

// ImageMagick reads every file we write with the same pixels and, where the format has one, the
// resolution.
struct WrittenVariant {
  const char* name;
  int format;
  uint32_t bpp;
};

class WrittenByUsTest : public ::testing::TestWithParam<WrittenVariant> {};

// The picture is wide, with runs of every length that matters and flat areas, so that each
// run-length encoder meets its limits; its palettes are colours, so channel order shows.
TEST_P(WrittenByUsTest, ImageMagickReadsOurPixelsAndResolution) {
  TAVOLO_REQUIRE_MAGICK();
  const WrittenVariant& v = GetParam();
  TempFolder dir;
  RasterImage image = test::RunLengthPicture(v.bpp);
  image.SetXDpi(300);
  image.SetYDpi(150);
  const auto file = dir / (std::string(v.name) + (v.format == kFormatBmp   ? ".bmp"
                                                  : v.format == kFormatTga ? ".tga"
                                                                           : ".pcx"));
  ASSERT_TRUE(image.Save(file, v.format)) << image.GetLastError();
  const std::string orient = v.format == kFormatTga ? "-auto-orient" : "";
  EXPECT_EQ(MagickRgb(file, orient), TopDownRgb(image));

  const RasterImage back(file, v.format);
  EXPECT_EQ(TopDownRgb(back), TopDownRgb(image));

  if (v.format == kFormatTga) return;
  std::istringstream resolution(test::MagickIdentify(file, "%x %y %U"));
  double x = 0;
  double y = 0;
  std::string units;
  resolution >> x >> y >> units;
  if (v.format == kFormatBmp) {
    EXPECT_EQ(units, "PixelsPerCentimeter");
    EXPECT_NEAR(x, image.GetXPelsPerMeter() / 100.0, 0.006);
    EXPECT_NEAR(y, image.GetYPelsPerMeter() / 100.0, 0.006);
  } else {
    EXPECT_EQ(units, "PixelsPerInch");
    EXPECT_EQ(x, 300);
    EXPECT_EQ(y, 150);
  }
}

const WrittenVariant kWritten[] = {
    {"bmp_1", kFormatBmp, 1},   {"bmp_4", kFormatBmp, 4}, {"bmp_8", kFormatBmp, 8},
    {"bmp_24", kFormatBmp, 24}, {"tga_8", kFormatTga, 8}, {"tga_24", kFormatTga, 24},
    {"pcx_1", kFormatPcx, 1},   {"pcx_4", kFormatPcx, 4}, {"pcx_8", kFormatPcx, 8},
    {"pcx_24", kFormatPcx, 24},
};

INSTANTIATE_TEST_SUITE_P(Interop, WrittenByUsTest, ::testing::ValuesIn(kWritten),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TgaWrite, RefusesDepthsOtherThan8And24) {
  for (const uint32_t bpp : {1u, 4u}) {
    RasterImage image;
    ASSERT_TRUE(image.Create(3, 3, bpp, kFormatUnknown));
    std::vector<uint8_t> out;
    EXPECT_FALSE(image.Encode(out, kFormatTga));
    EXPECT_EQ(image.GetLastError(), "Bit depth must be 8 or 24");
  }
}

}  // namespace
}  // namespace tavolo
