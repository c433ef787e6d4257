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

// What the three tint sliders' strips show: at each knob position, the colour the tint makes there
// of a typical pixel. The hue strip's positions are hues (its knob stands at the background's own
// hue plus the shift), of a fully saturated pixel; the saturation strip's pixel has the hue `hue`
// (0..239) and the other two strips' pixel the middle of the saturation and lightness scales.
// The tint takes the first byte as red, so these are not the plain colour wheel's colours.
enum class TintStrip { kHue, kSaturation, kLightness };
// As a pixel value (red in bits 16..23, blue in 0..7); `position` −0.5..0.5.
uint32_t TintStripColour(TintStrip strip, float position, float hue);

// A copy of a background picture as the card shows it, at the copy's own size: the card's tint,
// then its gradient (the background chooser's ticked cell). RGB32 whatever the picture's format.
QImage TintedLikeCard(const QImage& picture, const CardState& live);

// The gradient colour as a pixel value (red in bits 16..23, blue in 0..7).
uint32_t GradientColour(const CardState& live);
// One colour byte at a time: (c × t + p × (255 − t)) / 255; the fourth byte becomes 0.
uint32_t BlendTowards(uint32_t pixel, uint32_t colour, int t);

// Blends the gradient of the live state over the buffer. Returns 0; an orientation outside 0..3
// raises the checked report and leaves the buffer unchanged.
int ModifyBg(uint32_t* backgroundBuffer, int dx, int dy, const CardState& live);

}  // namespace tavolo
