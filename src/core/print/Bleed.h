// The bleed of a printed card: what is printed past its cut, so that a cut a little off the line
// leaves no white sliver. A painted card paints its bleed from its own content (CardPaintOptions);
// a picture without a painting is mirrored past its edges.
#pragma once

#include <QImage>

#include "core/print/SheetJob.h"

namespace tavolo {

// The bleed in whole pixels of a card at `dpi`, rounded up so that it covers the whole bleed.
int BleedPixels(double bleedMm, int dpi);

// The cards' pictures with `pixels` more on every side: painted with their bleed by `painting`
// when it is given, else mirrored past their edges (ReflectedPast). A picture shared by cells in
// a row is grown once (a PDF still embeds it once).
CardSource WithBleed(CardSource cards, CardPainting painting, int pixels);

}  // namespace tavolo
