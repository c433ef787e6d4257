#include "ui/controls/PicturePreviewGeometry.h"

#include <algorithm>
#include <cmath>

#include "core/card/CardSize.h"
#include "core/card/Truncate.h"

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

bool Upright(const LogoPlacement& logo) {
  return Trunc(logo.angle) % 180 == 0;
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

PixelRect PreviewPhotoRect(const PhotoPlacement& photo, int trimmedWidth, int trimmedHeight,
                           PreviewScale scale) {
  const float f = 1.0f - photo.reduction;
  const float a = photo.trimLeft * photo.width / 2;
  const float b = photo.trimTop * photo.height / 2;
  const float c = photo.trimRight * photo.width / 2;
  const float d = photo.trimBottom * photo.height / 2;
  const float cx = ((a - c) * f * kTrimShift + photo.x) * scale.sx;
  const float cy = ((b - d) * f * kTrimShift + photo.y) * scale.sy;
  return RoundedRect(cx, cy, static_cast<float>(trimmedWidth) * f * scale.sx,
                     static_cast<float>(trimmedHeight) * f * scale.sy);
}

PixelRect PreviewLogoRect(const LogoPlacement& logo, PreviewScale scale) {
  const float f = 1.0f - logo.reduction;
  const bool upright = Upright(logo);
  const float across = upright ? logo.width : logo.height;
  const float down = upright ? logo.height : logo.width;
  return RoundedRect(logo.x * scale.sx, logo.y * scale.sy, across * f * scale.sx,
                     down * f * scale.sy);
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

bool GrabsPhoto(QPoint point, const PhotoPlacement& photo, PreviewScale scale) {
  return GrabsObject(point, photo.x, photo.y, photo.width, photo.height, photo.reduction, scale);
}

bool GrabsLogo(QPoint point, const LogoPlacement& logo, PreviewScale scale) {
  const bool upright = Upright(logo);
  return GrabsObject(point, logo.x, logo.y, upright ? logo.width : logo.height,
                     upright ? logo.height : logo.width, logo.reduction, scale);
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
