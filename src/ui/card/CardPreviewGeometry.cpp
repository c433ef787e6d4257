#include "ui/card/CardPreviewGeometry.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "core/card/PictureGeometry.h"
#include "core/card/QrCodeChunk.h"
#include "core/card/QrCodeDrawing.h"

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

namespace {

// The order the card draws them in, the later on top.
constexpr CardObject kObjects[] = {CardObject::kPhoto, CardObject::kLogo, CardObject::kQrCode};

PictureKind KindOf(CardObject object) {
  return object == CardObject::kPhoto ? PictureKind::kPhoto : PictureKind::kLogo;
}

}  // namespace

QRect ObjectOutline(const CardState& card, CardObject object, const CardPreviewGeometry& geometry) {
  if (object != CardObject::kQrCode) return PictureOutline(card.Picture(KindOf(object)), geometry);
  const std::optional<PlacedQrCode> code = QrCodeOf(card);
  if (!code) return {};
  const PixelRect area = QrCodeArea(*code, geometry.divisor);
  if (area.Width() <= 0) return {};
  return QRect(QPoint(area.left, area.top), QPoint(area.right - 1, area.bottom - 1))
      .translated(geometry.card.topLeft())
      .intersected(geometry.card);
}

std::optional<CardObject> ObjectAt(const CardState& card, const CardPreviewGeometry& geometry,
                                   QPoint point) {
  for (auto object = std::rbegin(kObjects); object != std::rend(kObjects); ++object) {
    if (ObjectOutline(card, *object, geometry).contains(point)) return *object;
  }
  return std::nullopt;
}

bool HasObject(const CardState& card, CardObject object) {
  if (object != CardObject::kQrCode) return !card.Picture(KindOf(object)).name.isEmpty();
  return QrCodeOf(card).has_value();
}

QPointF CentreOf(const CardState& card, CardObject object) {
  if (object != CardObject::kQrCode) {
    const PlacedPicture& picture = card.Picture(KindOf(object));
    return {picture.x, picture.y};
  }
  const std::optional<PlacedQrCode> code = QrCodeOf(card);
  return code ? QPointF(code->x, code->y) : QPointF();
}

void MoveObject(CardState& card, CardObject object, QPointF centre) {
  const auto x = static_cast<float>(centre.x());
  const auto y = static_cast<float>(centre.y());
  if (object != CardObject::kQrCode) {
    card.Picture(KindOf(object)).x = x;
    card.Picture(KindOf(object)).y = y;
    return;
  }
  std::optional<PlacedQrCode> code = QrCodeOf(card);
  if (!code) return;
  code->x = x;
  code->y = y;
  SetQrCode(card, *code);
}

QPointF CardPixelsMoved(QPoint controlPixels, const CardPreviewGeometry& geometry) {
  return QPointF(controlPixels) * geometry.divisor;
}

}  // namespace tavolo
