#include "core/print/SheetPdf.h"

#include <functional>
#include <span>

#include <QBuffer>
#include <QPdfWriter>

#include "core/base/Translation.h"
#include "core/storage/FileIo.h"

namespace tavolo {

namespace {

// The pages `print` paints, made whole in memory, then written through the safe writer.
PrintOutcome WritePdf(const std::filesystem::path& path, const QString& title,
                      const std::function<PrintOutcome(QPdfWriter&)>& print) {
  QByteArray pdf;
  {
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setCreator(QStringLiteral("Tavolo"));
    writer.setTitle(title);
    writer.setResolution(kSheetPdfResolution);
    const PrintOutcome printed = print(writer);
    if (!printed || printed.Value() == PrintCompletion::kCancelled) return printed;
  }
  const Outcome<> written =
      WriteFileReplacing(path, std::span(reinterpret_cast<const uint8_t*>(pdf.constData()),
                                         static_cast<size_t>(pdf.size())));
  if (!written) return TranslatedFailure(written);
  return PrintCompletion::kPrinted;
}

}  // namespace

PrintOutcome WriteSheetsPdf(const std::filesystem::path& path, const SheetJob& job,
                            const QString& title, const SheetProgress& progress) {
  return WritePdf(path, title,
                  [&](QPdfWriter& writer) { return PrintSheets(writer, job, progress); });
}

PrintOutcome WriteCalibrationPdf(const std::filesystem::path& path, const Paper& paper,
                                 const PrinterCalibration& calibration) {
  return WritePdf(path, QString(), [&](QPdfWriter& writer) {
    return PrintCalibrationPage(writer, paper, calibration);
  });
}

}  // namespace tavolo
