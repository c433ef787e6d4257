#include "core/print/PaperChange.h"

#include <cmath>

#include <QSizeF>

namespace tavolo {

namespace {

constexpr double kMmPerInch = 25.4;

}  // namespace

double CentringMarginMm(double paperMm, int wholeMm, double cardMm) {
  if (!(cardMm > 0) || !std::isfinite(cardMm) || !std::isfinite(paperMm)) return 0.0;
  return (paperMm - std::trunc(wholeMm / cardMm) * cardMm) / 2;
}

ShownLengths ApplyPaperChange(PageLayout& layout, const Paper& paper, int dpi) {
  layout.paper = paper.id;
  layout.unit = static_cast<int32_t>(LengthUnit::kInches);
  layout.horizontalPitch = layout.cardWidth;
  layout.verticalPitch = layout.cardHeight;
  const QSizeF exact = paper.pageSize.size(QPageSize::Millimeter);
  const PaperMm whole = paper.WholeMm();
  const auto toPixels = [dpi](double mm) { return static_cast<float>(mm / kMmPerInch * dpi); };
  layout.leftMargin = toPixels(
      CentringMarginMm(exact.width(), whole.width, PrintPixelsToMm(layout.cardWidth, dpi)));
  layout.topMargin = toPixels(
      CentringMarginMm(exact.height(), whole.height, PrintPixelsToMm(layout.cardHeight, dpi)));
  return ShowLengths(layout, dpi, LengthUnit::kInches);
}

}  // namespace tavolo
