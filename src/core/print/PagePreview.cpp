#include "core/print/PagePreview.h"

#include <algorithm>
#include <cmath>

#include "core/print/LengthDisplay.h"

namespace tavolo {

namespace {

// Truncation toward zero, held where a rectangle's arithmetic cannot overflow.
int TruncPixels(double v) {
  constexpr double kLimit = 1 << 28;
  return static_cast<int>(std::clamp(std::trunc(v), -kLimit, kLimit));
}

}  // namespace

PagePreviewGeometry ComputePagePreview(const PageLayout& layout, PaperMm paper, int dpi,
                                       QSize preview) {
  PagePreviewGeometry geometry;
  if (dpi <= 0 || paper.width <= 0 || paper.height <= 0 || preview.isEmpty()) return geometry;
  geometry.drawn = true;
  geometry.grid = ComputeGrid(layout, paper, dpi);

  const double previewWidth = preview.width();
  const double previewHeight = preview.height();
  double s = previewWidth / paper.width;  // preview pixels per millimetre
  double sheetLeft = 0;
  if (paper.height * s > previewHeight) {
    s = previewHeight / paper.height;
    sheetLeft = (previewWidth - paper.width * s) / 2;
  }
  geometry.sheet = QRect(TruncPixels(sheetLeft), 0, TruncPixels(paper.width * s), preview.height());
  if (!geometry.grid) return geometry;

  const auto mm = [dpi](float printPixels) { return PrintPixelsToMm(printPixels, dpi); };
  const double cardWidth = mm(layout.cardWidth);
  const double cardHeight = mm(layout.cardHeight);
  const double w = cardWidth * s;
  const double h = w * layout.cardHeight / layout.cardWidth;
  const double g = (mm(layout.horizontalPitch) - cardWidth) * s;
  const double v = (mm(layout.verticalPitch) - cardHeight) * s;
  const double x0 = sheetLeft + mm(layout.leftMargin) * s;

  const int rows = geometry.grid.Value().rows;
  const int columns = geometry.grid.Value().columns;
  const double gridHeight = rows * h + (rows - 1) * v;
  const double gridHeightMm =
      rows * cardHeight + (rows - 1) * (mm(layout.verticalPitch) - cardHeight);
  const double freePaper = paper.height - gridHeightMm;
  const double topMargin = mm(layout.topMargin);
  // A grid that fills the paper's height leaves no free height to share.
  const double y0 =
      freePaper > 0 ? (previewHeight - gridHeight) * topMargin / freePaper : topMargin * s;

  geometry.cards.reserve(static_cast<size_t>(rows) * static_cast<size_t>(columns));
  for (int j = 0; j < rows; ++j) {
    for (int c = 0; c < columns; ++c) {
      geometry.cards.emplace_back(TruncPixels(x0 + c * (w + g)), TruncPixels(y0 + j * (h + v)),
                                  TruncPixels(w), TruncPixels(h));
    }
  }
  return geometry;
}

}  // namespace tavolo
