// The print dialog's print job on the current printer, or into a PDF file when that is the PDF
// printer, with a progress dialog that can cancel when there is more than one sheet. What is
// printed, and how a PDF is written safely and finished, is the engine's (SheetJob, PrintSheets,
// WriteSheetsPdf); this adds the printer, the file and the progress.
#pragma once

#include <QString>

#include "core/print/SheetJob.h"

class QPrinter;
class QWidget;

namespace tavolo {

class PrinterChoice;

// The PDF printer: the sheets into `file` (WriteSheetsPdf: made whole before the file is
// replaced, so a failed or cancelled job leaves a file of that name as it was), as PDF/X-4 when
// `pdfx` says so. The cards are painted as shapes and text when the job paints them, or as their
// print images in grey when Print Setup chose grey.
PrintOutcome PrintSheetJobToPdf(QWidget* owner, const PrinterChoice& choice, const QString& file,
                                const SheetJob& job, bool pdfx = false);

// A printer of the current choice: the sheets on it (PrintSheetJobOn); a failure names the
// printer.
PrintOutcome PrintSheetJobOnPrinter(QWidget* owner, const PrinterChoice& choice,
                                    const SheetJob& job);

// The sheets on `printer`, set up for the job: the same pages a PDF of the job has, text as text
// in embedded fonts and each picture once, turned over the backs' edge for a two-sided job.
// Cancelling aborts the printer's job after the sheet in progress.
PrintOutcome PrintSheetJobOn(QWidget* owner, QPrinter& printer, const SheetJob& job);

// The calibration page on `paper`, drawn through `calibration`: on the current printer, or into
// `file` for the PDF printer.
PrintOutcome PrintCalibrationPageOn(const PrinterChoice& choice, const QString& file,
                                    const Paper& paper, const PrinterCalibration& calibration);

}  // namespace tavolo
