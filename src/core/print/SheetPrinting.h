// Sheets of cards onto any paged device: a printer (QPrinter) or a PDF (QPdfWriter). Each sheet
// is one page of the paper's size in full-page mode, so cards are measured from the paper's
// edge, and carries every card of the layout's grid at the device's own resolution.
#pragma once

#include <functional>
#include <string>

#include "core/print/PageLayout.h"
#include "core/print/PaperCatalogue.h"
#include "core/print/SheetRenderer.h"

class QPagedPaintDevice;

namespace tavolo {

// Told before each sheet is painted, with the sheets done so far; false stops the printing. A
// printer job is cancelled by calling QPrinter::abort() before answering false.
using SheetProgress = std::function<bool(int done, int sheets)>;

struct SheetPrintResult {
  bool ok = false;
  bool cancelled = false;  // stopped by the progress callback
  std::string message;     // why nothing or not everything was printed; empty when ok
};

// Sets the device's page to the paper (portrait, full page, no margins) and paints `sheets`
// sheets. Nothing is painted when the layout places no card on the paper (the message is the
// grid's), the print image is missing or the device refuses the paper or the painter.
SheetPrintResult PrintSheets(QPagedPaintDevice& device, const SheetRenderer& renderer,
                             const PageLayout& layout, const Paper& paper, int dpi, int sheets,
                             const SheetProgress& progress = {});

}  // namespace tavolo
