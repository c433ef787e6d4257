// The card's composition is written for 300 dpi: the margin around the text, the frames' width
// and the fixed part of a font's size are lengths at that resolution. A card at another
// resolution scales them by dpi / 300, so the same card looks the same at any resolution and a
// 1200-dpi card keeps the margins of a 300-dpi one in millimetres, not in pixels.
#pragma once

namespace tavolo {

inline constexpr int kCompositionDpi = 300;

// dpi / 300 in single precision: exactly 1 at 300 dpi, so a 300-dpi card draws as it always has.
// A resolution that cannot be drawn at (0 or below, from a damaged file) counts as 300.
float CompositionScale(int dpi);

// A length of the 300-dpi composition at `dpi`, truncated to whole pixels.
int ComposedLength(int lengthAt300, int dpi);

}  // namespace tavolo
