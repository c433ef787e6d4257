#include "core/editing/ObjectEditing.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <ranges>

#include "core/editing/PhotoFit.h"
#include "core/qr/QrCodeDrawing.h"
#include "core/render/PictureGeometry.h"

namespace tavolo {

namespace {

PictureKind PictureOf(ObjectKind kind) {
  return kind == ObjectKind::kPhoto ? PictureKind::kPhoto : PictureKind::kLogo;
}

bool IsPicture(ObjectKind kind) {
  return kind == ObjectKind::kPhoto || kind == ObjectKind::kLogo;
}

CardRect RectOf(const PixelRect& area) {
  return {static_cast<float>(area.left), static_cast<float>(area.top),
          static_cast<float>(area.Width()), static_cast<float>(area.Height())};
}

// The reduction that draws the picture `scale` times as large as now, within the scales the
// Photo and Logo Options offer.
float ScaledReduction(float reduction, float scale) {
  const float lowest = ReductionForPercent(kScaleStepRange.high);
  const float highest = ReductionForPercent(kScaleStepRange.low);
  const float scaled = 1.0f - (1.0f - reduction) * scale;
  return std::isfinite(scaled) ? std::clamp(scaled, lowest, highest) : reduction;
}

void SetPictureBounds(PlacedPicture& picture, const CardRect& bounds) {
  const CardRect now = RectOf(PlacedArea(picture, 1));
  // A move keeps the size exactly, whatever rounding the area's pixels had.
  if (bounds.width != now.width || bounds.height != now.height) {
    const float scale = now.width > 0    ? bounds.width / now.width
                        : now.height > 0 ? bounds.height / now.height
                                         : 1.0f;
    picture.reduction = ScaledReduction(picture.reduction, scale);
  }
  // The trims keep what is left where it was, so the area's centre need not be the picture's:
  // the area is put where the bounds are.
  const CardRect scaled = RectOf(PlacedArea(picture, 1));
  picture.x += bounds.CentreX() - scaled.CentreX();
  picture.y += bounds.CentreY() - scaled.CentreY();
}

void SetQrBounds(PlacedQrCode& code, const CardRect& bounds) {
  const CardRect now = RectOf(QrCodeArea(code, 1));
  if (bounds.width != now.width || bounds.height != now.height) {
    code.side = std::clamp(std::min(bounds.width, bounds.height), kMinQrSide, kMaxQrSide);
    code.x = bounds.CentreX();
    code.y = bounds.CentreY();
    return;
  }
  code.x += bounds.left - now.left;
  code.y += bounds.top - now.top;
}

void SetAddedBounds(PlacedObject& object, const CardRect& bounds) {
  const bool onSide = ((object.quarterTurns % 4) + 4) % 4 % 2 == 1;
  const float width = onSide ? bounds.height : bounds.width;
  const float height = onSide ? bounds.width : bounds.height;
  object.left = bounds.CentreX() - width / 2;
  object.top = bounds.CentreY() - height / 2;
  object.width = width;
  object.height = height;
}

bool HasAdded(const CardState& face, ObjectRef ref) {
  return ref.added >= 0 && static_cast<size_t>(ref.added) < face.objects.size() &&
         face.objects[static_cast<size_t>(ref.added)].kind == ref.kind;
}

}  // namespace

ObjectRef RefOf(const FaceObject& item) {
  return {item.object.kind, item.added};
}

std::optional<FaceObject> FindObject(const CardState& face, ObjectRef ref) {
  for (FaceObject& item : FaceObjects(face)) {
    if (RefOf(item) == ref) return std::move(item);
  }
  return std::nullopt;
}

CardRect BoundsOf(const PlacedObject& object) {
  QRectF box = ObjectBox(object);
  if (((object.quarterTurns % 4) + 4) % 4 % 2 == 1) {
    const QPointF centre = box.center();
    box = QRectF(0, 0, box.height(), box.width());
    box.moveCenter(centre);
  }
  return {static_cast<float>(box.left()), static_cast<float>(box.top()),
          static_cast<float>(box.width()), static_cast<float>(box.height())};
}

bool KeepsAspect(ObjectKind kind) {
  return IsPicture(kind) || kind == ObjectKind::kQrCode;
}

bool SetBounds(CardState& face, ObjectRef ref, const CardRect& bounds) {
  if (ref.added >= 0) {
    if (!HasAdded(face, ref)) return false;
    SetAddedBounds(face.objects[static_cast<size_t>(ref.added)], bounds);
    return true;
  }
  if (IsPicture(ref.kind)) {
    PlacedPicture& picture = face.Picture(PictureOf(ref.kind));
    if (picture.name.isEmpty()) return false;
    SetPictureBounds(picture, bounds);
    return true;
  }
  if (ref.kind != ObjectKind::kQrCode || !face.qrCode) return false;
  SetQrBounds(*face.qrCode, bounds);
  return true;
}

bool RemoveObject(CardState& face, ObjectRef ref) {
  if (ref.added >= 0) {
    if (!HasAdded(face, ref)) return false;
    face.objects.erase(face.objects.begin() + ref.added);
    return true;
  }
  if (IsPicture(ref.kind)) {
    PlacedPicture& picture = face.Picture(PictureOf(ref.kind));
    if (picture.name.isEmpty()) return false;
    RemovePicture(picture);
    return true;
  }
  if (ref.kind != ObjectKind::kQrCode || !face.qrCode) return false;
  face.qrCode.reset();
  return true;
}

int32_t TopZ(const CardState& face) {
  int32_t top = kQrCodeZ;
  for (const PlacedObject& object : face.objects) top = std::max(top, object.z);
  // A damaged file's largest z leaves no room above: the new object shares it, drawn last.
  return top == std::numeric_limits<int32_t>::max() ? top : top + 1;
}

ObjectRef InsertObject(CardState& face, PlacedObject object) {
  object.z = TopZ(face);
  face.objects.push_back(std::move(object));
  return {face.objects.back().kind, static_cast<int>(face.objects.size()) - 1};
}

PlacedObject NewObjectFor(const CardState& face, ObjectKind kind, const QString& text) {
  PlacedObject object = NewObject(kind, face.cardWidth, face.cardHeight, TopZ(face));
  if (auto* source = std::get_if<TextSource>(&object.source)) {
    source->lines = KeptLines(QStringList{text});
    // A framed box's colours are chosen for its frame, which an added box does not draw: the new
    // box takes the first unframed box's style, so that its text reads on the card.
    const int shown = std::clamp(face.boxCount, 1, kTextBoxCount);
    const auto end = face.styles.begin() + shown;
    const auto unframed = std::find_if(face.styles.begin(), end, [](const TextBoxStyle& style) {
      return style.frameMode == kFrameNone;
    });
    source->style = unframed != end ? *unframed : face.styles.front();
  }
  return object;
}

std::optional<ObjectRef> DuplicateObject(CardState& face, ObjectRef ref) {
  if (ref.added < 0 || !HasAdded(face, ref)) return std::nullopt;
  PlacedObject copy = face.objects[static_cast<size_t>(ref.added)];
  copy.left += kDuplicateOffset;
  copy.top += kDuplicateOffset;
  return InsertObject(face, std::move(copy));
}

std::optional<ObjectRef> NextObject(const CardState& face, std::optional<ObjectRef> current,
                                    bool forward) {
  const std::vector<FaceObject> items = FaceObjects(face);
  if (items.empty()) return std::nullopt;
  const auto count = static_cast<int>(items.size());
  int at = forward ? 0 : count - 1;
  if (current) {
    const auto found = std::ranges::find(items, *current, RefOf);
    if (found != items.end()) {
      const auto index = static_cast<int>(found - items.begin());
      at = (index + (forward ? 1 : count - 1)) % count;
    }
  }
  return RefOf(items[static_cast<size_t>(at)]);
}

}  // namespace tavolo
