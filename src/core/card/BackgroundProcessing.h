// The card's background on its 32-bit pixel buffer (blue, green, red, fourth byte; rows top-down):
// the stretched background picture, the tint (SetHSL) and the colour gradient (ModifyBg).
#pragma once

#include <cstdint>

#include <QImage>

#include "core/card/CardState.h"

namespace tavolo {

// The background drawn for a live number: −1 or below (no choice made yet) draws background 1.
int DrawnBackgroundNumber(int backgroundIndex);

// Draws the picture over the whole card, stretched to its size. A null picture leaves white.
void DrawBackgroundImage(QImage& card, const QImage& picture);

// Tints every pixel by the three shifts (each −0.5..0.5 from the sliders). All three exactly 0
// leaves the buffer untouched. False only for an unusable buffer.
bool SetHSL(uint32_t* backgroundBuffer, int dx, int dy, float hue, float sat, float l);

// The gradient colour as a pixel value (red in bits 16..23, blue in 0..7).
uint32_t GradientColour(const CardState& live);
// One colour byte at a time: (c × t + p × (255 − t)) / 255; the fourth byte becomes 0.
uint32_t BlendTowards(uint32_t pixel, uint32_t colour, int t);

// Blends the gradient of the live state over the buffer. Returns 0; an orientation outside 0..3
// raises the checked report and leaves the buffer unchanged.
int ModifyBg(uint32_t* backgroundBuffer, int dx, int dy, const CardState& live);

}  // namespace tavolo
