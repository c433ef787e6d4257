// The draft preview of the photo and logo dialogs: its rectangles, grabs and drags.
#include <gtest/gtest.h>

#include "core/render/CardRenderer.h"
#include "ui/controls/PicturePreviewGeometry.h"

namespace tavolo {
namespace {

TEST(PicturePreviewGeometry, TheCardIsStretchedOverAPreviewOfItsProportionsAndDrawnAtItsSize) {
  const PreviewScale half = PreviewScaleFor(QSize(531, 310), QSizeF(1062, 615));
  EXPECT_FLOAT_EQ(half.sx, 0.5f);
  EXPECT_FLOAT_EQ(half.sy, 310.0f / 615.0f);
  EXPECT_FALSE(PreviewScaleFor(QSize(531, 310), QSizeF(0, 615)).Usable());

  const std::tuple<float, float, QSize> cases[] = {
      {2124, 1230, {531, 308}},
      {615, 1062, {243, 420}},
      {10000, 10, {531, 120}},
      {1062, 0, {531, 308}},
  };
  for (const auto& [width, height, preview] : cases) {
    EXPECT_EQ(DraftPreviewSize(width, height), preview) << width << "x" << height;
  }

  // The card under the object is drawn at about the print image's size.
  const std::tuple<float, float, std::array<int, 3>> drawn[] = {
      {2124, 1230, {2, 1062, 615}}, {500, 300, {1, 500, 300}}, {-4, 615, {1, 1062, 615}}};
  for (const auto& [width, height, divisorAndSize] : drawn) {
    const DraftPicture draft = DraftPictureFor(width, height);
    EXPECT_EQ((std::array<int, 3>{draft.divisor, draft.dx, draft.dy}), divisorAndSize) << width;
  }
}

TEST(PicturePreviewGeometry, PhotoRectKeepsTheTrimmedPartInPlaceAndAPressGrabsTheWholeExtent) {
  PlacedPicture photo(PictureKind::kPhoto);
  photo.width = 400;
  photo.height = 200;
  photo.x = 500;
  photo.y = 300;
  const PreviewScale scale{0.5f, 0.5f};
  EXPECT_EQ(PreviewPictureRect(photo, 400, 200, scale), (PixelRect{150, 100, 350, 200}));
  photo.reduction = 0.5f;
  EXPECT_EQ(PreviewPictureRect(photo, 400, 200, scale), (PixelRect{200, 125, 300, 175}));
  // A full left trim removes 190 of 400 pixels; the rest moves right by 0.475 × 200 × f.
  photo.reduction = 0.0f;
  photo.trimLeft = 1.0f;
  EXPECT_EQ(PreviewPictureRect(photo, 210, 200, scale), (PixelRect{245, 100, 350, 200}));

  // A press grabs the whole extent and a drag moves the centre.
  // 400 × 200 at (500, 300), half size: (200, 125) to (300, 175) on the control.
  const std::pair<QPoint, bool> presses[] = {
      {{200, 125}, true}, {{299, 174}, true}, {{300, 150}, false}, {{250, 124}, false}};
  for (const auto& [point, grabs] : presses) {
    EXPECT_EQ(GrabsObject(point, 500, 300, 400, 200, 0.5f, scale), grabs) << point.x();
  }
  // A logo turned by a quarter is taken hold of where it is drawn.
  PlacedPicture logo(PictureKind::kLogo);
  logo.width = 400;
  logo.height = 200;
  logo.x = 500;
  logo.y = 300;
  logo.reduction = 0.5f;
  EXPECT_TRUE(GrabsPicture(QPoint(299, 150), logo, scale));
  logo.angle = 90;
  EXPECT_FALSE(GrabsPicture(QPoint(299, 150), logo, scale));
  EXPECT_TRUE(GrabsPicture(QPoint(250, 101), logo, scale));

  const QPointF grab = GrabOffset(QPoint(260, 160), 500, 300, scale);
  EXPECT_EQ(grab, QPointF(10, 10));
  EXPECT_EQ(DraggedCentre(QPoint(110, 60), grab, scale), QPointF(200, 100));
}

}  // namespace
}  // namespace tavolo
