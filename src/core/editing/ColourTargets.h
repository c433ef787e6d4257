// What the colour options dialog sets: the text colour of every used box, their frame colour, or
// the background colour; the colour it starts from for each; and how it shows a colour in, and
// reads it back from, its red, green and blue boxes.
#pragma once

#include <array>
#include <optional>

#include <QString>

#include "core/base/ColourModel.h"
#include "core/card/CardState.h"

namespace tavolo {

enum class ColourTarget : int { kText = 0, kFrame = 1, kBackground = 2 };

// The name the dialog gives the target: "Text Colors", "Frame Colors" or "Background Color".
QString ColourTargetName(ColourTarget target);

// The colour the card shows now, so that opening the dialog changes nothing: the first box's text
// colour at the lightness brightness × 240, its frame fill, or the background's hue and saturation
// at the lightness bgBrightness × 240; each part held within the pickers' ranges.
HslColour StartingColour(ColourTarget target, const CardState& card);

// Writes `colour` into the card: the text colour and brightness (l / 240) of each of the first
// `usedBoxes` boxes, their frame fill colour, or the background colour and brightness. The other
// boxes keep their styles.
void ApplyColour(CardState& card, ColourTarget target, HslColour colour, int usedBoxes);

// The red, green and blue numbers of a colour: each channel × 255, truncated.
using RgbNumbers = std::array<int, 3>;
RgbNumbers ShownRgb(HslColour colour);

inline constexpr int kMaxChannel = 255;

// One red, green or blue box as the dialog reads it: digits as an unsigned number, anything
// else as 0, and anything above 255 as 255 (the box is then set to "255").
struct ChannelReading {
  int value = 0;
  bool clamped = false;
};
ChannelReading ReadChannel(const QString& text);

// The colour the three numbers stand for.
HslColour ColourOfNumbers(const RgbNumbers& numbers);

}  // namespace tavolo
