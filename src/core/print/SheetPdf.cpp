#include "core/print/SheetPdf.h"

#include <span>

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include "core/io/FileIo.h"
#include "core/print/SheetGrid.h"

namespace tavolo {

SheetPdfResult WriteSheetsPdf(const std::filesystem::path& path, const SheetRenderer& renderer,
                              const PageLayout& layout, const Paper& paper, int dpi, int sheets,
                              const QString& title) {
  if (!renderer.IsValid()) return {false, "The card could not be rendered."};
  if (sheets < 1) return {false, "At least one sheet is needed."};
  const SheetPlacement placement = PlaceCards(layout, paper.WholeMm(), dpi, kSheetPdfResolution);
  if (!placement.grid.Ok()) return {false, GridMessage(placement.grid.status)};

  QByteArray pdf;
  {
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setCreator(QStringLiteral("Tavolo"));
    writer.setTitle(title);
    writer.setResolution(kSheetPdfResolution);
    // Cards are measured from the paper's edge, so the page has no margins.
    QPageLayout page(paper.pageSize, QPageLayout::Portrait, QMarginsF());
    page.setMode(QPageLayout::FullPageMode);
    if (!writer.setPageLayout(page)) return {false, "The paper size cannot be used for a PDF."};
    QPainter painter;
    if (!painter.begin(&writer)) return {false, "The PDF could not be started."};
    for (int sheet = 0; sheet < sheets; ++sheet) {
      if (sheet > 0) writer.newPage();
      renderer.PaintSheet(painter, placement);
    }
    if (!painter.end()) return {false, "The PDF could not be finished."};
  }
  const FileWriteResult written =
      WriteFileReplacing(path, std::span(reinterpret_cast<const uint8_t*>(pdf.constData()),
                                         static_cast<size_t>(pdf.size())));
  return {written.ok, written.message};
}

}  // namespace tavolo
