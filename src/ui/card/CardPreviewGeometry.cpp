#include "ui/card/CardPreviewGeometry.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "core/qr/QrCodeDrawing.h"
#include "core/render/PictureGeometry.h"

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

namespace {

// `area` (card pixels) in the control's pixels; only what the card shows of it can be seen and
// taken hold of.
QRect OnScreen(const PixelRect& area, const CardPreviewGeometry& geometry) {
  if (area.Width() <= 0 || area.Height() <= 0) return {};
  const QRectF card(area.left, area.top, area.Width(), area.Height());
  const QRectF shown(card.topLeft() * geometry.scale, card.size() * geometry.scale);
  return shown.toRect().translated(geometry.card.topLeft()).intersected(geometry.card);
}

}  // namespace

QRect PictureOutline(const PlacedPicture& picture, const CardPreviewGeometry& geometry) {
  return OnScreen(PlacedArea(picture, 1), geometry);
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
  if (!card.qrCode) return {};
  return OnScreen(QrCodeArea(*card.qrCode, 1), geometry);
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
  return card.qrCode.has_value();
}

QPointF CentreOf(const CardState& card, CardObject object) {
  if (object != CardObject::kQrCode) {
    const PlacedPicture& picture = card.Picture(KindOf(object));
    return {picture.x, picture.y};
  }
  return card.qrCode ? QPointF(card.qrCode->x, card.qrCode->y) : QPointF();
}

void MoveObject(CardState& card, CardObject object, QPointF centre) {
  const auto x = static_cast<float>(centre.x());
  const auto y = static_cast<float>(centre.y());
  if (object != CardObject::kQrCode) {
    card.Picture(KindOf(object)).x = x;
    card.Picture(KindOf(object)).y = y;
    return;
  }
  if (!card.qrCode) return;
  card.qrCode->x = x;
  card.qrCode->y = y;
}

QPointF CardPixelsMoved(QPoint controlPixels, const CardPreviewGeometry& geometry) {
  return QPointF(controlPixels) / geometry.scale;
}

}  // namespace tavolo
