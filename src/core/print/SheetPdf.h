// Sheets of cards as a PDF file: one page of the paper's size per sheet, the print image placed
// as the print job places it, embedded once for all cards and pages.
#pragma once

#include <filesystem>
#include <string>

#include <QString>

#include "core/print/PageLayout.h"
#include "core/print/PaperCatalogue.h"
#include "core/print/SheetRenderer.h"

namespace tavolo {

// Device units of the PDF page per inch: fine enough that placing a card costs no precision.
inline constexpr int kSheetPdfResolution = 1200;

struct SheetPdfResult {
  bool ok = false;
  std::string message;  // why nothing was written; empty when ok
};

// Writes `sheets` pages (PrintSheets) through a temporary file renamed over `path`. Nothing is
// written when the layout places no card on the paper (the message is the grid's) or the print
// image is missing.
SheetPdfResult WriteSheetsPdf(const std::filesystem::path& path, const SheetRenderer& renderer,
                              const PageLayout& layout, const Paper& paper, int dpi, int sheets,
                              const QString& title);

}  // namespace tavolo
