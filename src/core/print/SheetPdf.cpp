#include "core/print/SheetPdf.h"

#include <functional>

#include <QFile>
#include <QPdfWriter>

#include "core/base/Translation.h"
#include "core/storage/FileIo.h"

namespace tavolo {

namespace {

using PagePrinting =
    std::function<PrintOutcome(QPdfWriter& writer, std::vector<std::vector<QString>>& lines)>;

// The pages `print` paints, into a scratch file beside `path`, then finished into `path`.
PrintOutcome WritePdf(const std::filesystem::path& path, PdfFinish finish,
                      const PagePrinting& print) {
  const std::filesystem::path folder =
      path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
  Outcome<ScratchFile> scratch = OpenScratchFile(folder);
  if (!scratch) return TranslatedFailure(scratch);
  {
    QFile file;
    if (!file.open(fileno(scratch.Value().get()), QIODevice::WriteOnly,
                   QFileDevice::DontCloseHandle)) {
      return Failure{TrMessage("The PDF could not be made: %1", file.errorString())};
    }
    QPdfWriter writer(&file);
    writer.setCreator(QStringLiteral("Tavolo"));
    writer.setTitle(finish.title);
    writer.setResolution(kSheetPdfResolution);
    const PrintOutcome printed = print(writer, finish.pageLines);
    if (!printed || printed.Value() == PrintCompletion::kCancelled) return printed;
    if (!file.flush() || file.error() != QFileDevice::NoError) {
      return Failure{TrMessage("The PDF could not be made: %1", file.errorString())};
    }
  }
  const Outcome<> written = WriteFileReplacing(
      path, [&](int out) { return FinishPdf(scratch.Value().get(), out, finish); });
  if (!written) return TranslatedFailure(written);
  return PrintCompletion::kPrinted;
}

PdfPageBoxes PaperBoxes(const Paper& paper) {
  return SheetPageBoxes(paper.pageSize.size(QPageSize::Millimeter));
}

}  // namespace

PrintOutcome WriteSheetsPdf(const std::filesystem::path& path, const SheetJob& job,
                            const PdfOptions& options, const SheetProgress& progress) {
  PdfFinish finish{
      options.title, options.boxes.value_or(PaperBoxes(job.paper)), options.pdfx, options.cmyk, {}};
  SheetJob painted = job;
  painted.flatten = options.cmyk.has_value();
  return WritePdf(path, std::move(finish),
                  [&](QPdfWriter& writer, std::vector<std::vector<QString>>& lines) {
                    return PrintSheets(writer, painted, progress, &lines);
                  });
}

PrintOutcome WriteCalibrationPdf(const std::filesystem::path& path, const Paper& paper,
                                 const PrinterCalibration& calibration) {
  return WritePdf(path, PdfFinish{{}, PaperBoxes(paper), false, std::nullopt, {}},
                  [&](QPdfWriter& writer, std::vector<std::vector<QString>>&) {
                    return PrintCalibrationPage(writer, paper, calibration);
                  });
}

}  // namespace tavolo
