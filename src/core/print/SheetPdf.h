// Sheets of cards as a PDF file: one page of the paper's size per sheet, the cards placed as the
// print job places them, a picture shared by many cells embedded once, and the page finished
// for a print shop (PdfFinishing): exact page boxes, text that reads back as typed, and on
// request PDF/X-4 in RGB or in a print shop's CMYK.
#pragma once

#include <filesystem>
#include <optional>

#include <QString>

#include "core/print/CmykProfile.h"
#include "core/print/PdfFinishing.h"
#include "core/print/SheetJob.h"
#include "core/print/SheetPrinting.h"

namespace tavolo {

// Device units of the PDF page per inch: fine enough that placing a card costs no precision.
inline constexpr int kSheetPdfResolution = 1200;

struct PdfOptions {
  QString title;  // the document's title; empty for none (PDF/X: "Tavolo")
  bool pdfx = false;
  // The ink every colour and picture is turned into; the cards are then painted flattened, and
  // the file is PDF/X-4 with the profile as its output intent.
  std::optional<CmykProfile> cmyk{};
  // Every page's boxes; without them, each page is a sheet of the job's paper.
  std::optional<PdfPageBoxes> boxes{};
};

// Paints the job's sheets (PrintSheets) into a PDF on disk beside `path` (a file without a name,
// so nothing is left behind), finishes it, and replaces `path` with it through the safe writer,
// so that a merge of many thousand cards never has to fit in memory. Nothing is written when the
// printing fails or is cancelled, and a failed write (a full disk, a missing folder, no
// permission) says why and leaves a file of that name as it was.
PrintOutcome WriteSheetsPdf(const std::filesystem::path& path, const SheetJob& job,
                            const PdfOptions& options, const SheetProgress& progress = {});

// The calibration page (PrintCalibrationPage) as a PDF, written as safely.
PrintOutcome WriteCalibrationPdf(const std::filesystem::path& path, const Paper& paper,
                                 const PrinterCalibration& calibration);

}  // namespace tavolo
