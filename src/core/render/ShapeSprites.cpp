#include "core/render/ShapeSprites.h"

#include <cmath>

#include <QPaintEngine>
#include <QPainter>

namespace tavolo {

namespace {

// All sprites together hold at most this many pixels (64 MB); a shape past it is drawn as a path.
constexpr int64_t kMaxKeptPixels = int64_t{16} << 20;

bool SameShape(const PlacedObject& a, const PlacedObject& b) {
  return a.kind == b.kind && a.width == b.width && a.height == b.height &&
         a.quarterTurns == b.quarterTurns && a.source == b.source;
}

}  // namespace

void ShapeSprites::Draw(QPainter& painter, size_t index, const PlacedObject& object,
                        const QRectF& reach, const std::function<void(QPainter&)>& draw) {
  const bool raster = painter.paintEngine() != nullptr &&
                      painter.paintEngine()->type() == QPaintEngine::Raster;
  const QTransform transform = painter.transform();
  const QRectF pixels = transform.mapRect(reach);
  const QPointF origin(std::floor(pixels.left()), std::floor(pixels.top()));
  const QSize size(static_cast<int>(std::ceil(pixels.right()) - origin.x()),
                   static_cast<int>(std::ceil(pixels.bottom()) - origin.y()));
  const int64_t area = int64_t{size.width()} * size.height();
  if (!raster || size.isEmpty() || area > kMaxKeptPixels) {
    draw(painter);
    return;
  }
  if (sprites_.size() <= index) sprites_.resize(index + 1);
  std::optional<Sprite>& kept = sprites_[index];
  const QTransform linear(transform.m11(), transform.m12(), transform.m21(), transform.m22(), 0, 0);
  const QPointF fraction = pixels.topLeft() - origin;
  if (!kept || !SameShape(kept->shape, object) || kept->linear != linear ||
      kept->fraction != fraction || kept->image.size() != size) {
    if (kept) keptPixels_ -= int64_t{kept->image.width()} * kept->image.height();
    kept.reset();
    if (keptPixels_ + area > kMaxKeptPixels) {
      draw(painter);
      return;
    }
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
      draw(painter);
      return;
    }
    image.fill(Qt::transparent);
    QPainter sprite(&image);
    sprite.setRenderHints(painter.renderHints());
    sprite.setTransform(transform * QTransform::fromTranslate(-origin.x(), -origin.y()));
    draw(sprite);
    sprite.end();
    kept = Sprite{object, linear, fraction, std::move(image)};
    keptPixels_ += area;
  }
  painter.save();
  painter.resetTransform();
  painter.drawImage(origin, kept->image);
  painter.restore();
}

void ShapeSprites::Clear() {
  sprites_.clear();
  keptPixels_ = 0;
}

}  // namespace tavolo
