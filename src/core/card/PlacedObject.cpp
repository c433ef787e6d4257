#include "core/card/PlacedObject.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tavolo {

namespace {

constexpr std::array<const char*, kObjectKindCount> kKindNames = {
    "text box", "photo", "logo", "QR code", "line", "rectangle", "ellipse"};

// Share of the card's width a new object takes, and of that the height of a new line's box.
constexpr float kNewWidthShare = 0.25f;
constexpr float kNewHeightShare = 0.5f;

int Turns(const PlacedObject& object) {
  return ((object.quarterTurns % 4) + 4) % 4;
}

float HalfStroke(const PlacedObject& object) {
  const auto* shape = std::get_if<ShapeSource>(&object.source);
  if (shape == nullptr || !(shape->strokeWidth > 0.0f)) return 0.0f;
  return std::min(shape->strokeWidth, kMaxStrokeWidth) / 2;
}

double SegmentDistance(QPointF p, QPointF a, QPointF b) {
  const QPointF ab = b - a;
  const double length = QPointF::dotProduct(ab, ab);
  const double t = length > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / length, 0.0, 1.0) : 0.0;
  const QPointF nearest = a + ab * t;
  return std::hypot(p.x() - nearest.x(), p.y() - nearest.y());
}

}  // namespace

const char* KindName(ObjectKind kind) {
  return IsKnownKind(kind) ? kKindNames[static_cast<size_t>(kind)] : "unknown";
}

QRectF ObjectBox(const PlacedObject& object) {
  return {object.left, object.top, object.width, object.height};
}

QRectF Footprint(const PlacedObject& object) {
  const QRectF box = ObjectBox(object);
  QRectF turned = box;
  if (Turns(object) % 2 == 1) {
    turned = QRectF(0, 0, box.height(), box.width());
    turned.moveCenter(box.center());
  }
  const float grow = HalfStroke(object);
  return turned.adjusted(-grow, -grow, grow, grow);
}

bool Covers(const PlacedObject& object, QPointF point, float tolerance) {
  // A kind this version does not know is drawn as nothing: there is nothing to take hold of.
  if (!IsKnownKind(object.kind) || std::holds_alternative<KeptSource>(object.source)) return false;
  const QRectF box = ObjectBox(object);
  // The point in the box's own frame: turned back as often as the box is turned.
  const QPointF centre = box.center();
  QPointF p = point - centre;
  for (int i = 0; i < Turns(object); ++i) p = QPointF(p.y(), -p.x());
  p += centre;
  const double grow = HalfStroke(object) + std::max(tolerance, 0.0f);
  switch (object.kind) {
    case ObjectKind::kLine:
      return SegmentDistance(p, box.topLeft(), box.bottomRight()) <= grow;
    case ObjectKind::kEllipse: {
      const double rx = box.width() / 2 + grow;
      const double ry = box.height() / 2 + grow;
      if (rx <= 0 || ry <= 0) return false;
      const double dx = (p.x() - centre.x()) / rx;
      const double dy = (p.y() - centre.y()) / ry;
      return dx * dx + dy * dy <= 1.0;
    }
    default:
      return box.adjusted(-grow, -grow, grow, grow).contains(p);
  }
}

PlacedObject NewObject(ObjectKind kind, float cardWidth, float cardHeight, int32_t z) {
  PlacedObject object;
  object.kind = kind;
  object.z = z;
  object.width = cardWidth * kNewWidthShare;
  object.height = kind == ObjectKind::kLine ? 0.0f : object.width * kNewHeightShare;
  object.left = (cardWidth - object.width) / 2;
  object.top = (cardHeight - object.height) / 2;
  if (kind == ObjectKind::kTextBox) {
    object.source = TextSource{};
  } else {
    ShapeSource shape;
    if (kind != ObjectKind::kLine) shape.fill = qRgb(255, 255, 255);
    object.source = shape;
  }
  return object;
}

}  // namespace tavolo
