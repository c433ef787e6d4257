#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/imaging/RasterImage.h"
#include "tests/core/imaging/MagickInterop.h"

namespace tavolo {
namespace {

using test::Encode;
using test::ImagePixels;

// Where our encoder puts things: header, screen descriptor, 256-entry table, image descriptor.
constexpr size_t kScreenFlags = 10;
constexpr size_t kBackground = 11;
constexpr size_t kGlobalTable = 13;
constexpr size_t kTableBytes = 768;
constexpr size_t kImageDescriptor = kGlobalTable + kTableBytes;
constexpr size_t kImageDescriptorBytes = 10;

void PutWord(std::vector<uint8_t>& bytes, size_t at, uint16_t value) {
  bytes[at] = static_cast<uint8_t>(value);
  bytes[at + 1] = static_cast<uint8_t>(value >> 8);
}

TEST(GifCodec, WritesA256ColourGlobalTableButPrefersTheFramesOwnPalette) {
  RasterImage image = test::MakePaletteImage(16, 8, 8, 40);
  const std::vector<uint8_t> bytes = Encode(image, kFormatGif);
  ASSERT_GT(bytes.size(), kImageDescriptor + kImageDescriptorBytes);
  EXPECT_EQ(bytes[kScreenFlags] & 0x87, 0x87);
  // Move the table behind the image descriptor and leave a black global table in its place.
  std::vector<uint8_t> local(bytes.begin(),
                             bytes.begin() + kImageDescriptor + kImageDescriptorBytes);
  std::fill(local.begin() + kGlobalTable, local.begin() + kImageDescriptor, 0);
  local.back() = 0x87;
  local.insert(local.end(), bytes.begin() + kGlobalTable, bytes.begin() + kImageDescriptor);
  local.insert(local.end(), bytes.begin() + kImageDescriptor + kImageDescriptorBytes, bytes.end());
  const RasterImage decoded(local, kFormatGif);
  ASSERT_TRUE(decoded.IsValid()) << decoded.GetLastError();
  EXPECT_EQ(ImagePixels(decoded).rgb, ImagePixels(image).rgb);
}

TEST(GifCodec, PlacesTheFrameOnItsScreenOverTheBackgroundAndClipsWhatOverhangs) {
  RasterImage frame = test::MakePaletteImage(16, 8, 8, 60);
  const std::vector<uint8_t> bytes = Encode(frame, kFormatGif);
  ASSERT_EQ(bytes[kImageDescriptor + 5], 16);  // the frame's width
  const struct {
    uint16_t screenWidth, screenHeight, left, top;
  } cases[] = {
      {41, 33, 9, 6},  // inside a larger screen
      {0, 0, 0, 0},    // no screen: it takes the frame's size
      {16, 8, 13, 6},  // overhanging the screen
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.left) + "," + std::to_string(c.top));
    std::vector<uint8_t> placed = bytes;
    PutWord(placed, 6, c.screenWidth);
    PutWord(placed, 8, c.screenHeight);
    PutWord(placed, kImageDescriptor + 1, c.left);
    PutWord(placed, kImageDescriptor + 3, c.top);
    const RasterImage image(placed, kFormatGif);
    ASSERT_TRUE(image.IsValid()) << image.GetLastError();
    const uint32_t width = c.screenWidth == 0 ? 16 : c.screenWidth;
    const uint32_t height = c.screenHeight == 0 ? 8 : c.screenHeight;
    ASSERT_EQ(image.GetWidth(), width);
    ASSERT_EQ(image.GetHeight(), height);
    // x and y from the top-left corner.
    for (uint32_t y = 0; y < height; ++y) {
      for (uint32_t x = 0; x < width; ++x) {
        const bool inside = x >= c.left && x < c.left + 16u && y >= c.top && y < c.top + 8u;
        ASSERT_EQ(image.GetPixelIndex(x, height - 1 - y),
                  inside ? frame.GetPixelIndex(x - c.left, 7 - (y - c.top)) : bytes[kBackground])
            << x << "," << y;
      }
    }
  }
}

// The compressor's limits: a single pixel, one colour whose strings grow to the widest codes,
// and noise that fills the string table again and again; we and ImageMagick read each back.
TEST(GifCodec, CompressesEveryPatternSoThatReadersGetItBack) {
  struct Pattern {
    const char* name;
    uint32_t width, height;
    uint32_t (*index)(uint32_t x, uint32_t y);
  };
  const Pattern patterns[] = {
      {"one pixel", 1, 1, [](uint32_t, uint32_t) { return 7u; }},
      {"one colour", 700, 500, [](uint32_t, uint32_t) { return 200u; }},
      {"noise", 640, 90, [](uint32_t x, uint32_t y) { return (x * 2654435761u ^ y * 40503u) >> 24; }},
  };
  for (const Pattern& p : patterns) {
    SCOPED_TRACE(p.name);
    RasterImage image = test::MakePaletteImage(p.width, p.height, 8, 256);
    for (uint32_t y = 0; y < p.height; ++y) {
      for (uint32_t x = 0; x < p.width; ++x) image.SetPixelIndex(x, y, p.index(x, y));
    }
    const std::vector<uint8_t> bytes = Encode(image, kFormatGif);
    const RasterImage decoded(bytes, kFormatGif);
    ASSERT_TRUE(decoded.IsValid()) << decoded.GetLastError();
    EXPECT_EQ(ImagePixels(decoded).rgb, ImagePixels(image).rgb);
    test::ExpectMagickDecodesAs(bytes, image, std::string("lzw-") + p.name + ".gif");
  }
}

}  // namespace
}  // namespace tavolo
