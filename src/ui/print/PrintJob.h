// The print job of the print dialog: the sheets on the current printer, or into a PDF file when
// that is the PDF printer, with a progress dialog that can cancel when there is more than one
// sheet. Placement and painting are the engine's (PrintSheets); this adds the printer, the file
// and the progress.
#pragma once

#include <QString>

#include "core/print/PageLayout.h"
#include "core/print/PaperCatalogue.h"
#include "core/print/SheetRenderer.h"

class QPrinter;
class QWidget;

namespace tavolo {

class PrinterChoice;

// What to print: `sheets` sheets of `paper`, each with every card of the layout's grid.
struct SheetJob {
  const SheetRenderer& renderer;
  PageLayout layout;
  Paper paper;
  int dpi = 0;
  int sheets = 1;
};

enum class PrintJobStatus { kPrinted, kCancelled, kFailed };

struct PrintJobResult {
  PrintJobStatus status = PrintJobStatus::kFailed;
  QString message;  // why it failed, for a message box; empty otherwise
};

// Prints on `printer` as it is set up. More than one sheet shows a progress dialog over
// `owner`; its Cancel aborts the printer's job after the sheet in progress.
PrintJobResult PrintSheetJob(QWidget* owner, QPrinter& printer, const SheetJob& job);

// The PDF printer: the sheets into `file`, written whole through a temporary file in the same
// folder, so a failed or cancelled job leaves a file of that name as it was.
PrintJobResult PrintSheetJobToPdf(QWidget* owner, const PrinterChoice& choice, const QString& file,
                                  const SheetJob& job);

// A printer of the current choice: the sheets on it.
PrintJobResult PrintSheetJobOnPrinter(QWidget* owner, const PrinterChoice& choice,
                                      const SheetJob& job);

}  // namespace tavolo
