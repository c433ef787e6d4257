// Truncation toward zero of card-state values, as the pixel arithmetic takes them.
#pragma once

#include <algorithm>
#include <cmath>

namespace tavolo {

// Values a card state may carry but no buffer can hold (NaN, huge) are kept in a range where the
// later integer arithmetic cannot overflow.
inline int Trunc(float v) {
  constexpr float kLimit = 1 << 30;
  if (std::isnan(v)) return 0;
  return static_cast<int>(std::clamp(v, -kLimit, kLimit));
}

}  // namespace tavolo
