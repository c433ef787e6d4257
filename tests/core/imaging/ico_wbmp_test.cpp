#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/imaging/RasterImage.h"
#include "tests/core/imaging/imaging_test_util.h"

namespace tavolo {
namespace {

using test::Put16;
using test::Put32;
using test::TopDownRgb;

struct IconEntry {
  uint8_t width;
  uint8_t height;
  uint16_t bits;
  std::vector<uint8_t> picture;
};

std::vector<uint8_t> IconFile(const std::vector<IconEntry>& entries) {
  std::vector<uint8_t> out;
  Put16(out, 0);
  Put16(out, 1);
  Put16(out, static_cast<uint32_t>(entries.size()));
  uint32_t offset = 6 + 16 * static_cast<uint32_t>(entries.size());
  for (const IconEntry& e : entries) {
    out.insert(out.end(), {e.width, e.height, 0, 0});
    Put16(out, 1);
    Put16(out, e.bits);
    Put32(out, static_cast<uint32_t>(e.picture.size()));
    Put32(out, offset);
    offset += static_cast<uint32_t>(e.picture.size());
  }
  for (const IconEntry& e : entries) out.insert(out.end(), e.picture.begin(), e.picture.end());
  return out;
}

// A 4-bit icon bitmap of 8 × 4 pixels: colour rows, then the mask rows, both bottom-up.
std::vector<uint8_t> FourBitIcon(bool withMask) {
  std::vector<uint8_t> out;
  Put32(out, 40);
  Put32(out, 8);
  Put32(out, 8);  // colour and mask rows together
  Put16(out, 1);
  Put16(out, 4);
  for (int field = 0; field < 6; ++field) Put32(out, 0);  // compression to important colours
  for (uint8_t i = 0; i < 16; ++i) {
    out.insert(out.end(), {static_cast<uint8_t>(i * 16), static_cast<uint8_t>(i * 8),
                           static_cast<uint8_t>(255 - i * 16), 0});
  }
  for (uint8_t row = 0; row < 4; ++row) {
    for (uint8_t b = 0; b < 4; ++b) out.push_back(static_cast<uint8_t>((row * 4 + b) * 0x11 + 1));
  }
  if (withMask) {
    // Mask rows are 32-bit aligned: the first row has its two leftmost pixels transparent.
    for (const uint8_t m : {0xC0, 0x00, 0x01, 0x00}) out.insert(out.end(), {m, 0, 0, 0});
  }
  return out;
}

TEST(IcoDecode, TakesTheLargestPictureAndWhitensMaskedPixelsOrKeepsThePaletteWithoutMask) {
  std::vector<uint8_t> small = FourBitIcon(true);
  small[4] = 4;  // a narrower picture listed first
  const auto bytes = IconFile({{4, 4, 4, small}, {8, 4, 4, FourBitIcon(true)}});
  const RasterImage icon(bytes, kFormatIco);
  ASSERT_TRUE(icon.IsValid()) << icon.GetLastError();
  EXPECT_EQ(icon.GetType(), kFormatIco);
  ASSERT_EQ(icon.GetWidth(), 8u);
  ASSERT_EQ(icon.GetHeight(), 4u);
  const RgbQuad white{255, 255, 255, 0};
  EXPECT_EQ(icon.GetPixelColor(0, 0), white);
  EXPECT_EQ(icon.GetPixelColor(1, 0), white);
  EXPECT_EQ(icon.GetPixelColor(7, 2), white);
  // Pixel (2, 0) is the high nibble of the row's second byte, 0x12: index 1.
  EXPECT_EQ(icon.GetPixelColor(2, 0), (RgbQuad{16, 8, 239, 0}));
  // An icon without mask keeps its palette.
  const RasterImage unmasked(IconFile({{8, 4, 4, FourBitIcon(false)}}), kFormatIco);
  ASSERT_TRUE(unmasked.IsValid()) << unmasked.GetLastError();
  EXPECT_EQ(unmasked.GetBpp(), 4u);

  // ImageMagick reads the picture we take, alone in a file, as we read it.
  test::ExpectMagickDecodesAs(IconFile({{8, 4, 4, FourBitIcon(true)}}), icon, "mask.ico",
                              test::kOverWhite);
}

TEST(IcoDecode, APngPictureGoesToThePngDecoder) {
  RasterImage photo = test::MakePhoto(16, 16);
  std::vector<uint8_t> png;
  if (!photo.Encode(png, kFormatPng)) GTEST_SKIP() << "PNG encoder unavailable";
  const RasterImage icon(IconFile({{16, 16, 32, png}}), kFormatIco);
  ASSERT_TRUE(icon.IsValid()) << icon.GetLastError();
  EXPECT_EQ(TopDownRgb(icon), TopDownRgb(photo));
}

TEST(WbmpDecode, ReadsTypeZeroWithSetBitsWhite) {
  // 10 × 2: multi-byte width and height fields, rows of two bytes.
  const std::vector<uint8_t> bytes = {0, 0, 10, 2, 0x80, 0x40, 0xFF, 0xC0};
  const RasterImage image(bytes, kFormatUnknown);
  ASSERT_TRUE(image.IsValid()) << image.GetLastError();
  EXPECT_EQ(image.GetType(), kFormatWbmp);
  EXPECT_EQ(image.GetBpp(), 1u);
  const RgbQuad white{255, 255, 255, 0};
  const RgbQuad black{0, 0, 0, 0};
  // The first file row is the top of the picture.
  EXPECT_EQ(image.GetPixelColor(0, 1), white);
  EXPECT_EQ(image.GetPixelColor(1, 1), black);
  EXPECT_EQ(image.GetPixelColor(9, 1), white);
  EXPECT_EQ(image.GetPixelColor(9, 0), white);

  test::ExpectMagickDecodesAs(bytes, image, "x.wbmp");
}

}  // namespace
}  // namespace tavolo
