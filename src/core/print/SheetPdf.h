// Sheets of cards as a PDF file: one page of the paper's size per sheet, the cards placed as the
// print job places them, a picture shared by many cells embedded once.
#pragma once

#include <filesystem>

#include <QString>

#include "core/print/SheetJob.h"
#include "core/print/SheetPrinting.h"

namespace tavolo {

// Device units of the PDF page per inch: fine enough that placing a card costs no precision.
inline constexpr int kSheetPdfResolution = 1200;

// Paints the job's sheets (PrintSheets) into a PDF made in memory, then replaces `path` with it
// through the safe writer. Nothing is written when the printing fails or is cancelled, and a
// failed write (a full disk, a missing folder, no permission) says why and leaves a file of that
// name as it was. `title` is the document's title in the PDF; empty for none.
PrintOutcome WriteSheetsPdf(const std::filesystem::path& path, const SheetJob& job,
                            const QString& title, const SheetProgress& progress = {});

// The calibration page (PrintCalibrationPage) as a PDF, written as safely.
PrintOutcome WriteCalibrationPdf(const std::filesystem::path& path, const Paper& paper,
                                 const PrinterCalibration& calibration);

}  // namespace tavolo
