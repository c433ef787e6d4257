// Paints sheets of cards: each card's picture, as the job's card source gives it, drawn at its
// cell's rectangle. The page preview, the printer and the PDF all paint through these functions,
// so what the preview shows is what the printer gets. Pictures are drawn as the source gives
// them, so a PDF embeds a picture shared by many cells once.
#pragma once

#include <QSize>

#include "core/print/PagePreview.h"
#include "core/print/SheetGrid.h"
#include "core/print/SheetJob.h"

class QPainter;

namespace tavolo {

// Sheet `sheet` of the job: each card painted (the job's paintedCards) or its picture scaled into
// its rectangle of the placement (PlaceCards at the device's resolution), in the painter's device
// units; empty cells stay blank.
void PaintSheet(QPainter& painter, const SheetJob& job, int sheet, const SheetPlacement& placement);

// The whole page preview of `size` pixels, showing the first sheet: a white sheet framed in
// black (grey beside it when the sheet is narrower than the preview), then, when the job has
// cards, the grid's message centred on one line on white (wrapped when the preview is narrower
// than the line), or the cards.
void PaintPagePreview(QPainter& painter, QSize size, const SheetJob& job,
                      const PagePreviewGeometry& preview);

}  // namespace tavolo
