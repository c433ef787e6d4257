#include "core/render/FaceObjects.h"

#include <algorithm>
#include <ranges>

#include "core/qr/QrCodeDrawing.h"
#include "core/render/PictureGeometry.h"

namespace tavolo {

namespace {

// The box before the turn of an item whose drawn area is `area`, turned `turns` quarter turns.
void PlaceBox(PlacedObject& object, const PixelRect& area, int turns) {
  const QRectF drawn(area.left, area.top, static_cast<qreal>(area.Width()),
                     static_cast<qreal>(area.Height()));
  QRectF box = drawn;
  if (turns % 2 == 1) {
    box = QRectF(0, 0, drawn.height(), drawn.width());
    box.moveCenter(drawn.center());
  }
  object.left = static_cast<float>(box.left());
  object.top = static_cast<float>(box.top());
  object.width = static_cast<float>(box.width());
  object.height = static_cast<float>(box.height());
  object.quarterTurns = turns;
}

FaceObject PictureObject(const PlacedPicture& picture) {
  FaceObject item;
  item.object.kind = picture.kind == PictureKind::kPhoto ? ObjectKind::kPhoto : ObjectKind::kLogo;
  item.object.z = picture.kind == PictureKind::kPhoto ? kPhotoZ : kLogoZ;
  item.object.source = PictureSource{picture.name, picture.hash};
  // A turn of no whole number of quarter turns is drawn resampled into the same upright area.
  PlaceBox(item.object, PlacedArea(picture, 1), std::max(QuarterTurns(picture.angle), 0));
  return item;
}

}  // namespace

std::vector<FaceObject> FaceObjects(const CardState& face) {
  std::vector<FaceObject> items;
  items.reserve(face.objects.size() + 3);
  for (const PictureKind kind : kPictureKinds) {
    if (!face.Picture(kind).name.isEmpty()) items.push_back(PictureObject(face.Picture(kind)));
  }
  if (face.qrCode) {
    FaceObject code;
    code.object.kind = ObjectKind::kQrCode;
    code.object.z = kQrCodeZ;
    code.object.source = QrSource{*face.qrCode};
    PlaceBox(code.object, QrCodeArea(*face.qrCode, 1), 0);
    items.push_back(std::move(code));
  }
  for (size_t i = 0; i < face.objects.size(); ++i) {
    items.push_back({face.objects[i], static_cast<int>(i)});
  }
  std::ranges::stable_sort(items, {}, [](const FaceObject& item) {
    return std::pair(item.object.z, item.added >= 0);
  });
  return items;
}

bool AfterLayoutText(const FaceObject& item) {
  return item.object.z > kLayoutTextZ || (item.object.z == kLayoutTextZ && item.added >= 0);
}

std::optional<FaceObject> ObjectAt(const CardState& face, QPointF point, float tolerance) {
  const std::vector<FaceObject> items = FaceObjects(face);
  const auto hit = std::ranges::find_if(items | std::views::reverse, [&](const FaceObject& item) {
    return Covers(item.object, point, tolerance);
  });
  if (hit == (items | std::views::reverse).end()) return std::nullopt;
  return *hit;
}

}  // namespace tavolo
