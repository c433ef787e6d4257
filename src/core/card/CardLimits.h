// How large a card and the pictures on it may be. The project reader, the renderer and the export
// hold every card to this, so that no file can make the program allocate more than such a card
// needs.
#pragma once

#include <cstdint>
#include <string>

namespace tavolo {

inline constexpr int kMaxCardSide = 10000;
inline constexpr int64_t kMaxCardPixels = 64ll << 20;  // 64 megapixels
// Photos, logos and backgrounds are held to the same size: larger ones are refused ("Image too
// large") before their pixels are allocated.
inline constexpr uint64_t kMaxCardPicturePixels = 64ull << 20;

// A card's size in pixels as it is drawn: its stored width and height, truncated.
struct CardPixelSize {
  int width = 0;
  int height = 0;
  // Why a card of this size cannot be drawn, e.g. "the card is 16384 x 16384 pixels; a card is at
  // most 10000 pixels a side and 64 megapixels"; empty when it can.
  std::string problem;
  bool Ok() const { return problem.empty(); }
};

// The drawn size of a card of the stored width and height (cardWidth, cardHeight).
CardPixelSize CardPixels(float width, float height);

}  // namespace tavolo
