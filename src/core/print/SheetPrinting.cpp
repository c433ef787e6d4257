#include "core/print/SheetPrinting.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include "core/base/Translation.h"
#include "core/print/SheetGrid.h"
#include "core/print/SheetRenderer.h"

namespace tavolo {

namespace {

constexpr double kMmPerInch = 25.4;

// The lines of a new page, when they are kept.
std::vector<QString>* NextPage(std::vector<std::vector<QString>>* pageLines) {
  if (pageLines == nullptr) return nullptr;
  return &pageLines->emplace_back();
}

}  // namespace

Outcome<> CheckSheetJob(const SheetJob& job) {
  if (!HasCards(job)) return Failure{TrMessage("The card could not be rendered.")};
  if (job.sheets < 1) return Failure{TrMessage("At least one sheet is needed.")};
  const SheetGrid grid = ComputeGrid(job.layout, job.paper.WholeMm(), job.dpi);
  if (!grid) return Failure{grid.Message()};
  return CheckBleedRoom(job);
}

Outcome<> CheckBleedRoom(const SheetJob& job) {
  if (job.shop.bleedMm <= 0) return {};
  const SheetPlacement placement = PlaceCards(job.layout, job.paper.WholeMm(), job.dpi, job.dpi);
  const SheetPaint paint = PrepareSheets(job, placement.cards, job.dpi);
  if (!BleedsOverlap(paint.places, CountedOf(placement.grid))) return {};
  return Failure{
      TrMessage("No room for a bleed of %1 mm between the cards: their bleeds would overlap.",
                QStringLiteral("%1").arg(job.shop.bleedMm))};
}

PrintOutcome PrintSheets(QPagedPaintDevice& device, const SheetJob& job,
                         const SheetProgress& progress,
                         std::vector<std::vector<QString>>* pageLines) {
  if (const Outcome<> possible = CheckSheetJob(job); !possible) {
    return Failure{possible.Message()};
  }
  QPageLayout page(job.paper.pageSize, QPageLayout::Portrait, QMarginsF());
  page.setMode(QPageLayout::FullPageMode);
  if (!device.setPageLayout(page)) {
    return Failure{TrMessage("The paper %1 cannot be used.", job.paper.name)};
  }
  const double deviceDpi = device.logicalDpiX();
  const SheetPlacement placement = PlaceCards(job.layout, job.paper.WholeMm(), job.dpi, deviceDpi);
  if (!placement.grid) return Failure{placement.grid.Message()};
  const SheetPaint paint = PrepareSheets(job, placement.cards, deviceDpi);
  const bool twoSided = PrintsBacks(job);
  const QSizeF pageSize = job.paper.pageSize.size(QPageSize::Millimeter) / kMmPerInch * deviceDpi;
  const SheetPaint backs =
      twoSided ? PrepareBacks(job, placement.cards, pageSize, deviceDpi) : SheetPaint{};

  QPainter painter;
  if (!painter.begin(&device)) return Failure{TrMessage("The printing could not be started.")};
  for (int sheet = 0; sheet < job.sheets; ++sheet) {
    if (progress && !progress(sheet, job.sheets)) {
      painter.end();
      return PrintCompletion::kCancelled;
    }
    if (sheet > 0 && !device.newPage()) {
      painter.end();
      return Failure{TrMessage("A new sheet could not be started.")};
    }
    PaintSheet(painter, paint, sheet, NextPage(pageLines));
    if (!twoSided) continue;
    if (!device.newPage()) {
      painter.end();
      return Failure{TrMessage("A new sheet could not be started.")};
    }
    PaintSheet(painter, backs, sheet, NextPage(pageLines));
  }
  if (!painter.end()) return Failure{TrMessage("The printing could not be finished.")};
  return PrintCompletion::kPrinted;
}

PrintOutcome PrintCalibrationPage(QPagedPaintDevice& device, const Paper& paper,
                                  const PrinterCalibration& calibration) {
  QPageLayout page(paper.pageSize, QPageLayout::Portrait, QMarginsF());
  page.setMode(QPageLayout::FullPageMode);
  if (!device.setPageLayout(page)) {
    return Failure{TrMessage("The paper %1 cannot be used.", paper.name)};
  }
  QPainter painter;
  if (!painter.begin(&device)) return Failure{TrMessage("The printing could not be started.")};
  PaintCalibrationPage(painter, paper.pageSize.size(QPageSize::Millimeter), device.logicalDpiX(),
                       calibration);
  if (!painter.end()) return Failure{TrMessage("The printing could not be finished.")};
  return PrintCompletion::kPrinted;
}

}  // namespace tavolo
