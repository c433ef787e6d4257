// What the text and background options offer and accept: the range of stored font sizes, the
// gradient orientations, and the brightness a colour swatch brings with it.
#pragma once

#include <QString>
#include <QStringList>

#include "core/base/ColourModel.h"

namespace tavolo {

// The stored font sizes a user may choose (FontPoints shows and takes them in points).
inline constexpr int kMinTypedFontSize = 6;
inline constexpr int kMaxTypedFontSize = 250;
inline constexpr int kMaxFrameSize = 15;

// "Regular", "Bold", "Italic", "Bold Italic", in this order.
QStringList FontStyleChoices();
// "Top to Bottom", "Left to Right", "Bottom to Top", "Right to Left": index = stored value.
QStringList GradientOrientationChoices();

// The brightness that comes with a swatch: 0 for black (lightness 0), 1 for white (lightness
// 240), 0.5 for every other colour.
float SwatchBrightness(const HslColour& swatch);

}  // namespace tavolo
