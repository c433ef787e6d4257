#include "ui/controls/SliderPosition.h"

#include <QtCore/qnamespace.h>
#include <algorithm>

#include "core/base/CheckedCall.h"

namespace tavolo {

namespace {

constexpr float kArrowStep = 0.05f;
constexpr float kPageStep = 0.2f;

}  // namespace

float CheckedSliderPosition(float position, float low) {
  const float pos = position - low;
  TAVOLO_CHECK_AS("_pos>=0&&pos<=1", pos >= 0 && pos <= 1);
  if (!(pos >= 0)) return low;
  return std::min(position, low + 1);
}

std::optional<float> SliderPositionForKey(int key, float position, float low) {
  float moved = position;
  switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Down:
      moved -= kArrowStep;
      break;
    case Qt::Key_Right:
    case Qt::Key_Up:
      moved += kArrowStep;
      break;
    case Qt::Key_PageDown:
      moved -= kPageStep;
      break;
    case Qt::Key_PageUp:
      moved += kPageStep;
      break;
    case Qt::Key_Home:
      moved = low;
      break;
    case Qt::Key_End:
      moved = low + 1;
      break;
    default:
      return std::nullopt;
  }
  return std::clamp(moved, low, low + 1);
}

}  // namespace tavolo
