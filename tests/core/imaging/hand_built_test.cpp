// BMP, TGA, PCX, ICO and TIFF files built by hand: variants ImageMagick does not write, checked
// against its decoder.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/imaging/RasterImage.h"
#include "tests/core/imaging/imaging_test_util.h"

namespace tavolo {
namespace {

using test::ImagePixels;

using test::MakePhoto;
using test::PutFields;

// Our decoder reads the file at the given depth, and ImageMagick's reads the same pixels.
void ExpectLikeMagick(const std::vector<uint8_t>& bytes, const char* name, int format, uint32_t bpp,
                      const std::string& options = "", int tolerance = 0) {
  const RasterImage ours(bytes, format);
  ASSERT_TRUE(ours.IsValid()) << name << ": " << ours.GetLastError();
  EXPECT_EQ(ours.GetBpp(), bpp) << name;
  test::ExpectMagickDecodesAs(bytes, ours, name, options, tolerance);
}

// A BMP with the 40-byte header; `palette` also carries bit-field masks.
std::vector<uint8_t> BmpFile(int32_t width, int32_t height, uint32_t bpp, uint32_t compression,
                             const std::vector<uint8_t>& palette,
                             const std::vector<uint8_t>& pixels) {
  const auto offset = static_cast<uint32_t>(54 + palette.size());
  const auto size = static_cast<uint32_t>(pixels.size());
  std::vector<uint8_t> out;
  PutFields(out, "244444422444444",
            {'B' | 'M' << 8, offset + size, 0, offset, 40, static_cast<uint32_t>(width),
             static_cast<uint32_t>(height), 1, bpp, compression, size, 2835, 2835,
             static_cast<uint32_t>(palette.size() / 4), 0});
  out.insert(out.end(), palette.begin(), palette.end());
  out.insert(out.end(), pixels.begin(), pixels.end());
  return out;
}

// Sixteen BMP palette entries (blue, green, red, 0): entry i is (16 i, 8 i, 255 - 16 i).
std::vector<uint8_t> SixteenColours() {
  std::vector<uint8_t> palette;
  for (uint8_t i = 0; i < 16; ++i) {
    palette.insert(palette.end(), {static_cast<uint8_t>(i * 16), static_cast<uint8_t>(i * 8),
                                   static_cast<uint8_t>(255 - i * 16), 0});
  }
  return palette;
}

TEST(HandBuilt, BmpRle4WithRunsAbsoluteRunsDeltaAndEndOfLine) {
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
  const auto bytes = BmpFile(11, 4, 4, 2, SixteenColours(), pixels);
  ExpectLikeMagick(bytes, "rle4.bmp", kFormatBmp, 4);
  const RasterImage image(bytes, kFormatBmp);
  EXPECT_EQ(image.GetPixelIndex(4, 0), 1);
  EXPECT_EQ(image.GetPixelIndex(7, 0), 5);
  EXPECT_EQ(image.GetPixelIndex(3, 2), 0xB);
  EXPECT_EQ(image.GetPixelIndex(10, 2), 0xC);
}

TEST(HandBuilt, BmpStoredTopDownOrWithTheVersion4Header) {
  RasterImage photo = MakePhoto(13, 7);
  const std::vector<uint8_t> v3 = test::Encode(photo, kFormatBmp);
  // The rows in picture order under a negative height.
  std::vector<uint8_t> rows;
  for (uint32_t row = 7; row-- > 0;) {
    const auto* start = v3.data() + 54 + row * photo.GetStride();
    rows.insert(rows.end(), start, start + photo.GetStride());
  }
  const std::vector<uint8_t> topDown = BmpFile(13, -7, 24, 0, {}, rows);
  // The 40-byte header grown to 108: masks, colour space 'sRGB', end points and gammas.
  std::vector<uint8_t> v4(v3.begin(), v3.begin() + 54);
  v4[10] = 14 + 108;
  v4[14] = 108;
  v4.resize(14 + 108, 0);
  std::memcpy(v4.data() + 14 + 56, "BGRs", 4);
  v4.insert(v4.end(), v3.begin() + 54, v3.end());
  const auto size = static_cast<uint32_t>(v4.size());
  std::memcpy(v4.data() + 2, &size, 4);
  for (const auto& [bytes, name] : {std::pair{&topDown, "topdown.bmp"}, {&v4, "v4.bmp"}}) {
    ExpectLikeMagick(*bytes, name, kFormatBmp, 24);
    EXPECT_EQ(ImagePixels(RasterImage(*bytes, kFormatBmp)).rgb, ImagePixels(photo).rgb) << name;
  }
}

TEST(HandBuilt, Bmp16And32BitsWithoutBitFields) {
  // 16 bits default to 5-5-5; the fourth byte of 32-bit pixels is unused.
  std::vector<uint8_t> pixels16;
  for (uint32_t i = 0; i < 6; ++i) {
    PutFields(pixels16, "2", {(i * 6 << 10) | (31 - i * 5) << 5 | (i * 3 + 1)});
    if (i % 3 == 2) PutFields(pixels16, "2", {0});  // rows are padded to four bytes
  }
  ExpectLikeMagick(BmpFile(3, 2, 16, 0, {}, pixels16), "rgb16.bmp", kFormatBmp, 24);

  const std::vector<uint8_t> pixels32 = {10, 20, 30, 0,  40, 50, 60, 128, 70, 80, 90, 255,
                                         1,  2,  3,  99, 4,  5,  6,  0,   7,  8,  9,  1};
  ExpectLikeMagick(BmpFile(3, 2, 32, 0, {}, pixels32), "rgb32.bmp", kFormatBmp, 24);
}

TEST(HandBuilt, ZeroAlphaEverywhereMeansOpaqueOtherwiseItIsLaidOverWhite) {
  // Bit fields with an alpha mask after a 40-byte header (compression 6).
  std::vector<uint8_t> masks;
  PutFields(masks, "4444", {0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0xFF000000u});
  auto build = [&](uint8_t alpha) {
    return RasterImage(BmpFile(2, 1, 32, 6, masks, {10, 20, 30, 0, 200, 100, 50, alpha}),
                       kFormatBmp);
  };
  const RasterImage opaque = build(0);
  ASSERT_TRUE(opaque.IsValid()) << opaque.GetLastError();
  EXPECT_EQ(opaque.GetPixelColour(1, 0), (RgbQuad{200, 100, 50, 0}));
  const RasterImage half = build(128);
  EXPECT_EQ(half.GetPixelColour(0, 0), (RgbQuad{255, 255, 255, 0}));  // alpha 0 beside alpha 128
  // (c × 128 + 255 × 127 + 127) / 255
  EXPECT_EQ(half.GetPixelColour(1, 0), (RgbQuad{227, 177, 152, 0}));
}

std::vector<uint8_t> TgaHeader(uint8_t type, uint16_t mapFirst, uint16_t mapLength, uint8_t mapBits,
                               uint16_t width, uint16_t height, uint8_t depth, uint8_t descriptor) {
  std::vector<uint8_t> out;
  PutFields(out, "11122142211",
            {0, mapLength > 0 ? 1u : 0u, type, mapFirst, mapLength, mapBits, 0, width, height,
             depth, descriptor});
  return out;
}

// Five-bit channels are widened by repeating their top bits, as for BMP; ImageMagick's TGA reader
// truncates v × 255 / 31 instead, which differs by one for some values.
TEST(HandBuilt, Tga16BitTrueColourAndA16BitColourMapFromAFirstIndex) {
  auto raw = TgaHeader(2, 0, 0, 0, 4, 3, 16, 0);
  for (uint32_t i = 0; i < 12; ++i)
    PutFields(raw, "2", {(i * 2 << 10) | ((31 - i) << 5) | (i * 7 % 32)});
  ExpectLikeMagick(raw, "true16.tga", kFormatTga, 24, "-auto-orient", 1);

  auto mapped = TgaHeader(1, 4, 3, 16, 3, 2, 8, 0);
  PutFields(mapped, "222", {0x7C00u, 0x03E0u, 0x001Fu});
  mapped.insert(mapped.end(), {4, 5, 6, 6, 5, 4});
  ExpectLikeMagick(mapped, "map16.tga", kFormatTga, 8, "-auto-orient", 1);
}

std::vector<uint8_t> PcxHeader(uint8_t bits, uint8_t planes, uint16_t width, uint16_t height,
                               uint16_t bytesPerLine, const std::vector<uint8_t>& palette16) {
  std::vector<uint8_t> out;
  PutFields(out, "111142222", {0x0A, 5, 1, bits, 0, width - 1u, height - 1u, 72, 72});
  out.insert(out.end(), palette16.begin(), palette16.end());
  out.resize(65, 0);
  PutFields(out, "122", {planes, bytesPerLine, 1});
  out.resize(128, 0);
  return out;
}

TEST(HandBuilt, PcxOneBitAndSixteenColoursInFourPlanes) {
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

struct IconEntry {
  uint8_t width, height;
  uint16_t bits;
  std::vector<uint8_t> picture;
};

std::vector<uint8_t> IconFile(const std::vector<IconEntry>& entries) {
  std::vector<uint8_t> out;
  const auto count = static_cast<uint32_t>(entries.size());
  PutFields(out, "222", {0, 1, count});
  uint32_t offset = 6 + 16 * count;
  for (const IconEntry& e : entries) {
    const auto size = static_cast<uint32_t>(e.picture.size());
    PutFields(out, "1122244", {e.width, e.height, 0, 1, e.bits, size, offset});
    offset += size;
  }
  for (const IconEntry& e : entries) out.insert(out.end(), e.picture.begin(), e.picture.end());
  return out;
}

// A 4-bit icon picture of 8 × 4 pixels: its colour rows, then its mask rows (so a height of 8),
// both bottom-up.
std::vector<uint8_t> FourBitIcon(bool withMask) {
  std::vector<uint8_t> rows;
  for (uint8_t i = 0; i < 16; ++i) rows.push_back(static_cast<uint8_t>(i * 0x11 + 1));
  if (withMask) {
    // Mask rows are 32-bit aligned: the first row has its two leftmost pixels transparent.
    for (const uint8_t m : {0xC0, 0x00, 0x01, 0x00}) rows.insert(rows.end(), {m, 0, 0, 0});
  }
  const std::vector<uint8_t> file = BmpFile(8, 8, 4, 0, SixteenColours(), rows);
  return {file.begin() + 14, file.end()};
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
  for (const auto& [x, y] : {std::pair{0u, 0u}, {1u, 0u}, {7u, 2u}}) {
    EXPECT_EQ(icon.GetPixelColour(x, y), (RgbQuad{255, 255, 255, 0})) << x << "," << y;
  }
  // Pixel (2, 0) is the high nibble of the row's second byte, 0x12: index 1.
  EXPECT_EQ(icon.GetPixelColour(2, 0), (RgbQuad{16, 8, 239, 0}));
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
  const RasterImage icon(IconFile({{16, 16, 32, test::Encode(photo, kFormatPng)}}), kFormatIco);
  ASSERT_TRUE(icon.IsValid()) << icon.GetLastError();
  EXPECT_EQ(ImagePixels(icon).rgb, ImagePixels(photo).rgb);
}

// Writers choose the tile size before they look at the picture, so a tile may overhang it far.
TEST(TiffCodec, TakesTilesThatOverhangThePictureFar) {
  const RasterImage tiled(test::GreyTiff(20, 4, 256 * 256, 256 * 256, 256), kFormatTiff);
  ASSERT_TRUE(tiled.IsValid()) << tiled.GetLastError();
  EXPECT_EQ(tiled.GetPixelIndex(5, 3), 5);  // the top row holds bytes 0 to 15
}

}  // namespace
}  // namespace tavolo
