// The objects a user adds to a card: where a pointer takes hold of them, the order they are
// drawn in among the photo, the logo, the layout's text and the QR code, and how they look, on
// the print image and through a PDF rasterised by poppler.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <tuple>
#include <vector>

#include "core/card/LayoutTable.h"
#include "core/render/FaceObjects.h"
#include "tests/cli/CliRun.h"
#include "tests/core/GoldenImage.h"
#include "tests/core/render/RenderTestSupport.h"

namespace tavolo {
namespace {

using Hit = std::optional<std::pair<ObjectKind, int>>;

PlacedObject Shape(ObjectKind kind, QRectF box, float stroke, std::optional<QRgb> fill,
                   float radius = 0, int turns = 0, int z = 500) {
  PlacedObject o;
  std::tie(o.kind, o.left, o.top, o.width, o.height, o.quarterTurns, o.z) =
      std::tuple(kind, box.left(), box.top(), box.width(), box.height(), turns, z);
  o.source = ShapeSource{qRgb(30, 60, 120), stroke, fill, radius};
  return o;
}

PlacedObject Text(QRectF box, QStringList lines, HorizontalAlign h, VerticalAlign v) {
  PlacedObject o = Shape(ObjectKind::kTextBox, box, 0, std::nullopt);
  TextSource text;
  std::tie(text.lines, text.style.size, text.style.face, text.style.brightness) =
      std::tuple(KeptLines(lines), "30", "DejaVu Sans", 0.2f);
  std::tie(text.horizontal, text.vertical) = std::tuple(h, v);
  o.source = text;
  return o;
}

// Every shape with and without stroke and fill, turned and not, and text boxes aligned two
// ways, on a plain card with the first layout's (white) text over a band.
CardState ShapesCard() {
  CardState card;
  card.boxCount = FieldDistribution(0, DefaultContactDetails(), card.lines);
  const QRgb sand = qRgb(230, 200, 120), teal = qRgb(40, 160, 150);
  card.objects = {
      Shape(ObjectKind::kRectangle, {0, 540, 1062, 75}, 0, teal, 0, 0, 0),
      Shape(ObjectKind::kLine, {60, 300, 940, 0}, 6, std::nullopt),
      Shape(ObjectKind::kLine, {700, 360, 120, 120}, 3, std::nullopt, 0, 1),
      Shape(ObjectKind::kRectangle, {60, 340, 180, 110}, 8, sand, 24),
      Shape(ObjectKind::kRectangle, {270, 340, 180, 110}, 0, sand),
      Shape(ObjectKind::kRectangle, {480, 340, 180, 60}, 5, std::nullopt, 0, 1),
      Shape(ObjectKind::kEllipse, {860, 340, 150, 110}, 6, teal),
      Shape(ObjectKind::kEllipse, {860, 470, 150, 60}, 4, std::nullopt),
      Text({560, 40, 460, 200}, {"{Name} · {Title}", "Right, bottom"}, HorizontalAlign::kRight,
           VerticalAlign::kBottom),
      Text({300, 440, 400, 90}, {"Centred middle"}, HorizontalAlign::kCentre,
           VerticalAlign::kMiddle),
  };
  return card;
}

TEST(FaceObjects, ListInDrawingOrderAndTheTopmostUnderAPointIsTakenHoldOf) {
  CardState card;
  card.photo.name = QStringLiteral("p.png");  // covers 100..300 × 150..250
  std::tie(card.photo.width, card.photo.height, card.photo.x, card.photo.y) =
      std::tuple(200.0f, 100.0f, 200.0f, 200.0f);
  card.qrCode = PlacedQrCode{QrContent::kFreeText, QStringLiteral("x"), 900, 450, 200};
  const QRgb ink = qRgb(1, 1, 1);
  card.objects = {Shape(ObjectKind::kRectangle, {150, 150, 100, 100}, 10, ink, 0, 0, 0),
                  Shape(ObjectKind::kLine, {0, 0, 100, 100}, 4, std::nullopt, 0, 0, kLayoutTextZ),
                  Shape(ObjectKind::kEllipse, {500, 100, 200, 100}, 0, ink, 0, 0, kQrCodeZ + 1),
                  Shape(ObjectKind::kRectangle, {850, 300, 100, 40}, 0, ink, 0, 1, kPhotoZ),
                  PlacedObject()};
  card.objects[4].kind = static_cast<ObjectKind>(42);
  card.objects[4].source = KeptSource{{1, 2, 3}};

  std::vector<std::pair<ObjectKind, int>> order;
  for (const FaceObject& item : FaceObjects(card)) order.emplace_back(item.object.kind, item.added);
  EXPECT_EQ(order, (std::vector<std::pair<ObjectKind, int>>{
                       {ObjectKind::kRectangle, 0}, {static_cast<ObjectKind>(42), 4},
                       {ObjectKind::kPhoto, -1}, {ObjectKind::kRectangle, 3},
                       {ObjectKind::kLine, 1}, {ObjectKind::kQrCode, -1},
                       {ObjectKind::kEllipse, 2}}));
  // Point, tolerance and what is taken hold of: the photo over the rectangle under it, a stroke
  // past its box, a line's stroke and not its box, an ellipse and not its box's corner, a turned
  // box by its turned footprint, never the later version's kind.
  const std::tuple<QPointF, float, Hit> hits[] = {
      {{200, 200}, 0, std::pair{ObjectKind::kPhoto, -1}},
      {{146, 146}, 0, std::pair{ObjectKind::kRectangle, 0}},
      {{144, 144}, 0, std::nullopt},
      {{50, 51}, 0, std::pair{ObjectKind::kLine, 1}},
      {{50, 60}, 0, std::nullopt},
      {{50, 60}, 8, std::pair{ObjectKind::kLine, 1}},
      {{600, 150}, 0, std::pair{ObjectKind::kEllipse, 2}},
      {{510, 110}, 0, std::nullopt},
      {{900, 300}, 0, std::pair{ObjectKind::kRectangle, 3}},
      {{860, 310}, 0, std::nullopt},
      {{900, 360}, 0, std::pair{ObjectKind::kQrCode, -1}},
      {{700, 500}, 0, std::nullopt},
  };
  for (const auto& [point, tolerance, expected] : hits) {
    const std::optional<FaceObject> hit = ObjectAt(card, point, tolerance);
    EXPECT_EQ(hit ? Hit(std::pair(hit->object.kind, hit->added)) : std::nullopt, expected)
        << point.x() << "," << point.y() << " ±" << tolerance;
  }
}

// A renderer that drew the card before draws each change as a fresh one does: nothing kept for a
// shape (its sprite, a text box's layout) outlives a change of it.
TEST(CardRenderer, AChangedObjectIsDrawnAsAFreshRendererDrawsIt) {
  test::EnsureGuiApplication();
  const std::function<void(PlacedObject&)> changes[] = {
      [](PlacedObject& o) { o.left += 1; },
      [](PlacedObject& o) { o.top += 0.5f; },
      [](PlacedObject& o) { o.width += 3; },
      [](PlacedObject& o) { o.quarterTurns = 1; },
      [](PlacedObject& o) {
        if (auto* shape = std::get_if<ShapeSource>(&o.source)) shape->fill = qRgb(200, 0, 0);
        if (auto* text = std::get_if<TextSource>(&o.source)) text->lines.line[0] = "Changed";
      },
  };
  CardRenderer kept(nullptr, DataFolder());
  CardState card = ShapesCard();
  for (const int divisor : {1, 3}) {
    for (size_t c = 0; c < std::size(changes); ++c) {
      for (size_t i = 0; i < card.objects.size(); ++i) {
        kept.Render(card, divisor, kPrintWidth / divisor, kPrintHeight / divisor);
        changes[c](card.objects[i]);
        CardRenderer fresh(nullptr, DataFolder());
        EXPECT_TRUE(kept.Render(card, divisor, kPrintWidth / divisor, kPrintHeight / divisor) ==
                    fresh.Render(card, divisor, kPrintWidth / divisor, kPrintHeight / divisor))
            << "change " << c << " of object " << i << " at 1/" << divisor;
      }
    }
  }
}

TEST(Golden, ShapesAndTextBoxesOnTheCardAndThroughAPdf) {
  test::EnsureGuiApplication();
  test::TempFolder folder;
  CardRenderer renderer(nullptr, folder.Path());
  const CardState card = ShapesCard();
  const QImage printImage = renderer.Render(card, 1, kPrintWidth, kPrintHeight);
  EXPECT_TRUE(test::MatchesCardGolden(printImage, "objects"));
  EXPECT_TRUE(test::MatchesCardGolden(renderer.Render(card, 3, 354, 205), "objects_preview"));

  if (std::system("pdftoppm -v > /dev/null 2>&1") != 0) GTEST_SKIP() << "poppler is missing";
  const std::string pdf = (folder.Path() / "objects.pdf").string();
  const QImage vector = test::CardThroughPdf(renderer, card, pdf);
  ASSERT_EQ(vector.size(), printImage.size());
  // Away from edges (a pixel whose 5 × 5 neighbourhood on the print image is all one colour),
  // the two rasterisers agree within 2/255.
  int worst = 0;
  for (int y = 2; y < printImage.height() - 2; ++y) {
    for (int x = 2; x < printImage.width() - 2; ++x) {
      bool flat = true;
      for (int v = -2; v <= 2; ++v)
        for (int u = -2; u <= 2; ++u)
          flat = flat && test::Rgb(printImage, x + u, y + v) == test::Rgb(printImage, x, y);
      const uint32_t p = test::Rgb(printImage, x, y), q = test::Rgb(vector, x, y);
      for (int shift = 0; flat && shift < 24; shift += 8)
        worst = std::max(worst, std::abs(int((p >> shift) & 255) - int((q >> shift) & 255)));
    }
  }
  EXPECT_LE(worst, 2);
  // The file is sound, the text is text, and the shapes are paths: the one picture is the
  // background.
  EXPECT_EQ(test::RunShell("qpdf --check '" + pdf + "' 2>&1").code, 0);
  const test::ShellOutcome text = test::RunShell("pdftotext '" + pdf + "' -");
  EXPECT_TRUE(test::Says(text, "Centred middle"));
  EXPECT_TRUE(test::Says(text, "Right, bottom"));
  EXPECT_EQ(test::RunShell("pdfimages -list '" + pdf + "' | tail -n +3 | wc -l").output, "1\n");
}

}  // namespace
}  // namespace tavolo
