// The end that print and pdf share: one card in every cell of a job's sheets, into a PDF.
#pragma once

#include <string>

#include "CliSupport.h"
#include "core/card/BackgroundTable.h"
#include "core/card/CardState.h"
#include "core/print/SheetJob.h"
#include "core/print/SheetPdf.h"

namespace tavolo::cli {

// Warns of the card's pictures that cannot be loaded (with --strict that stops it), then writes
// `card` at its own size into every cell of `job` (paper, layout, dpi, sheets and the print-shop
// options set) as the PDF given by --output, finished as `pdf` says: text as text, each picture
// stored once. When the job's backs have a flip, the card's back follows each sheet on a page of
// its own. The document is titled after the project.
Step<> WriteCardSheetsPdf(const char* command, const Arguments& arguments,
                          const BackgroundTable& table, const CardState& card, SheetJob job,
                          PdfOptions pdf);

}  // namespace tavolo::cli
