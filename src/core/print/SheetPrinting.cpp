#include "core/print/SheetPrinting.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include "core/print/SheetGrid.h"

namespace tavolo {

SheetPrintResult PrintSheets(QPagedPaintDevice& device, const SheetRenderer& renderer,
                             const PageLayout& layout, const Paper& paper, int dpi, int sheets,
                             const SheetProgress& progress) {
  if (!renderer.IsValid()) return {false, false, "The card could not be rendered."};
  if (sheets < 1) return {false, false, "At least one sheet is needed."};
  QPageLayout page(paper.pageSize, QPageLayout::Portrait, QMarginsF());
  page.setMode(QPageLayout::FullPageMode);
  if (!device.setPageLayout(page)) {
    return {false, false, "The paper " + paper.name.toStdString() + " cannot be used."};
  }
  const SheetPlacement placement = PlaceCards(layout, paper.WholeMm(), dpi, device.logicalDpiX());
  if (!placement.grid.Ok()) return {false, false, GridMessage(placement.grid.status)};

  QPainter painter;
  if (!painter.begin(&device)) return {false, false, "The printing could not be started."};
  for (int sheet = 0; sheet < sheets; ++sheet) {
    if (progress && !progress(sheet, sheets)) {
      painter.end();
      return {false, true, "The printing was cancelled."};
    }
    if (sheet > 0 && !device.newPage()) {
      painter.end();
      return {false, false, "A new sheet could not be started."};
    }
    renderer.PaintSheet(painter, placement);
  }
  if (!painter.end()) return {false, false, "The printing could not be finished."};
  return {true, false, {}};
}

}  // namespace tavolo
