// The print dialog's paper change: the pitches become the card size and the margins centre the
// whole columns and rows on the new paper, everything shown in inches.
#pragma once

#include <cstdint>

#include "core/print/LengthDisplay.h"
#include "core/print/PageLayout.h"
#include "core/print/PaperCatalogue.h"

namespace tavolo {

// Half of what is left beside the whole cards that fit along `paperMm`, in inches truncated to
// 0.01: trunc((paper − trunc(paper / card) × card) × 1.968504) × 0.01, 1.968504 being
// 100 / (2 × 25.4). A card without length gives 0.
float CentringMargin(int paperMm, double cardMm);

// Sets the layout's paper, its pitches to the card size, its margins to the centring margins
// (shown in inches and converted back, so Letter stores 207 and 108 pixels for the default
// card) and its unit to inches. Returns the six lengths as the dialog then shows them.
ShownLengths ApplyPaperChange(PageLayout& layout, int32_t paperId, PaperMm paper, int dpi);

}  // namespace tavolo
