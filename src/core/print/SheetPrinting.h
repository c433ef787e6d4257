// Sheets of cards onto any paged device: a printer (QPrinter) or a PDF (QPdfWriter). Each sheet
// is one page of the paper's size in full-page mode, so cards are measured from the paper's
// edge, and carries every card of the layout's grid at the device's own resolution.
#pragma once

#include <functional>
#include <vector>

#include <QString>

#include "core/print/SheetJob.h"

class QPagedPaintDevice;

namespace tavolo {

// Told before each sheet is painted, with the sheets done so far; false stops the printing. A
// printer job is cancelled by calling QPrinter::abort() before answering false.
using SheetProgress = std::function<bool(int done, int sheets)>;

// What keeps the job from printing, found before any printer or file is touched: no card, no
// sheet, a layout that places no card on the paper (the grid's message), or no room for the bleed.
Outcome<> CheckSheetJob(const SheetJob& job);

// Whether the layout's cards leave room for the job's bleed: their bleeds must not overlap.
Outcome<> CheckBleedRoom(const SheetJob& job);

// Sets the device's page to the job's paper (portrait, full page, no margins) and paints the
// job's sheets, each followed by its page of backs when the job is two-sided. Nothing is painted
// when the layout places no card on the paper (the message is the grid's), the job has no card or
// no sheet, or the device refuses the paper or the painter.
// With `pageLines`, each page's lines of painted text are added to it, a list per page.
PrintOutcome PrintSheets(QPagedPaintDevice& device, const SheetJob& job,
                         const SheetProgress& progress = {},
                         std::vector<std::vector<QString>>* pageLines = nullptr);

// One page of `paper` with the calibration page (PaintCalibrationPage) drawn through
// `calibration`.
PrintOutcome PrintCalibrationPage(QPagedPaintDevice& device, const Paper& paper,
                                  const PrinterCalibration& calibration);

}  // namespace tavolo
