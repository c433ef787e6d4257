#include "ui/card/CardPreviewGeometry.h"

#include <algorithm>
#include <cmath>

namespace tavolo {

int CardPixels(float size) {
  constexpr float kLimit = 1 << 30;
  if (std::isnan(size)) return 0;
  return static_cast<int>(std::clamp(size, -kLimit, kLimit));
}

CardPreviewGeometry PreviewGeometryFor(const QRect& item, int cardWidth, int cardHeight,
                                       int zoomPercent, qreal devicePixelRatio) {
  const int cw = item.width();
  const int ch = item.height();
  CardPreviewGeometry g;
  // A card of no size (or a damaged negative one) is drawn empty at any scale.
  const int width = std::max(cardWidth, 0);
  const int height = std::max(cardHeight, 0);
  if (zoomPercent == kZoomToFit) {
    g.scale = std::min(static_cast<double>(std::max(cw - kPreviewMargin, 1)) / std::max(width, 1),
                       static_cast<double>(std::max(ch - kPreviewMargin, 1)) / std::max(height, 1));
  } else {
    g.scale = zoomPercent / 100.0;
  }
  const double deviceScale = g.scale * std::max(devicePixelRatio, 1.0);
  g.divisor = std::max(static_cast<int>(1 / deviceScale), 1);
  g.dx = width / g.divisor;
  g.dy = height / g.divisor;
  // Truncated as the divisor's sizes are, so that at a scale of 1 / divisor no resampling is
  // needed; the small allowance keeps a fitted side whole despite rounding in the scale.
  constexpr double kAllowance = 1e-9;
  const int shownWidth = static_cast<int>(width * g.scale + kAllowance);
  const int shownHeight = static_cast<int>(height * g.scale + kAllowance);
  const int left = item.left() + (cw - shownWidth) / 2;
  const int top = item.top() + (ch - shownHeight) / 2;
  g.card = QRect(left, top, shownWidth, shownHeight);
  return g;
}

std::optional<int> NextZoom(double scale, bool in) {
  // A zoom within half a per cent of the scale counts as the scale itself.
  const double percent = scale * 100;
  std::optional<int> next;
  for (const int step : kZoomSteps) {
    if (in && step > percent + 0.5) return step;
    if (!in && step < percent - 0.5) next = step;
  }
  return next;
}

QRectF OnScreen(const CardRect& box, const CardPreviewGeometry& geometry) {
  return {geometry.card.left() + box.left * geometry.scale,
          geometry.card.top() + box.top * geometry.scale, box.width * geometry.scale,
          box.height * geometry.scale};
}

CardPoint CardPointAt(QPointF point, const CardPreviewGeometry& geometry) {
  const QPointF card = (point - QPointF(geometry.card.topLeft())) / geometry.scale;
  return {static_cast<float>(card.x()), static_cast<float>(card.y())};
}

float CardLength(double controlPixels, const CardPreviewGeometry& geometry) {
  return static_cast<float>(controlPixels / geometry.scale);
}

}  // namespace tavolo
