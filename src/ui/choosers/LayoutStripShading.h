// The blue wash over the layout chooser: full strength on the bottom row, fading out towards
// the top.
#pragma once

#include <QImage>

namespace tavolo {

// Blends every row of a Format_RGB32 picture towards RGB(31, 143, 255) at the bottom; with
// d = H − y and a = d × 255 / H for the row y counted from the bottom, integer arithmetic
// throughout. Pictures of other formats are left alone.
void ShadeLayoutStrip(QImage& picture);

}  // namespace tavolo
