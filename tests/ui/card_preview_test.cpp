// The card preview; what it draws comes from the card document, tested with the engine.
#include <cmath>
#include <limits>

#include <QAccessible>
#include <QCoreApplication>
#include <QSet>

#include "core/card/BackgroundTable.h"
#include "core/card/LayoutTable.h"
#include "core/document/CardDocument.h"
#include "tests/core/render/RenderTestSupport.h"
#include "tests/ui/WidgetTest.h"
#include "ui/card/CardPreview.h"
#include "ui/card/CardPreviewGeometry.h"
#include "ui/card/PreviewBackdrop.h"

namespace tavolo {
namespace {

using test::ControlTest;
using test::SendMouse;

// A smooth diagonal picture with a bright disc, so the scaled background is easy to recognise.
RasterImage SyntheticBackground() {
  return test::MakePicture(531, 308, [](uint32_t x, uint32_t y) {
    const double dx = x - 380.0;
    const double dy = y - 110.0;
    if (dx * dx + dy * dy < 70.0 * 70.0) return 0xFAF0E6u;
    return (60 + (x + y) / 8) << 16 | (90 + y / 3) << 8 | (120 + x / 5);
  });
}

struct BackgroundPreview {
  BackgroundTable table;
  CardDocument doc{&table, {}};
  CardPreview preview{doc};
  BackgroundPreview() { table.Append({}, SyntheticBackground(), 0.0f); }
};

QImage Paint(CardPreview& preview) {
  return preview.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TEST(CardPreviewGeometryTest, FitsOrZoomsTheCardCentredNeverCoarserThanTheScreenOnA3DBackdrop) {
  // The item, the card's width and height, the zoom and the pixel ratio; the divisor and the card.
  const std::tuple<QRect, int, int, int, qreal, int, QRect> cases[] = {
      {{0, 0, 745, 310}, 1062, 615, kZoomToFit, 1, 2, {122, 10, 500, 290}},
      {{0, 0, 745, 310}, 1062, 615, kZoomToFit, 2, 1, {122, 10, 500, 290}},
      {{10, 20, 745, 310}, 1062, 615, kZoomToFit, 1, 2, {132, 30, 500, 290}},
      {{0, 0, 745, 310}, 2124, 1230, kZoomToFit, 1, 4, {122, 10, 500, 290}},
      // Exactly 10 pixels to spare on each side: the card at full size.
      {{0, 0, 1082, 635}, 1062, 615, kZoomToFit, 1, 1, {10, 10, 1062, 615}},
      {{0, 0, 745, 310}, 1062, 615, 50, 1, 2, {107, 1, 531, 307}},
      {{0, 0, 745, 310}, 1062, 615, 50, 2, 1, {107, 1, 531, 307}},
      {{0, 0, 745, 310}, 1062, 615, 200, 1, 1, {-689, -460, 2124, 1230}},
  };
  for (const auto& [item, width, height, zoom, ratio, divisor, card] : cases) {
    const CardPreviewGeometry g = PreviewGeometryFor(item, width, height, zoom, ratio);
    EXPECT_EQ(g.divisor, divisor) << zoom << " " << ratio << " " << width;
    EXPECT_EQ(g.card, card) << zoom << " " << ratio << " " << width;
    EXPECT_EQ(g.dx, width / g.divisor);
  }
  EXPECT_EQ(NextZoom(0.47, true), 50);
  EXPECT_EQ(NextZoom(0.47, false), std::nullopt);
  EXPECT_EQ(NextZoom(1.0, true), 200);
  EXPECT_EQ(NextZoom(1.0, false), 50);
  EXPECT_EQ(NextZoom(1.3, false), 100);
  EXPECT_EQ(NextZoom(2.0, true), std::nullopt);

  // Tiny controls and damaged card sizes keep the divisor defined.
  EXPECT_EQ(PreviewGeometryFor(QRect(0, 0, 25, 25), 1062, 615).divisor, 212);
  const CardPreviewGeometry negative = PreviewGeometryFor(QRect(0, 0, 745, 310), -5000, 615);
  EXPECT_GE(negative.divisor, 1);
  EXPECT_TRUE(negative.card.isEmpty());

  EXPECT_EQ(CardPixels(1062.9f), 1062);
  EXPECT_EQ(CardPixels(std::nanf("")), 0);
  EXPECT_EQ(CardPixels(std::numeric_limits<float>::infinity()), 1 << 30);

  // The backdrop is framed in 3D and the same each time.
  const QImage backdrop = MakePreviewBackdrop(QSize(745, 310));
  ASSERT_EQ(backdrop.size(), QSize(745, 310));
  // The light right and bottom edges own the top-right and bottom-left corners.
  for (const QPoint p : {QPoint(0, 0), QPoint(743, 0), QPoint(0, 308), QPoint(744, 0),
                         QPoint(0, 309), QPoint(744, 309)}) {
    EXPECT_EQ(backdrop.pixel(p), p.x() == 744 || p.y() == 309 ? kBackdropLight : kBackdropShade);
  }
  EXPECT_EQ(MakePreviewBackdrop(QSize(745, 310)), backdrop);
  EXPECT_TRUE(MakePreviewBackdrop(QSize(0, 310)).isNull());
}

TEST_F(ControlTest, PaintShowsTheCardCentredOnTheBackdropAndTinyControlsPaintToo) {
  BackgroundPreview fx;
  auto& [table, doc, preview] = fx;
  preview.resize(745, 310);
  CardState card;
  card.layoutIndex = 1;
  card.backgroundIndex = 0;
  card.boxCount = FieldDistribution(1, DefaultContactDetails(), card.lines);
  card.gradScale = 0.5f;
  card.backgroundColour = {150.0f, 200.0f, 120.0f};
  card.styles[0].frameMode = kFrameCardLong;
  card.styles[0].opacity = 0.3f;
  doc.LoadProject(card, {});  // as loaded, so the card's own lines are drawn
  const QImage shown = Paint(preview);
  ASSERT_EQ(preview.Geometry().card, QRect(122, 10, 500, 290));
  ASSERT_EQ(preview.Backdrop().size(), QSize(745, 310));

  // Around the card the backdrop, in the card the card as the renderer draws it at the divisor,
  // reduced to the shown size.
  CardRenderer renderer(&table, {});
  const QImage expected = renderer.Render(card, 2, 531, 307)
                              .scaled(500, 290, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  EXPECT_EQ(shown.copy(122, 10, 500, 290), expected.convertToFormat(QImage::Format_RGB32));
  for (const QPoint p : {QPoint(121, 100), QPoint(622, 100), QPoint(300, 9), QPoint(300, 300),
                         QPoint(0, 0), QPoint(744, 309)}) {
    EXPECT_EQ(shown.pixel(p), preview.Backdrop().pixel(p)) << p.x() << "," << p.y();
  }

  card.cardWidth = 2124;
  card.cardHeight = 1230;
  doc.SetLive(card);
  Paint(preview);
  EXPECT_EQ(preview.Geometry().divisor, 4);
  EXPECT_EQ(preview.CardPixelWidth(), 2124);

  // Tiny controls and a damaged card paint without failing.
  CardDocument bare(nullptr, {});
  CardPreview tiny(bare);
  for (const QSize size : {QSize(1, 1), QSize(21, 21), QSize(745, 3)}) {
    tiny.resize(size);
    EXPECT_EQ(Paint(tiny).size(), size);
    EXPECT_GE(tiny.Geometry().divisor, 1);
  }
  tiny.resize(745, 310);
  card.cardWidth = -1062.0f;
  card.cardHeight = std::nanf("");
  bare.SetLive(card);
  EXPECT_EQ(Paint(tiny), MakePreviewBackdrop(QSize(745, 310)));
}

// A preview at 50 % (divisor 2, the card at 34, 46) of a card with a 200 × 100 photo centred at
// (500, 300), a 40 × 40 logo at (580, 300), over the photo's right end, a QR code of 100 at
// (900, 300), a 200 × 100 rectangle at (100, 100) and a locked 100 × 100 ellipse at (700, 100).
struct PicturesPreview {
  CardDocument doc{nullptr, {}};
  CardPreview preview{doc};
  PicturesPreview() {
    doc.Start(nullptr);
    test::RecordChange(doc, [](CardState& card) {
      std::tie(card.photo.name, card.photo.width, card.photo.height) =
          std::tuple(QStringLiteral("photo.png"), 200.0f, 100.0f);
      std::tie(card.logo.name, card.logo.width, card.logo.height, card.logo.x) =
          std::tuple(QStringLiteral("logo.png"), 40.0f, 40.0f, 580.0f);
      PlacedQrCode code;
      std::tie(code.x, code.y, code.side) = std::tuple(900.0f, 300.0f, 100.0f);
      card.qrCode = code;
      PlacedObject box = NewObject(ObjectKind::kRectangle, 1062, 615, 500);
      std::tie(box.left, box.top, box.width, box.height) =
          std::tuple(100.0f, 100.0f, 200.0f, 100.0f);
      card.objects.push_back(box);
      PlacedObject ring = NewObject(ObjectKind::kEllipse, 1062, 615, 501);
      std::tie(ring.left, ring.top, ring.width, ring.height, ring.locked) =
          std::tuple(700.0f, 100.0f, 100.0f, 100.0f, true);
      card.objects.push_back(ring);
    });
    preview.resize(600, 400);
    preview.SetZoom(50);
    Paint(preview);
  }
  int Steps() const { return doc.History().UndoCount(); }
  std::optional<CardRect> Bounds(ObjectRef ref) const {
    const std::optional<FaceObject> found = FindObject(doc.Live(), ref);
    if (!found) return std::nullopt;
    return BoundsOf(found->object);
  }
  void Click(QPoint at, Qt::KeyboardModifiers modifiers = {}) {
    SendMouse(preview, QEvent::MouseButtonPress, at, modifiers);
    SendMouse(preview, QEvent::MouseButtonRelease, at, modifiers);
  }
  void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = Qt::AltModifier) {
    SendMouse(preview, QEvent::MouseButtonPress, from, modifiers);
    SendMouse(preview, QEvent::MouseMove, to, modifiers);
    SendMouse(preview, QEvent::MouseButtonRelease, to, modifiers);
  }
};

constexpr ObjectRef kPhoto{ObjectKind::kPhoto};
constexpr ObjectRef kLogo{ObjectKind::kLogo};
constexpr ObjectRef kQr{ObjectKind::kQrCode};
constexpr ObjectRef kBox{ObjectKind::kRectangle, 0};
constexpr ObjectRef kRing{ObjectKind::kEllipse, 1};

TEST_F(ControlTest, ThePictureUnderThePointerIsOutlinedTheLogoOnTop) {
  PicturesPreview fx;
  ASSERT_EQ(fx.preview.Geometry().card, QRect(34, 46, 531, 307));
  const QImage plain = Paint(fx.preview);
  const std::pair<QPoint, std::optional<ObjectRef>> cases[] = {
      {{234, 171}, kPhoto},       {{333, 220}, kPhoto}, {{320, 190}, kLogo},
      {{229, 171}, std::nullopt}, {{459, 171}, kQr},    {{513, 171}, std::nullopt},
      {{100, 100}, kBox},         {{409, 121}, kRing},  {{386, 98}, std::nullopt},
      {{10, 10}, std::nullopt},
  };
  for (const auto& [at, hovered] : cases) {
    SendMouse(fx.preview, QEvent::MouseMove, at);
    EXPECT_EQ(fx.preview.HoveredObject(), hovered) << at.x() << "," << at.y();
    EXPECT_EQ(fx.preview.cursor().shape(), hovered ? Qt::SizeAllCursor : Qt::ArrowCursor);
  }
  SendMouse(fx.preview, QEvent::MouseMove, {250, 180});
  const QImage outlined = Paint(fx.preview);
  QSet<QRgb> edge;
  for (int x = 235; x <= 333; ++x) edge.insert(outlined.pixel(x, 171));
  EXPECT_EQ(edge, (QSet<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)}));
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(&fx.preview, &leave);
  EXPECT_EQ(fx.preview.HoveredObject(), std::nullopt);
  EXPECT_EQ(Paint(fx.preview), plain);
}

// Each gesture changes one object (none left: it is gone) in as many steps as it has; undoing
// them brings the card back as it was.
TEST_F(ControlTest, EachGestureOnAnObjectIsOneStepAndUndoesExactly) {
  using Fx = PicturesPreview;
  const struct {
    const char* gesture;
    std::function<void(Fx&)> act;
    ObjectRef object;
    std::optional<CardRect> bounds;
    int steps;
  } cases[] = {
      {"drag",
       [](Fx& fx) {
         fx.Drag({134, 121}, {144, 126});
       },
       kBox, CardRect{120, 110, 200, 100}, 1},
      {"handle, free",
       [](Fx& fx) {
         fx.Click({134, 121});
         fx.Drag({184, 146}, {194, 166});
       },
       kBox, CardRect{100, 100, 220, 140}, 1},
      {"handle, Shift keeps the aspect",
       [](Fx& fx) {
         fx.Click({134, 121});
         fx.Drag({184, 146}, {194, 166}, Qt::AltModifier | Qt::ShiftModifier);
       },
       kBox, CardRect{100, 100, 280, 140}, 1},
      {"photo's corner scales it",
       [](Fx& fx) {
         fx.Click({250, 180});
         fx.Drag({334, 221}, {344, 226});
       },
       kPhoto, CardRect{400, 250, 220, 110}, 1},
      {"QR code's corner sets its side",
       [](Fx& fx) {
         fx.Click({480, 190});
         fx.Drag({459, 171}, {449, 161});
       },
       kQr, CardRect{830, 230, 120, 120}, 1},
      {"arrows nudge",
       [](Fx& fx) {
         fx.Click({134, 121});
         QTest::keyClick(&fx.preview, Qt::Key_Right);
         QTest::keyClick(&fx.preview, Qt::Key_Down, Qt::ShiftModifier);
       },
       kBox, CardRect{101, 110, 200, 100}, 2},
      {"Delete",
       [](Fx& fx) {
         fx.Click({134, 121});
         QTest::keyClick(&fx.preview, Qt::Key_Delete);
       },
       kBox, std::nullopt, 1},
      {"Delete of the photo",
       [](Fx& fx) {
         fx.Click({250, 180});
         QTest::keyClick(&fx.preview, Qt::Key_Delete);
       },
       kPhoto, std::nullopt, 1},
      {"Ctrl+D",
       [](Fx& fx) {
         fx.Click({134, 121});
         QTest::keyClick(&fx.preview, Qt::Key_D, Qt::ControlModifier);
       },
       ObjectRef{ObjectKind::kRectangle, 2}, CardRect{120, 120, 200, 100}, 1},
      {"Escape puts a drag back",
       [](Fx& fx) {
         SendMouse(fx.preview, QEvent::MouseButtonPress, {134, 121});
         SendMouse(fx.preview, QEvent::MouseMove, {164, 141}, Qt::AltModifier);
         QTest::keyClick(&fx.preview, Qt::Key_Escape);
         SendMouse(fx.preview, QEvent::MouseButtonRelease, {164, 141});
       },
       kBox, CardRect{100, 100, 200, 100}, 0},
      {"locked: selected, not moved",
       [](Fx& fx) {
         fx.Drag({409, 121}, {429, 131});
         QTest::keyClick(&fx.preview, Qt::Key_Left);
       },
       kRing, CardRect{700, 100, 100, 100}, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.gesture);
    Fx fx;
    const CardState before = fx.doc.Working();
    const int steps = fx.Steps();
    c.act(fx);
    EXPECT_EQ(fx.Bounds(c.object), c.bounds);
    EXPECT_EQ(fx.Steps(), steps + c.steps);
    if (c.bounds) {
      EXPECT_EQ(fx.preview.SelectedObject(), c.object);
    }
    for (int i = 0; i < c.steps; ++i) fx.doc.Undo();
    EXPECT_EQ(fx.doc.Working(), before);
  }
}

TEST_F(ControlTest, ADragSnapsToTheSafeMarginShowingItsGuideAltDoesNot) {
  PicturesPreview fx;
  SendMouse(fx.preview, QEvent::MouseButtonPress, {134, 121});
  SendMouse(fx.preview, QEvent::MouseMove, {104, 121});
  const float margin = SafeMarginPixels(300);
  EXPECT_FLOAT_EQ(fx.Bounds(kBox)->left, margin);
  ASSERT_FALSE(fx.preview.Guides().empty());
  EXPECT_FLOAT_EQ(fx.preview.Guides().front().position, margin);
  EXPECT_EQ(fx.preview.Guides().front().kind, SnapKind::kSafeMargin);
  SendMouse(fx.preview, QEvent::MouseMove, {104, 121}, Qt::AltModifier);
  EXPECT_EQ(fx.Bounds(kBox)->left, 40.0f);
  EXPECT_TRUE(fx.preview.Guides().empty());
  SendMouse(fx.preview, QEvent::MouseButtonRelease, {104, 121});
  EXPECT_TRUE(fx.preview.Guides().empty());
}

// The QR code dragged under the rectangle looks as the card drawn in full after the release; an
// edit during a drag shows at once.
TEST_F(ControlTest, AMoveShowsWhatTheFullDrawingShowsAndAnEditMeanwhileAtOnce) {
  PicturesPreview fx;
  SendMouse(fx.preview, QEvent::MouseButtonPress, {484, 196});
  SendMouse(fx.preview, QEvent::MouseMove, {184, 156}, Qt::AltModifier);
  const QImage moving = Paint(fx.preview);
  SendMouse(fx.preview, QEvent::MouseButtonRelease, {184, 156}, Qt::AltModifier);
  EXPECT_EQ(test::PixelsApart(moving, Paint(fx.preview), 1), 0);
  SendMouse(fx.preview, QEvent::MouseButtonPress, {184, 156});
  SendMouse(fx.preview, QEvent::MouseMove, {194, 166}, Qt::AltModifier);
  CardState live = fx.doc.Live();
  live.objects.front().source = ShapeSource{qRgb(200, 0, 0), 0, qRgb(200, 0, 0)};
  fx.doc.SetLive(live);
  EXPECT_EQ(Paint(fx.preview).pixel(100, 100), qRgb(200, 0, 0));
}

TEST_F(ControlTest, TabGoesThroughTheObjectsInDrawingOrderShiftClickAddsEscapeDeselects) {
  PicturesPreview fx;
  fx.preview.setFocus();
  std::vector<std::optional<ObjectRef>> visited;
  for (int i = 0; i < 11; ++i) {
    QTest::keyClick(&fx.preview, Qt::Key_Tab);
    visited.push_back(fx.preview.SelectedObject());
  }
  // The layout's five boxes between the logo and the QR code, as their text is drawn.
  const auto text = [](int box) { return ObjectRef{ObjectKind::kTextBox, -1, box}; };
  EXPECT_EQ(visited,
            (std::vector<std::optional<ObjectRef>>{kPhoto, kLogo, text(0), text(1), text(2),
                                                   text(3), text(4), kQr, kBox, kRing, kPhoto}));
  QTest::keyClick(&fx.preview, Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(fx.preview.SelectedObject(), kRing);
  // A screen reader meets the same objects, named, placed and with the selection.
  QAccessibleInterface* cells = QAccessible::queryAccessibleInterface(&fx.preview);
  QStringList names;
  for (int i = 0; i < cells->childCount(); ++i) names << cells->child(i)->text(QAccessible::Name);
  EXPECT_EQ(names, QStringList({"Photo", "Logo", "Field 1", "Field 2", "Field 3", "Field 4",
                                 "Field 5", "QR code", "Rectangle 1", "Ellipse 1"}));
  EXPECT_TRUE(cells->child(9)->state().selected);
  EXPECT_FALSE(cells->child(8)->state().selected);
  EXPECT_TRUE(cells->child(8)->rect().contains(fx.preview.mapToGlobal(QPoint(134, 121))));
  // Delete leaves a box of the layout, whose text lives in its editor, and records nothing.
  fx.preview.Select(text(0));
  const int steps = fx.Steps();
  QTest::keyClick(&fx.preview, Qt::Key_Delete);
  EXPECT_EQ(fx.Steps(), steps);
  EXPECT_EQ(fx.preview.SelectedObject(), text(0));
  fx.Click({134, 121}, Qt::ShiftModifier);
  EXPECT_EQ(fx.preview.Selection().size(), 2u);
  QTest::keyClick(&fx.preview, Qt::Key_Escape);
  EXPECT_TRUE(fx.preview.Selection().empty());
  fx.Click({134, 121});
  fx.Click({10, 10});
  EXPECT_TRUE(fx.preview.Selection().empty());
}

}  // namespace
}  // namespace tavolo
