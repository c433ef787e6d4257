#include "ui/print/PrintJob.h"

#include <cerrno>
#include <filesystem>
#include <memory>
#include <system_error>

#include <QFileInfo>
#include <QPrinter>
#include <QProgressDialog>
#include <QTemporaryFile>

#include "core/print/SheetPrinting.h"
#include "core/storage/FileIo.h"
#include "ui/print/PrinterChoice.h"

namespace tavolo {

namespace {

std::unique_ptr<QProgressDialog> SheetProgressDialog(QWidget* owner, int sheets) {
  auto progress =
      std::make_unique<QProgressDialog>(QString(), QStringLiteral("Cancel"), 0, sheets, owner);
  progress->setWindowTitle(QStringLiteral("Tavolo"));
  progress->setWindowModality(Qt::WindowModal);
  progress->setAutoClose(false);
  progress->setAutoReset(false);
  // Shown at once, so that Cancel is at hand from the first sheet on.
  progress->setMinimumDuration(0);
  progress->show();
  return progress;
}

QString FileMessage(int error, const QString& file) {
  return QString::fromStdString(FileErrorMessage(error, std::filesystem::path(file.toStdString())));
}

// A new PDF gets the usual permissions rather than the temporary file's owner-only ones; one
// that is replaced keeps its own.
void GivePdfPermissions(QTemporaryFile& part, const QString& file) {
  const QFileInfo existing(file);
  part.setPermissions(existing.exists() ? existing.permissions()
                                        : QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ReadGroup | QFileDevice::ReadOther);
}

}  // namespace

PrintJobResult PrintSheetJob(QWidget* owner, QPrinter& printer, const SheetJob& job) {
  std::unique_ptr<QProgressDialog> progress;
  if (job.sheets > 1) progress = SheetProgressDialog(owner, job.sheets);
  const SheetProgress report = [&](int done, int sheets) {
    if (!progress) return true;
    progress->setLabelText(QStringLiteral("Printing sheet %1 of %2...").arg(done + 1).arg(sheets));
    progress->setValue(done);
    if (!progress->wasCanceled()) return true;
    printer.abort();
    return false;
  };
  const SheetPrintResult printed =
      PrintSheets(printer, job.renderer, job.layout, job.paper, job.dpi, job.sheets, report);
  if (progress) progress->close();
  if (printed.cancelled) return {PrintJobStatus::kCancelled, {}};
  if (!printed.ok) return {PrintJobStatus::kFailed, QString::fromStdString(printed.message)};
  if (printer.printerState() == QPrinter::Error) {
    return {PrintJobStatus::kFailed, QStringLiteral("The printer reported an error.")};
  }
  return {PrintJobStatus::kPrinted, {}};
}

PrintJobResult PrintSheetJobToPdf(QWidget* owner, const PrinterChoice& choice, const QString& file,
                                  const SheetJob& job) {
  QTemporaryFile part(QFileInfo(file).absolutePath() + QStringLiteral("/.tavolo-XXXXXX.pdf"));
  errno = 0;
  if (!part.open()) return {PrintJobStatus::kFailed, FileMessage(errno ? errno : EACCES, file)};
  GivePdfPermissions(part, file);
  part.close();

  QPrinter printer(QPrinter::HighResolution);
  choice.ConfigureJob(printer, part.fileName());
  PrintJobResult result = PrintSheetJob(owner, printer, job);
  if (result.status != PrintJobStatus::kPrinted) return result;

  std::error_code error;
  std::filesystem::rename(part.fileName().toStdString(), file.toStdString(), error);
  if (error) return {PrintJobStatus::kFailed, FileMessage(error.value(), file)};
  part.setAutoRemove(false);
  return result;
}

PrintJobResult PrintSheetJobOnPrinter(QWidget* owner, const PrinterChoice& choice,
                                      const SheetJob& job) {
  QPrinter printer(QPrinter::HighResolution);
  choice.ConfigureJob(printer, {});
  PrintJobResult result = printer.isValid()
                              ? PrintSheetJob(owner, printer, job)
                              : PrintJobResult{PrintJobStatus::kFailed,
                                               QStringLiteral("The printer is not available.")};
  if (result.status == PrintJobStatus::kFailed) {
    result.message = QStringLiteral("The cards could not be printed on %1. %2")
                         .arg(choice.Description(), result.message);
  }
  return result;
}

}  // namespace tavolo
