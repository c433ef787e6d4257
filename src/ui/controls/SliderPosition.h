// The position rules the sliders share: the checked setter and the keyboard steps.
#pragma once

#include <optional>

namespace tavolo {

// Checks that `position` lies in low..low+1 (the label is the one every slider reports) and
// answers the value to keep: after "Retry" an outside value is pulled to the nearest end, so
// that the next paint does not fail again.
float CheckedSliderPosition(float position, float low);

// Where a key moves a slider whose positions run from `low` to low + 1: Left and Down step back
// by a twentieth of the range, Right and Up forward, Page Down and Page Up by a fifth, Home and
// End go to the ends; the result stays in the range. Nothing for any other key.
std::optional<float> SliderPositionForKey(int key, float position, float low);

}  // namespace tavolo
