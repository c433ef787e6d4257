// The draft preview of the photo and logo dialogs: its rectangles, grabs and drags.
#include <gtest/gtest.h>

#include "core/card/CardRenderer.h"
#include "ui/controls/PicturePreviewGeometry.h"

namespace tavolo {
namespace {

TEST(PicturePreviewGeometry, TheCardIsStretchedOverAPreviewOfItsProportionsAndDrawnAtItsSize) {
  const PreviewScale half = PreviewScaleFor(QSize(531, 310), QSizeF(1062, 615));
  EXPECT_FLOAT_EQ(half.sx, 0.5f);
  EXPECT_FLOAT_EQ(half.sy, 310.0f / 615.0f);
  EXPECT_FALSE(PreviewScaleFor(QSize(531, 310), QSizeF(0, 615)).Usable());

  struct Case {
    float width, height;
    QSize preview;
  };
  const Case cases[] = {
      {2124, 1230, {531, 308}},
      {615, 1062, {243, 420}},
      {10000, 10, {531, 120}},
      {1062, 0, {531, 308}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DraftPreviewSize(c.width, c.height), c.preview) << c.width << "x" << c.height;
  }

  // The card under the object is drawn at about the print image's size.
  struct Drawn {
    float width, height;
    int divisor, dx, dy;
  };
  for (const Drawn& c : {Drawn{2124, 1230, 2, 1062, 615}, Drawn{500, 300, 1, 500, 300},
                         Drawn{-4, 615, 1, 1062, 615}}) {
    const DraftPicture draft = DraftPictureFor(c.width, c.height);
    EXPECT_EQ(draft.divisor, c.divisor) << c.width;
    EXPECT_EQ(draft.dx, c.dx) << c.width;
    EXPECT_EQ(draft.dy, c.dy) << c.width;
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
  struct Case {
    QPoint point;
    bool grabs;
  };
  for (const Case& c : {Case{{200, 125}, true}, Case{{299, 174}, true}, Case{{300, 150}, false},
                        Case{{250, 124}, false}}) {
    EXPECT_EQ(GrabsObject(c.point, 500, 300, 400, 200, 0.5f, scale), c.grabs) << c.point.x();
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
