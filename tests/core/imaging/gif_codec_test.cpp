#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

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
  // The screen's width and height, the frame's left and top.
  const std::tuple<uint16_t, uint16_t, uint16_t, uint16_t> cases[] = {
      {41, 33, 9, 6},  // inside a larger screen
      {0, 0, 0, 0},    // no screen: it takes the frame's size
      {16, 8, 13, 6},  // overhanging the screen
  };
  for (const auto& [screenWidth, screenHeight, left, top] : cases) {
    SCOPED_TRACE(std::to_string(left) + "," + std::to_string(top));
    std::vector<uint8_t> placed = bytes;
    PutWord(placed, 6, screenWidth);
    PutWord(placed, 8, screenHeight);
    PutWord(placed, kImageDescriptor + 1, left);
    PutWord(placed, kImageDescriptor + 3, top);
    const RasterImage image(placed, kFormatGif);
    ASSERT_TRUE(image.IsValid()) << image.GetLastError();
    const uint32_t width = screenWidth == 0 ? 16 : screenWidth;
    const uint32_t height = screenHeight == 0 ? 8 : screenHeight;
    ASSERT_EQ(image.GetWidth(), width);
    ASSERT_EQ(image.GetHeight(), height);
    // x and y from the top-left corner.
    for (uint32_t y = 0; y < height; ++y) {
      for (uint32_t x = 0; x < width; ++x) {
        const bool inside = x >= left && x < left + 16u && y >= top && y < top + 8u;
        ASSERT_EQ(image.GetPixelIndex(x, height - 1 - y),
                  inside ? frame.GetPixelIndex(x - left, 7 - (y - top)) : bytes[kBackground])
            << x << "," << y;
      }
    }
  }
}

// The compressor's limits: a single pixel, one colour whose strings grow to the widest codes,
// and noise that fills the string table again and again; we and ImageMagick read each back.
TEST(GifCodec, CompressesEveryPatternSoThatReadersGetItBack) {
  const std::tuple<const char*, uint32_t, uint32_t, uint32_t (*)(uint32_t, uint32_t)> patterns[] = {
      {"one pixel", 1, 1, [](uint32_t, uint32_t) { return 7u; }},
      {"one colour", 700, 500, [](uint32_t, uint32_t) { return 200u; }},
      {"noise", 640, 90,
       [](uint32_t x, uint32_t y) { return (x * 2654435761u ^ y * 40503u) >> 24; }},
  };
  for (const auto& [name, width, height, index] : patterns) {
    SCOPED_TRACE(name);
    RasterImage image = test::MakePaletteImage(width, height, 8, 256);
    for (uint32_t y = 0; y < height; ++y) {
      for (uint32_t x = 0; x < width; ++x) image.SetPixelIndex(x, y, index(x, y));
    }
    const std::vector<uint8_t> bytes = Encode(image, kFormatGif);
    const RasterImage decoded(bytes, kFormatGif);
    ASSERT_TRUE(decoded.IsValid()) << decoded.GetLastError();
    EXPECT_EQ(ImagePixels(decoded).rgb, ImagePixels(image).rgb);
    test::ExpectMagickDecodesAs(bytes, image, std::string("lzw-") + name + ".gif");
  }
}

}  // namespace
}  // namespace tavolo
