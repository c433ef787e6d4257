// What the text and background options offer and accept: the font sizes listed, the sizes that
// may be typed, the gradient orientations, and the brightness a colour swatch brings with it.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "core/base/ColourModel.h"

namespace tavolo {

inline constexpr int kMinTypedFontSize = 6;
inline constexpr int kMaxTypedFontSize = 250;
inline constexpr int kMaxFrameSize = 15;

// "8", "12", … "80": the sizes the size list offers, in steps of 4.
QStringList FontSizeChoices();
// "Regular", "Bold", "Italic", "Bold Italic", in this order.
QStringList FontStyleChoices();
// "Top to Bottom", "Left to Right", "Bottom to Top", "Right to Left": index = stored value.
QStringList GradientOrientationChoices();

// A size typed into the size box: the text read as a signed integer; a number from 6 to 250
// gives the size to keep, in plain decimal ("07" gives "7"); anything else changes nothing.
std::optional<QString> TypedFontSize(const QString& text);

// The brightness that comes with a swatch: 0 for black (lightness 0), 1 for white (lightness
// 240), 0.5 for every other colour.
float SwatchBrightness(const HslColour& swatch);

}  // namespace tavolo
