#include "core/render/CompositionScale.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace tavolo {

float CompositionScale(int dpi) {
  return dpi > 0 ? static_cast<float>(dpi) / static_cast<float>(kCompositionDpi) : 1.0f;
}

int ComposedLength(int lengthAt300, int dpi) {
  if (dpi <= 0) return lengthAt300;
  const int64_t scaled = int64_t{lengthAt300} * dpi / kCompositionDpi;
  return static_cast<int>(std::clamp<int64_t>(scaled, std::numeric_limits<int>::min(),
                                              std::numeric_limits<int>::max()));
}

}  // namespace tavolo
