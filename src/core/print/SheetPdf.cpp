#include "core/print/SheetPdf.h"

#include <span>

#include <QBuffer>
#include <QPdfWriter>

#include "core/storage/FileIo.h"

namespace tavolo {

PrintOutcome WriteSheetsPdf(const std::filesystem::path& path, const SheetJob& job,
                            const QString& title, const SheetProgress& progress) {
  QByteArray pdf;
  {
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setCreator(QStringLiteral("Tavolo"));
    writer.setTitle(title);
    writer.setResolution(kSheetPdfResolution);
    const PrintOutcome printed = PrintSheets(writer, job, progress);
    if (!printed || printed.Value() == PrintCompletion::kCancelled) return printed;
  }
  const Outcome<> written =
      WriteFileReplacing(path, std::span(reinterpret_cast<const uint8_t*>(pdf.constData()),
                                         static_cast<size_t>(pdf.size())));
  if (!written) return Failure{written.Message()};
  return PrintCompletion::kPrinted;
}

}  // namespace tavolo
