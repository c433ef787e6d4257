#include "ui/controls/PicturePreviewGeometry.h"

#include <algorithm>
#include <cmath>

#include "core/card/Truncate.h"
#include "core/editing/CardSize.h"
#include "core/render/PictureGeometry.h"

namespace tavolo {

namespace {

constexpr float kHalf = 0.5f;
constexpr int kDraftWidth = 531;
constexpr int kMinDraftSide = 120;
constexpr int kMaxDraftHeight = 420;
constexpr int kMaxDraftWidth = 700;
// The share of a trimmed side by which the rest of the photo moves towards it.
constexpr float kTrimShift = 0.475f;

// Left (top) edge rounded from the centre, right (bottom) edge from the left one.
PixelRect RoundedRect(float cx, float cy, float width, float height) {
  const int left = Trunc(cx - width / 2 + kHalf);
  const int top = Trunc(cy - height / 2 + kHalf);
  return {left, top, Trunc(static_cast<float>(left) + width + kHalf),
          Trunc(static_cast<float>(top) + height + kHalf)};
}

}  // namespace

PreviewScale PreviewScaleFor(QSize control, QSizeF card) {
  if (!(card.width() > 0) || !(card.height() > 0)) return {};
  return {static_cast<float>(control.width() / card.width()),
          static_cast<float>(control.height() / card.height())};
}

QSize DraftPreviewSize(float cardWidth, float cardHeight) {
  if (!UsableCardSide(cardWidth) || !UsableCardSide(cardHeight)) {
    cardWidth = kDefaultCardWidth;
    cardHeight = kDefaultCardHeight;
  }
  const double aspect = static_cast<double>(cardHeight) / cardWidth;
  long height = std::lround(kDraftWidth * aspect);
  long width = kDraftWidth;
  if (height > kMaxDraftHeight) {
    height = kMaxDraftHeight;
    width = std::lround(kMaxDraftHeight / aspect);
  }
  return {static_cast<int>(std::clamp<long>(width, kMinDraftSide, kMaxDraftWidth)),
          static_cast<int>(std::clamp<long>(height, kMinDraftSide, kMaxDraftHeight))};
}

DraftPicture DraftPictureFor(float cardWidth, float cardHeight) {
  if (!UsableCardSide(cardWidth) || !UsableCardSide(cardHeight)) {
    return {1, static_cast<int>(kDefaultCardWidth), static_cast<int>(kDefaultCardHeight)};
  }
  const int divisor = PrintSizeDivisor(cardWidth, cardHeight);
  return {divisor, static_cast<int>(cardWidth) / divisor, static_cast<int>(cardHeight) / divisor};
}

PixelRect PreviewPictureRect(const PlacedPicture& picture, int trimmedWidth, int trimmedHeight,
                             PreviewScale scale) {
  const PlacedPicture& p = picture;
  const float f = 1.0f - p.reduction;
  const bool upright = IsUpright(p);
  const auto across = static_cast<float>(upright ? trimmedWidth : trimmedHeight);
  const auto down = static_cast<float>(upright ? trimmedHeight : trimmedWidth);
  float x = p.x;
  float y = p.y;
  // Only trims move the centre; a kind without them is not touched, whatever its other values.
  if (RulesOf(p.kind).trimmed) {
    x = (p.trimLeft * p.width / 2 - p.trimRight * p.width / 2) * f * kTrimShift + x;
    y = (p.trimTop * p.height / 2 - p.trimBottom * p.height / 2) * f * kTrimShift + y;
  }
  return RoundedRect(x * scale.sx, y * scale.sy, across * f * scale.sx, down * f * scale.sy);
}

bool GrabsObject(QPoint point, float x, float y, float width, float height, float reduction,
                 PreviewScale scale) {
  const float f = 1.0f - reduction;
  const float left = x * scale.sx - width / 2 * scale.sx * f;
  const float top = y * scale.sy - height / 2 * scale.sy * f;
  const float right = (width / 2 * f + x) * scale.sx;
  const float bottom = (height / 2 * f + y) * scale.sy;
  const auto px = static_cast<float>(point.x());
  const auto py = static_cast<float>(point.y());
  return px >= left && px < right && py >= top && py < bottom;
}

bool GrabsPicture(QPoint point, const PlacedPicture& picture, PreviewScale scale) {
  const bool upright = IsUpright(picture);
  return GrabsObject(point, picture.x, picture.y, upright ? picture.width : picture.height,
                     upright ? picture.height : picture.width, picture.reduction, scale);
}

QPointF GrabOffset(QPoint point, float x, float y, PreviewScale scale) {
  return {point.x() - static_cast<double>(x * scale.sx),
          point.y() - static_cast<double>(y * scale.sy)};
}

QPointF DraggedCentre(QPoint point, QPointF grabOffset, PreviewScale scale) {
  if (!scale.Usable()) return {};
  return {(point.x() - grabOffset.x()) / scale.sx, (point.y() - grabOffset.y()) / scale.sy};
}

}  // namespace tavolo
