#include <gtest/gtest.h>

#include <algorithm>

#include "core/imaging/RasterImage.h"
#include "tests/core/imaging/MagickInterop.h"

namespace tavolo {
namespace {

using test::Encode;
using test::ImagePixels;
using test::MagickPixels;
using test::Quoted;

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

class GifInterop : public test::MagickSourceTest {
 protected:
  GifInterop() : MagickSourceTest(37, 29, 5) {}
};

TEST_F(GifInterop, PlacesASmallFrameOnTheScreenOverTheBackground) {
  const auto file = dir_ / "offset.gif";
  ASSERT_TRUE(test::RunConvert(Quoted(source_) + " -resize 20x15! -colors 32 -repage 41x33+9+6 " +
                               Quoted(file)));
  const std::vector<uint8_t> bytes = test::ReadFileBytes(file);
  ASSERT_GT(bytes.size(), kBackground);
  const RasterImage image(bytes, kFormatGif);
  ASSERT_TRUE(image.IsValid()) << image.GetLastError();
  ASSERT_EQ(image.GetWidth(), 41u);
  ASSERT_EQ(image.GetHeight(), 33u);
  const auto frame = MagickPixels(file);
  ASSERT_TRUE(frame.has_value());
  ASSERT_EQ(frame->width, 20u);
  const test::RgbPixels ours = ImagePixels(image);
  for (uint32_t y = 0; y < 33; ++y) {
    for (uint32_t x = 0; x < 41; ++x) {
      if (x < 9 || x >= 29 || y < 6 || y >= 21) {
        ASSERT_EQ(image.GetPixelIndex(x, 32 - y), bytes[kBackground]) << x << "," << y;
      } else {
        const auto at = ours.rgb.begin() + (y * 41 + x) * 3;
        ASSERT_TRUE(std::equal(at, at + 3, frame->rgb.begin() + ((y - 6) * 20 + x - 9) * 3))
            << x << "," << y;
      }
    }
  }
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

TEST(GifCodec, SizesAnEmptyScreenByTheFrameAndClipsFramesThatOverhang) {
  RasterImage image = test::MakePaletteImage(16, 8, 8, 60);
  const std::vector<uint8_t> bytes = Encode(image, kFormatGif);

  std::vector<uint8_t> noScreen = bytes;
  PutWord(noScreen, 6, 0);
  PutWord(noScreen, 8, 0);
  const RasterImage sized(noScreen, kFormatGif);
  ASSERT_TRUE(sized.IsValid()) << sized.GetLastError();
  EXPECT_EQ(ImagePixels(sized).rgb, ImagePixels(image).rgb);

  std::vector<uint8_t> overhang = bytes;
  ASSERT_EQ(overhang[kImageDescriptor + 5], 16);  // the frame's width
  PutWord(overhang, kImageDescriptor + 1, 13);    // left
  PutWord(overhang, kImageDescriptor + 3, 6);     // top
  const RasterImage clipped(overhang, kFormatGif);
  ASSERT_TRUE(clipped.IsValid()) << clipped.GetLastError();
  ASSERT_EQ(clipped.GetWidth(), 16u);
  // The frame's top-left pixel lands at (13, 6) from the top.
  EXPECT_EQ(clipped.GetPixelIndex(13, 8 - 1 - 6), image.GetPixelIndex(0, 7));
  EXPECT_EQ(clipped.GetPixelIndex(15, 0), image.GetPixelIndex(2, 6));
}

}  // namespace
}  // namespace tavolo
