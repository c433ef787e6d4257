#include "core/card/CardLimits.h"

#include <charconv>

namespace tavolo {

namespace {

constexpr const char* kLargestCard = "a card is at most 10000 pixels a side and 64 megapixels";

// The stored value as it was written: 1062, 0.5, -3, 1e+30, nan.
std::string SideText(float side) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, side);
  return std::string(text, end.ptr);
}

}  // namespace

CardPixelSize CardPixels(float width, float height) {
  CardPixelSize size;
  const std::string is = "the card is " + SideText(width) + " x " + SideText(height) + " pixels; ";
  // Written so that NaN fails every test.
  if (!(width >= 1.0f && height >= 1.0f)) {
    size.problem = is + "a card needs at least 1 pixel a side";
    return size;
  }
  constexpr float kPastLargest = kMaxCardSide + 1.0f;
  if (!(width < kPastLargest && height < kPastLargest)) {
    size.problem = is + kLargestCard;
    return size;
  }
  size.width = static_cast<int>(width);
  size.height = static_cast<int>(height);
  if (static_cast<int64_t>(size.width) * size.height > kMaxCardPixels) {
    size.problem = is + kLargestCard;
    size.width = size.height = 0;
  }
  return size;
}

}  // namespace tavolo
