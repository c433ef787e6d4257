// The bleed of a printed card: the card's picture grown past its cut by repeating its edge
// pixels outward, so that a background, a fill or a picture that touches the edge runs on past
// the cut and a cut a little off the line leaves no white sliver.
#pragma once

#include <QImage>

#include "core/print/SheetJob.h"

namespace tavolo {

// The bleed in whole pixels of a card at `dpi`, rounded up so that it covers the whole bleed.
int BleedPixels(double bleedMm, int dpi);

// `card` with `pixels` more on every side, each taken from the nearest edge pixel.
QImage WithBleed(const QImage& card, int pixels);

// The cards of `cards` with their bleed, a picture shared by cells in a row grown once (a PDF
// still embeds it once).
CardSource WithBleed(CardSource cards, int pixels);

}  // namespace tavolo
