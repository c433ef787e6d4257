// Where the print dialog's page preview draws the sheet and its cards. The sheet is scaled to the
// preview's width; the free height of the preview is shared above and below the cards in the
// ratio of the free height of the paper. When the sheet so scaled is taller than the preview,
// everything is scaled by the height instead, in proportion, and the sheet is centred across.
#pragma once

#include <vector>

#include <QRect>
#include <QSize>

#include "core/print/PageLayout.h"
#include "core/print/PaperCatalogue.h"
#include "core/print/SheetGrid.h"

namespace tavolo {

struct PagePreviewGeometry {
  bool drawn = false;  // false when there is nothing to place: no paper, no resolution, no room
  SheetGrid grid = GridSize{};  // when refused, its message is shown instead of the cards
  QRect sheet;         // the paper's area in the preview
  std::vector<QRect> cards;  // row by row, left to right; empty unless the grid is Ok
};

PagePreviewGeometry ComputePagePreview(const PageLayout& layout, PaperMm paper, int dpi,
                                       QSize preview);

}  // namespace tavolo
