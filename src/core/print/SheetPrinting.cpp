#include "core/print/SheetPrinting.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include "core/print/SheetGrid.h"
#include "core/print/SheetRenderer.h"

namespace tavolo {

Outcome<> CheckSheetJob(const SheetJob& job) {
  if (!HasCards(job)) return Failure{"The card could not be rendered."};
  if (job.sheets < 1) return Failure{"At least one sheet is needed."};
  const SheetGrid grid = ComputeGrid(job.layout, job.paper.WholeMm(), job.dpi);
  if (!grid.Ok()) return Failure{GridMessage(grid.status)};
  return {};
}

PrintOutcome PrintSheets(QPagedPaintDevice& device, const SheetJob& job,
                         const SheetProgress& progress) {
  if (const Outcome<> possible = CheckSheetJob(job); !possible) {
    return Failure{possible.Message()};
  }
  QPageLayout page(job.paper.pageSize, QPageLayout::Portrait, QMarginsF());
  page.setMode(QPageLayout::FullPageMode);
  if (!device.setPageLayout(page)) {
    return Failure{"The paper " + job.paper.name.toStdString() + " cannot be used."};
  }
  const SheetPlacement placement =
      PlaceCards(job.layout, job.paper.WholeMm(), job.dpi, device.logicalDpiX());
  if (!placement.grid.Ok()) return Failure{GridMessage(placement.grid.status)};

  QPainter painter;
  if (!painter.begin(&device)) return Failure{"The printing could not be started."};
  for (int sheet = 0; sheet < job.sheets; ++sheet) {
    if (progress && !progress(sheet, job.sheets)) {
      painter.end();
      return PrintCompletion::kCancelled;
    }
    if (sheet > 0 && !device.newPage()) {
      painter.end();
      return Failure{"A new sheet could not be started."};
    }
    PaintSheet(painter, job, sheet, placement);
  }
  if (!painter.end()) return Failure{"The printing could not be finished."};
  return PrintCompletion::kPrinted;
}

}  // namespace tavolo
