#include "core/print/SheetPdf.h"

#include <span>

#include <QBuffer>
#include <QPdfWriter>

#include "core/print/SheetPrinting.h"
#include "core/storage/FileIo.h"

namespace tavolo {

SheetPdfResult WriteSheetsPdf(const std::filesystem::path& path, const SheetRenderer& renderer,
                              const PageLayout& layout, const Paper& paper, int dpi, int sheets,
                              const QString& title) {
  QByteArray pdf;
  {
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setCreator(QStringLiteral("Tavolo"));
    writer.setTitle(title);
    writer.setResolution(kSheetPdfResolution);
    const SheetPrintResult printed = PrintSheets(writer, renderer, layout, paper, dpi, sheets);
    if (!printed.ok) return {false, printed.message};
  }
  const FileWriteResult written =
      WriteFileReplacing(path, std::span(reinterpret_cast<const uint8_t*>(pdf.constData()),
                                         static_cast<size_t>(pdf.size())));
  return {written.ok, written.message};
}

}  // namespace tavolo
