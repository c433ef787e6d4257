#include "ui/print/PrintJob.h"

#include <filesystem>
#include <memory>

#include <QPrinter>
#include <QProgressDialog>

#include "core/base/Translation.h"
#include "core/print/SheetPdf.h"
#include "core/print/SheetPrinting.h"
#include "ui/print/PrinterChoice.h"

namespace tavolo {

namespace {

// The progress of a job of more than one sheet: a dialog shown at once, so that Cancel is at
// hand from the first sheet on. One sheet shows nothing and is never cancelled.
class SheetProgressDialog {
 public:
  SheetProgressDialog(QWidget* owner, int sheets) {
    if (sheets <= 1) return;
    dialog_ = std::make_unique<QProgressDialog>(QString(), Tr("Cancel"), 0, sheets, owner);
    dialog_->setWindowTitle(QStringLiteral("Tavolo"));
    dialog_->setWindowModality(Qt::WindowModal);
    dialog_->setAutoClose(false);
    dialog_->setAutoReset(false);
    dialog_->setMinimumDuration(0);
    dialog_->show();
  }
  ~SheetProgressDialog() {
    if (dialog_) dialog_->close();
  }
  SheetProgressDialog(const SheetProgressDialog&) = delete;
  SheetProgressDialog& operator=(const SheetProgressDialog&) = delete;

  // Shows the sheet about to be printed; false once the user has cancelled.
  bool Continue(int done, int sheets) {
    if (!dialog_) return true;
    dialog_->setLabelText(Tr("Printing sheet %1 of %2...").arg(done + 1).arg(sheets));
    dialog_->setValue(done);
    return !dialog_->wasCanceled();
  }

 private:
  std::unique_ptr<QProgressDialog> dialog_;
};

}  // namespace

PrintOutcome PrintSheetJobOn(QWidget* owner, QPrinter& printer, const SheetJob& job) {
  if (!printer.isValid()) return Failure{Tr("The printer is not available.").toStdString()};
  // The printer turns each sheet over the edge the backs were mirrored for.
  if (PrintsBacks(job)) {
    printer.setDuplex(job.backs.flip == DuplexFlip::kShortEdge ? QPrinter::DuplexShortSide
                                                               : QPrinter::DuplexLongSide);
  }
  SheetProgressDialog progress(owner, job.sheets);
  PrintOutcome printed = PrintSheets(printer, job, [&](int done, int sheets) {
    if (progress.Continue(done, sheets)) return true;
    printer.abort();
    return false;
  });
  if (printed && printed.Value() == PrintCompletion::kPrinted &&
      printer.printerState() == QPrinter::Error) {
    return Failure{Tr("The printer reported an error.").toStdString()};
  }
  return printed;
}

PrintOutcome PrintSheetJobToPdf(QWidget* owner, const PrinterChoice& choice, const QString& file,
                                const SheetJob& job, bool pdfx) {
  SheetJob pdfJob = job;
  pdfJob.grey = choice.ColorMode() == QPrinter::GrayScale;
  SheetProgressDialog progress(owner, job.sheets);
  const std::filesystem::path path(file.toStdString());
  return WriteSheetsPdf(path, pdfJob,
                        {.title = QString::fromStdString(path.stem().string()), .pdfx = pdfx},
                        [&](int done, int sheets) { return progress.Continue(done, sheets); });
}

PrintOutcome PrintSheetJobOnPrinter(QWidget* owner, const PrinterChoice& choice,
                                    const SheetJob& job) {
  QPrinter printer(QPrinter::HighResolution);
  choice.ConfigureJob(printer);
  PrintOutcome printed = PrintSheetJobOn(owner, printer, job);
  if (printed) return printed;
  return Failure{Tr("The cards could not be printed on %1. %2")
                     .arg(choice.Description(), QString::fromStdString(printed.Message()))
                     .toStdString()};
}

PrintOutcome PrintCalibrationPageOn(const PrinterChoice& choice, const QString& file,
                                    const Paper& paper, const PrinterCalibration& calibration) {
  if (choice.IsPdf()) {
    return WriteCalibrationPdf(std::filesystem::path(file.toStdString()), paper, calibration);
  }
  QPrinter printer(QPrinter::HighResolution);
  choice.ConfigureJob(printer);
  if (!printer.isValid()) return Failure{"The printer is not available."};
  return PrintCalibrationPage(printer, paper, calibration);
}

}  // namespace tavolo
