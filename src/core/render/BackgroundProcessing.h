// The card's background on its 32-bit pixel buffer (blue, green, red, fourth byte; rows top-down):
// the stretched background picture, the tint (SetHSL) and the colour gradient (ModifyBg).
#pragma once

#include <cstdint>
#include <optional>

#include <QImage>

#include "core/card/CardState.h"

namespace tavolo {

// The background drawn for a live number: −1 or below (no choice made yet) draws background 1.
int DrawnBackgroundNumber(int backgroundIndex);

// Draws the picture over the whole card, stretched to its size. A null picture leaves white.
void DrawBackgroundImage(QImage& card, const QImage& picture);

// `picture` with `pixels` more on every side, each mirrored from inside the nearest edge (the
// edge's own row or column is not repeated), so that a texture or a band runs on past the edge
// as it runs up to it. RGB32, or premultiplied ARGB32 for a picture with alpha; null when the
// larger picture cannot be had.
QImage ReflectedPast(const QImage& picture, int pixels);

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

// Where the gradient of a dx × dy card goes: a band of rows (vertical) or columns in the full
// colour, and a band beside it blended towards the colour with the weight
// RampWeight(p, rampStart, rampSolidEdge) at row or column p. Bands are clipped to the card.
struct GradientBands {
  bool vertical = true;
  int solidFrom = 0;
  int solidTo = 0;
  int rampFrom = 0;
  int rampTo = 0;
  int64_t rampStart = 0;
  int64_t rampSolidEdge = 0;
};
// None for an orientation outside 0..3.
std::optional<GradientBands> GradientBandsOf(const CardState& live, int dx, int dy);

// What the ramp's weights are divided by: from 0 at rampStart the weight reaches 255 at
// rampStart + RampSpan. When the ramp is one pixel long the plain divisor would be 0 and the
// ramp's length is used instead; 0 only for a ramp of no length, all of whose weights are 0.
int64_t RampSpan(int64_t start, int64_t solidEdge);
// The weight (0..255) of the colour at row or column p.
int RampWeight(int64_t p, int64_t start, int64_t solidEdge);

// Blends the gradient of the live state over the buffer. Returns 0; an orientation outside 0..3
// raises the checked report and leaves the buffer unchanged.
int ModifyBg(uint32_t* backgroundBuffer, int dx, int dy, const CardState& live);

}  // namespace tavolo
