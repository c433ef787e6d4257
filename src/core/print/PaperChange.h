// The print dialog's paper change: the pitches become the card size and the margins centre the
// whole columns and rows on the new paper exactly, everything shown in inches.
#pragma once

#include "core/print/LengthDisplay.h"
#include "core/print/PageLayout.h"
#include "core/print/PaperCatalogue.h"

namespace tavolo {

// Half of what is left beside the whole cards along a paper `paperMm` long: (paperMm − n × card)
// / 2, where n = trunc(wholeMm / card) is the count the grid makes of the paper's whole
// millimetres. A card without length gives 0.
double CentringMarginMm(double paperMm, int wholeMm, double cardMm);

// Sets the layout's paper, its pitches to the card size, its margins to the centring margins of
// the paper's exact size (in print pixels, not rounded, so that the cards sit in the middle to a
// fraction of a pixel) and its unit to inches. Returns the six lengths as the dialog then shows
// them (inches, truncated to two decimals).
ShownLengths ApplyPaperChange(PageLayout& layout, const Paper& paper, int dpi);

}  // namespace tavolo
