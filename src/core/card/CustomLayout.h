// The "Custom" layout: the boxes of one of the ten layouts, any of them placed freely by the
// user. The card's layout index stays that layout's, so that a reader of the card's classic part
// opens it with every box in its layout's place and all of its text. When the user picks one of
// the ten, the arrangement is kept, no longer current, to come back to.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace tavolo {

inline constexpr int kCustomBoxCount = 5;
// The layout chooser's cell and the layout number of "Custom", after the ten layouts.
inline constexpr int kCustomLayout = 10;

// A layout box placed freely: its box on the card, in card pixels at full size. Its lines are
// laid out in it as a text box the user added, aligned as the card aligns the box.
struct FreeBox {
  float left = 0.0f;
  float top = 0.0f;
  float width = 0.0f;
  float height = 0.0f;
  friend bool operator==(const FreeBox&, const FreeBox&) = default;
};

struct CustomLayout {
  // Whether the card shows it; false while a picked layout is shown and it is kept.
  bool current = true;
  // The layout whose boxes it places (0..9).
  int32_t layoutIndex = 0;
  // Where each box stands; none for a box in its layout's own place.
  std::array<std::optional<FreeBox>, kCustomBoxCount> boxes{};
  friend bool operator==(const CustomLayout&, const CustomLayout&) = default;
};

}  // namespace tavolo
