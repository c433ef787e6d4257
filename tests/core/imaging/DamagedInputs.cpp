#include "tests/core/imaging/DamagedInputs.h"

#include <gtest/gtest.h>

#include "core/imaging/RasterImage.h"

namespace tavolo::test {

std::vector<DamagedInput> DamagedVariants(std::span<const uint8_t> good) {
  std::vector<DamagedInput> variants;
  const size_t size = good.size();
  const auto cut = [&](size_t length) {
    variants.push_back({"cut at " + std::to_string(length),
                        std::vector<uint8_t>(good.begin(), good.begin() + length)});
  };
  for (size_t length = 0; length < std::min<size_t>(size, 64); ++length) cut(length);
  for (size_t step = 1; step <= 40 && size > 64; ++step) cut(64 + (size - 64) * step / 41);
  for (size_t i = 0; i < std::min<size_t>(size, 96); ++i) {
    for (const uint8_t mask : {uint8_t{0xFF}, uint8_t{0x80}}) {
      std::vector<uint8_t> bytes(good.begin(), good.end());
      bytes[i] ^= mask;
      variants.push_back({"byte " + std::to_string(i) + " xor " + std::to_string(mask), bytes});
    }
    std::vector<uint8_t> bytes(good.begin(), good.end());
    bytes[i] = 0xFF;
    variants.push_back({"byte " + std::to_string(i) + " = 255", bytes});
  }
  return variants;
}

void ExpectDecodersSurvive(std::span<const uint8_t> good, int format) {
  for (const DamagedInput& input : DamagedVariants(good)) {
    SCOPED_TRACE(input.description);
    RasterImage image;
    if (image.Decode(input.bytes, format)) {
      EXPECT_TRUE(image.IsValid());
      EXPECT_LE(image.GetWidth(), kMaxImageSide);
      EXPECT_LE(image.GetHeight(), kMaxImageSide);
    } else {
      EXPECT_FALSE(image.IsValid());
      EXPECT_FALSE(image.GetLastError().empty());
    }
  }
}

}  // namespace tavolo::test
