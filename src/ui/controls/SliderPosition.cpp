#include "ui/controls/SliderPosition.h"

#include <algorithm>

#include "core/base/CheckedCall.h"

namespace tavolo {

float CheckedSliderPosition(float position, float low) {
  const float pos = position - low;
  TAVOLO_CHECK_AS("_pos>=0&&pos<=1", pos >= 0 && pos <= 1);
  if (!(pos >= 0)) return low;
  return std::min(position, low + 1);
}

}  // namespace tavolo
