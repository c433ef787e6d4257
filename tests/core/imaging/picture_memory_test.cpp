#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/imaging/PictureMemory.h"

namespace tavolo {
namespace {

// Pictures on either side of the size that gets a mapping of its own keep every byte, copy and
// grow like any vector, and the large ones start where a huge page can.
TEST(PictureMemory, HoldsEveryByteAndAlignsLargePicturesForHugePages) {
  constexpr size_t kHuge = size_t{2} << 20;
  using Pixels = std::vector<uint8_t, PictureAllocator<uint8_t>>;
  for (const size_t size : {size_t{1}, kHuge - 1, kHuge, kHuge + 1, 9 * kHuge + 123}) {
    SCOPED_TRACE(size);
    Pixels pixels(size);
    for (size_t i = 0; i < size; ++i) pixels[i] = static_cast<uint8_t>(i * 31 + 7);
    if (size >= kHuge) {
      EXPECT_EQ(reinterpret_cast<uintptr_t>(pixels.data()) % kHuge, 0u);
    }
    Pixels copy = pixels;
    copy.resize(size + kHuge, 5);
    EXPECT_TRUE(std::equal(pixels.begin(), pixels.end(), copy.begin()));
    EXPECT_EQ(copy.back(), 5);
  }
}

}  // namespace
}  // namespace tavolo
