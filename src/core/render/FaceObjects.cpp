#include "core/render/FaceObjects.h"

#include <algorithm>
#include <iterator>
#include <ranges>

#include "core/card/CardLimits.h"
#include "core/card/FreePlacement.h"
#include "core/card/LayoutTable.h"
#include "core/card/ShrinkToFit.h"
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
  std::ranges::stable_sort(
      items, {}, [](const FaceObject& item) { return std::pair(item.object.z, item.added >= 0); });
  return items;
}

std::vector<FaceObject> PlaceableObjects(const CardState& face,
                                         std::span<const std::optional<TextBoxLayout>> text) {
  std::vector<FaceObject> items = FaceObjects(face);
  const CardRows placed = CardPlacementRows(face);
  const std::span<const PlacementRow> rows = placed.Rows();
  std::vector<FaceObject> boxes;
  for (size_t i = 0; i < rows.size() && i < text.size(); ++i) {
    const PlacementRow& row = rows[i];
    if (!text[i] || !CanPlaceFreely(face, row.box)) continue;
    const TextBoxLayout& laidOut = *text[i];
    QRectF where;
    if (const std::optional<FreeBox> free = FreeBoxOf(face, row.box)) {
      where = QRectF(free->left, free->top, free->width, free->height);
    } else {
      // Where its lines are; a box without a line cannot be taken hold of.
      for (const LaidOutLine& line : laidOut.lines) {
        const PixelRect area = LineArea(laidOut, line, laidOut.inner, row.align, row.angle);
        where |= QRectF(area.left, area.top, area.Width(), area.Height());
      }
      if (where.isEmpty()) continue;
    }
    FaceObject item;
    item.layoutBox = row.box;
    item.object.kind = ObjectKind::kTextBox;
    item.object.z = kLayoutTextZ;
    item.object.left = static_cast<float>(where.left());
    item.object.top = static_cast<float>(where.top());
    item.object.width = static_cast<float>(where.width());
    item.object.height = static_cast<float>(where.height());
    const auto b = static_cast<size_t>(row.box);
    item.object.source = TextSource{face.lines[b], face.styles[b], RowHorizontal(row),
                                    VerticalAlign::kTop, ShrinksToFit(face, row.box)};
    boxes.push_back(std::move(item));
  }
  // Over what is drawn before the layout's text, under what is drawn after it.
  const auto after = std::ranges::find_if(items, AfterLayoutText);
  items.insert(after, std::make_move_iterator(boxes.begin()), std::make_move_iterator(boxes.end()));
  return items;
}

std::vector<FaceObject> PlaceableObjects(const CardState& face) {
  const CardPixelSize full = CardPixels(face.cardWidth, face.cardHeight);
  if (!full.Ok()) return FaceObjects(face);
  return PlaceableObjects(face, LayOutCardText(face, {0, 0, full.width, full.height}));
}

bool AfterLayoutText(const FaceObject& item) {
  return item.object.z > kLayoutTextZ || (item.object.z == kLayoutTextZ && item.added >= 0);
}

std::optional<FaceObject> ObjectAt(const CardState& face, QPointF point, float tolerance) {
  return ObjectAt(PlaceableObjects(face), point, tolerance);
}

std::optional<FaceObject> ObjectAt(std::span<const FaceObject> items, QPointF point,
                                   float tolerance) {
  const auto hit = std::ranges::find_if(items | std::views::reverse, [&](const FaceObject& item) {
    return Covers(item.object, point, tolerance);
  });
  if (hit == (items | std::views::reverse).end()) return std::nullopt;
  return *hit;
}

}  // namespace tavolo
