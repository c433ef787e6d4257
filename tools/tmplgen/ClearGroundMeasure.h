// The clear ground of a template, measured from its artwork: per text box, the stretch along its
// lines, from where they start, that text may fill without running onto ground it cannot be
// read on (a dark strip under dark text), into the photo, logo, QR code or an added object, or
// into the room of another box beside it (two boxes side by side share the gap between their own
// texts).
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "core/card/CardState.h"
#include "core/card/PixelRect.h"
#include "core/render/CardRenderer.h"

namespace tavolo::tmplgen {

// The areas, measured on `card` as drawn by `renderer`; `card` itself holds none yet.
std::array<std::optional<PixelRect>, kTextBoxCount> MeasureClearGround(const CardState& card,
                                                                       CardRenderer& renderer);

// What an added object covers on the card at full size: all of it, or for a rectangle or an
// ellipse drawn as an outline only, four strips along the edges of its box, as wide as the stroke.
struct AddedArea {
  PixelRect rect;
  size_t object = 0;  // its index in the card's objects
  // A filled rectangle or ellipse: text standing on it has it as its ground.
  bool panel = false;
};
std::vector<AddedArea> AddedAreas(const CardState& card);

// The text's colour and the least contrast it needs against its ground: what the review and the
// measure share.
double TextLuminance(const TextBoxStyle& style);
double Luminance(QRgb colour);
double Contrast(double a, double b);
double NeededContrast(int pixelSize);

}  // namespace tavolo::tmplgen
