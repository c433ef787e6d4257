// Editing a face's objects one at a time: bounds mapped onto the photo's reduction, the QR code's
// side and a turned object's box; the Arrange menu's restacking among the card's own items.
#include <gtest/gtest.h>

#include <functional>

#include "core/editing/FaceArrangement.h"
#include "core/editing/ObjectEditing.h"
#include "core/editing/ObjectNames.h"

namespace tavolo {
namespace {

// A 200 × 100 photo centred at (500, 300), a QR code of 100 at (900, 300), a rectangle over the
// code and an ellipse turned a quarter, both added.
CardState Face() {
  CardState face;
  std::tie(face.photo.name, face.photo.width, face.photo.height) =
      std::tuple(QStringLiteral("photo.png"), 200.0f, 100.0f);
  PlacedQrCode code;
  std::tie(code.x, code.y, code.side) = std::tuple(900.0f, 300.0f, 100.0f);
  face.qrCode = code;
  face.objects.push_back(NewObject(ObjectKind::kRectangle, 1062, 615, 401));
  PlacedObject ring = NewObject(ObjectKind::kEllipse, 1062, 615, 402);
  std::tie(ring.left, ring.top, ring.width, ring.height, ring.quarterTurns) =
      std::tuple(0.0f, 0.0f, 100.0f, 50.0f, 1);
  face.objects.push_back(ring);
  return face;
}

constexpr ObjectRef kPhoto{ObjectKind::kPhoto};
constexpr ObjectRef kQr{ObjectKind::kQrCode};
constexpr ObjectRef kBox{ObjectKind::kRectangle, 0};
constexpr ObjectRef kRing{ObjectKind::kEllipse, 1};

TEST(ObjectEditing, NewBoundsBecomeTheObjectsOwnSizeAndPlace) {
  const struct {
    const char* what;
    ObjectRef object;
    CardRect bounds;
    CardRect shown;  // the bounds the object has then
    std::function<void(const CardState&)> check;
  } cases[] = {
      {"photo moved",
       kPhoto,
       {410, 260, 200, 100},
       {410, 260, 200, 100},
       [](const CardState& f) { EXPECT_EQ(f.photo.reduction, 0.0f); }},
      {"photo scaled",
       kPhoto,
       {400, 250, 300, 150},
       {400, 250, 300, 150},
       [](const CardState& f) { EXPECT_FLOAT_EQ(f.photo.reduction, -0.5f); }},
      {"photo past the largest scale",
       kPhoto,
       {0, 0, 40000, 20000},
       {19000, 9500, 2000, 1000},
       [](const CardState& f) { EXPECT_FLOAT_EQ(f.photo.reduction, -9.0f); }},
      {"QR code resized",
       kQr,
       {800, 200, 150, 150},
       {800, 200, 150, 150},
       [](const CardState& f) { EXPECT_EQ(f.qrCode->side, 150.0f); }},
      {"QR code below its smallest side",
       kQr,
       {800, 200, 10, 10},
       {775, 175, 60, 60},
       [](const CardState& f) { EXPECT_EQ(f.qrCode->side, kMinQrSide); }},
      {"turned ellipse",
       kRing,
       {10, 20, 40, 120},
       {10, 20, 40, 120},
       [](const CardState& f) { EXPECT_EQ(ObjectBox(f.objects[1]), QRectF(-30, 60, 120, 40)); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CardState face = Face();
    ASSERT_TRUE(SetBounds(face, c.object, c.bounds));
    EXPECT_EQ(BoundsOf(FindObject(face, c.object)->object), c.shown);
    c.check(face);
  }
  CardState face = Face();
  EXPECT_FALSE(SetBounds(face, {ObjectKind::kLogo}, {}));
  EXPECT_FALSE(SetBounds(face, {ObjectKind::kLine, 0}, {}));
}

TEST(ObjectEditing, RestackingPassesTheCardsItemsAndItsTextKeepingThemWhereTheyAre) {
  using Order = std::vector<std::pair<ObjectKind, int>>;  // kind, and the added index
  const auto order = [](const CardState& face) {
    Order kinds;
    for (const FaceObject& item : FaceObjects(face)) {
      kinds.emplace_back(item.object.kind, item.added);
    }
    return kinds;
  };
  const struct {
    StackMove move;
    std::vector<ObjectRef> selected;
    Order expected;
    bool underText;  // the rectangle is drawn under the layout's text
  } cases[] = {
      {StackMove::kForward,
       {kBox},
       {{ObjectKind::kPhoto, -1},
        {ObjectKind::kQrCode, -1},
        {ObjectKind::kEllipse, 1},
        {ObjectKind::kRectangle, 0}},
       false},
      {StackMove::kBackward,
       {kBox},
       {{ObjectKind::kPhoto, -1},
        {ObjectKind::kRectangle, 0},
        {ObjectKind::kQrCode, -1},
        {ObjectKind::kEllipse, 1}},
       false},
      {StackMove::kToBack,
       {kBox, kRing},
       {{ObjectKind::kRectangle, 0},
        {ObjectKind::kEllipse, 1},
        {ObjectKind::kPhoto, -1},
        {ObjectKind::kQrCode, -1}},
       true},
  };
  for (const auto& c : cases) {
    CardState face = Face();
    EXPECT_TRUE(RestackObjects(face, c.selected, c.move));
    EXPECT_EQ(order(face), c.expected);
    EXPECT_EQ(face.objects[0].z < kLayoutTextZ, c.underText);
  }
  CardState face = Face();
  EXPECT_FALSE(RestackObjects(face, std::vector{kRing}, StackMove::kToFront));
  EXPECT_FALSE(RestackObjects(face, std::vector{kPhoto}, StackMove::kToFront));
}

TEST(ObjectEditing, DuplicatesInsertsRemovesAndTabOrder) {
  CardState face = Face();
  EXPECT_EQ(NextObject(face, std::nullopt, true), kPhoto);
  EXPECT_EQ(NextObject(face, kRing, true), kPhoto);
  EXPECT_EQ(NextObject(face, kPhoto, false), kRing);
  EXPECT_EQ(DuplicateObject(face, kQr), std::nullopt);
  const std::optional<ObjectRef> copy = DuplicateObject(face, kBox);
  ASSERT_EQ(copy, (ObjectRef{ObjectKind::kRectangle, 2}));
  EXPECT_EQ(face.objects[2].left, face.objects[0].left + kDuplicateOffset);
  EXPECT_EQ(face.objects[2].z, 403);
  const std::tuple<ObjectRef, QString> names[] = {
      {kPhoto, "Photo"}, {kQr, "QR code"}, {kBox, "Rectangle 1"}, {*copy, "Rectangle 2"},
      {kRing, "Ellipse 1"}, {{ObjectKind::kLogo}, ""}, {{ObjectKind::kLine, 7}, ""}};
  for (const auto& [ref, name] : names) EXPECT_EQ(ObjectName(face, ref), name) << name.toStdString();
  const PlacedObject text = NewObjectFor(face, ObjectKind::kTextBox, QStringLiteral("Text"));
  EXPECT_EQ(std::get<TextSource>(text.source).lines.line[0], QStringLiteral("Text"));
  EXPECT_EQ(std::get<TextSource>(text.source).style, face.styles[0]);
  face.styles[0].frameMode = kFrameExact;
  face.boxCount = 3;
  const PlacedObject unframed = NewObjectFor(face, ObjectKind::kTextBox, QStringLiteral("Text"));
  EXPECT_EQ(std::get<TextSource>(unframed.source).style, face.styles[1]);
  EXPECT_TRUE(RemoveObject(face, kPhoto));
  EXPECT_TRUE(face.photo.name.isEmpty());
  EXPECT_TRUE(RemoveObject(face, kQr));
  EXPECT_TRUE(RemoveObject(face, kBox));
  EXPECT_FALSE(RemoveObject(face, kRing));  // the ellipse is the first added object now
  EXPECT_EQ(face.objects.size(), 2u);
}

}  // namespace
}  // namespace tavolo
