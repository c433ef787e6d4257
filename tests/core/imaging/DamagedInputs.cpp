#include "tests/core/imaging/DamagedInputs.h"

#include <gtest/gtest.h>

#include <vector>

namespace tavolo::test {

void ExpectSoundResult(bool decoded, const RasterImage& image) {
  if (!decoded) {
    EXPECT_FALSE(image.IsValid());
    EXPECT_FALSE(image.GetLastError().empty());
    EXPECT_EQ(image.GetWidth(), 0u);
    return;
  }
  ASSERT_TRUE(image.IsValid());
  EXPECT_GT(image.GetWidth(), 0u);
  EXPECT_GT(image.GetHeight(), 0u);
  EXPECT_LE(image.GetWidth(), kMaxImageSide);
  EXPECT_LE(image.GetHeight(), kMaxImageSide);
  EXPECT_EQ(image.PixelData().size(), static_cast<size_t>(image.GetStride()) * image.GetHeight());
  EXPECT_EQ(image.GetPaletteSize(), image.GetBpp() == 24 ? 0u : 1u << image.GetBpp());
}

void ExpectCleanDecodes(std::span<const uint8_t> bytes, int format) {
  for (const int code : {format, static_cast<int>(kFormatUnknown)}) {
    SCOPED_TRACE(code == kFormatUnknown ? "detected" : "with its format");
    RasterImage image;
    ExpectSoundResult(image.Decode(bytes, code), image);
  }
}

void ExpectDecodersSurvive(std::span<const uint8_t> good, int format) {
  const size_t size = good.size();
  const auto cut = [&](size_t length) {
    SCOPED_TRACE("cut at " + std::to_string(length));
    ExpectCleanDecodes(good.first(length), format);
  };
  for (size_t length = 0; length < std::min<size_t>(size, 64); ++length) cut(length);
  for (size_t step = 1; step <= 40 && size > 64; ++step) cut(64 + (size - 64) * step / 41);
  for (size_t i = 0; i < std::min<size_t>(size, 160); ++i) {
    for (const uint8_t mask : {0xFF, 0x80, 0x7F, 0x01, 0x10}) {
      SCOPED_TRACE("byte " + std::to_string(i) + " ^ " + std::to_string(mask));
      std::vector<uint8_t> bytes(good.begin(), good.end());
      bytes[i] ^= mask;
      ExpectCleanDecodes(bytes, format);
    }
  }
}

}  // namespace tavolo::test
