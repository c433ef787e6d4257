#include "ui/card/CardPreviewGeometry.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "core/card/PictureGeometry.h"

namespace tavolo {

int CardPixels(float size) {
  constexpr float kLimit = 1 << 30;
  if (std::isnan(size)) return 0;
  return static_cast<int>(std::clamp(size, -kLimit, kLimit));
}

CardPreviewGeometry PreviewGeometryFor(const QRect& item, int cardWidth, int cardHeight) {
  const int cw = item.width();
  const int ch = item.height();
  CardPreviewGeometry g;
  // A negative card size would give a divisor below 1; the drawn size is then empty.
  g.divisor = std::max({cardWidth / std::max(cw - kPreviewMargin, 1) + 1,
                        cardHeight / std::max(ch - kPreviewMargin, 1) + 1, 1});
  g.dx = cardWidth / g.divisor;
  g.dy = cardHeight / g.divisor;
  const int left = item.left() + (cw - g.dx) / 2;
  const int top = item.top() + (ch - g.dy) / 2;
  g.card = QRect(left, top, g.dx, g.dy);
  return g;
}

QRect PictureOutline(const PlacedPicture& picture, const CardPreviewGeometry& geometry) {
  const PixelRect area = PlacedArea(picture, geometry.divisor);
  if (area.Width() <= 0 || area.Height() <= 0) return {};
  // Only what the card shows of it can be seen and taken hold of.
  return QRect(QPoint(area.left, area.top), QPoint(area.right - 1, area.bottom - 1))
      .translated(geometry.card.topLeft())
      .intersected(geometry.card);
}

std::optional<PictureKind> PictureAt(const CardState& card, const CardPreviewGeometry& geometry,
                                     QPoint point) {
  for (auto kind = std::rbegin(kPictureKinds); kind != std::rend(kPictureKinds); ++kind) {
    if (PictureOutline(card.Picture(*kind), geometry).contains(point)) return *kind;
  }
  return std::nullopt;
}

QPointF CardPixelsMoved(QPoint controlPixels, const CardPreviewGeometry& geometry) {
  return QPointF(controlPixels) * geometry.divisor;
}

}  // namespace tavolo
