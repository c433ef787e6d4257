#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/imaging/RasterImage.h"
#include "tests/core/imaging/imaging_test_util.h"

namespace tavolo {
namespace {

// A little-endian TIFF of uncompressed 8-bit grey in one strip, or in tiles of `tile` × `tile`
// pixels when tile is not 0, whose header may lie.
std::vector<uint8_t> GreyTiff(uint32_t width, uint32_t height, uint32_t stripBytes,
                              uint32_t dataBytes, uint32_t tile = 0) {
  std::vector<uint8_t> bytes = {'I', 'I', 42, 0, 8, 0, 0, 0};
  // A short value fills the low half of the entry's 32-bit value field, little-endian.
  const auto tag = [&](uint16_t id, uint16_t type, uint32_t value) {
    test::PutFields(bytes, "2244", {id, type, 1, value});
  };
  const uint32_t entries = tile == 0 ? 8 : 9;
  const uint32_t dataOffset = 8 + 2 + entries * 12 + 4;
  test::PutFields(bytes, "2", {entries});
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
  test::PutFields(bytes, "4", {0});
  for (uint32_t i = 0; i < dataBytes; ++i) bytes.push_back(static_cast<uint8_t>(i));
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

}  // namespace
}  // namespace tavolo
