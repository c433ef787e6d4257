// The checked position setter shared by the sliders.
#pragma once

namespace tavolo {

// Checks that `position` lies in low..low+1 (the label is the one every slider reports) and
// answers the value to keep: after "Retry" an outside value is pulled to the nearest end, so
// that the next paint does not fail again.
float CheckedSliderPosition(float position, float low);

}  // namespace tavolo
