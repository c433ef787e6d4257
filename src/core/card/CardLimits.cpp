#include "core/card/CardLimits.h"

#include <charconv>

#include "core/base/Translation.h"

namespace tavolo {

namespace {

// The stored value as it was written: 1062, 0.5, -3, 1e+30, nan.
std::string SideText(float side) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, side);
  return std::string(text, end.ptr);
}

}  // namespace

CardPixelSize CardPixels(float width, float height) {
  CardPixelSize size;
  const auto tooLarge = [&] {
    return TrMessage(
        "the card is %1 x %2 pixels; a card is at most 10000 pixels a side and 64 megapixels",
        SideText(width), SideText(height));
  };
  // Written so that NaN fails every test.
  if (!(width >= 1.0f && height >= 1.0f)) {
    size.problem = TrMessage("the card is %1 x %2 pixels; a card needs at least 1 pixel a side",
                             SideText(width), SideText(height));
    return size;
  }
  constexpr float kPastLargest = kMaxCardSide + 1.0f;
  if (!(width < kPastLargest && height < kPastLargest)) {
    size.problem = tooLarge();
    return size;
  }
  size.width = static_cast<int>(width);
  size.height = static_cast<int>(height);
  if (static_cast<int64_t>(size.width) * size.height > kMaxCardPixels) {
    size.problem = tooLarge();
    size.width = size.height = 0;
  }
  return size;
}

}  // namespace tavolo
