// A drag's composite against the card drawn in full with the dragged objects moved by the same
// whole preview pixels: every pixel away from an edge is the same, whatever lies above or below
// the dragged objects.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <tuple>

#include "core/card/BackgroundTable.h"
#include "core/card/LayoutTable.h"
#include "core/render/DragComposite.h"
#include "tests/core/render/RenderTestSupport.h"

namespace tavolo {
namespace {

PlacedObject Box(ObjectKind kind, QRectF box, QRgb fill, int z, float stroke = 6) {
  PlacedObject o;
  std::tie(o.kind, o.left, o.top, o.width, o.height, o.z) =
      std::tuple(kind, box.left(), box.top(), box.width(), box.height(), z);
  o.source = ShapeSource{qRgb(20, 40, 90), stroke, fill, 0};
  return o;
}

// A card with the first layout's text over a smooth background, a photo of four flat blocks, the
// QR code, a band under the text, a disc over it and a text box of its own.
CardState BusyCard() {
  CardState card;
  card.boxCount = FieldDistribution(0, DefaultContactDetails(), card.lines);
  card.styles.fill({.size = "40", .style = "Bold", .textColour = {0, 0, 0}, .brightness = 0.1f});
  card.photo.name = QStringLiteral("p.png");
  card.photo.hash = card.pictures.Add(card.photo.name, test::PngFile(120, 80, [](int x, int y) {
    return qRgb(x < 60 ? 200 : 30, y < 40 ? 180 : 60, 90);
  }));
  std::tie(card.photo.width, card.photo.height, card.photo.x, card.photo.y) =
      std::tuple(120.0f, 80.0f, 300.0f, 420.0f);
  card.qrCode = PlacedQrCode{QrContent::kFreeText, QStringLiteral("tavolo"), 880, 440, 200};
  TextSource text;
  std::tie(text.lines, text.style.size, text.style.style) =
      std::tuple(KeptLines(QStringList{"Moved text"}), "48", "Bold");
  PlacedObject own = Box(ObjectKind::kTextBox, {520, 60, 420, 120}, 0, kQrCodeZ + 10, 0);
  own.source = text;
  card.objects = {Box(ObjectKind::kRectangle, {0, 0, 700, 260}, qRgb(250, 230, 120), 0),
                  Box(ObjectKind::kEllipse, {380, 330, 240, 200}, qRgb(40, 150, 140), kLogoZ + 1),
                  own};
  return card;
}

// The card with the objects `lifted` picks moved by (x, y) card pixels.
CardState Moved(CardState card, const std::function<bool(const FaceObject&)>& lifted, int x,
                int y) {
  for (const FaceObject& item : FaceObjects(card)) {
    if (!lifted(item)) continue;
    if (item.object.kind == ObjectKind::kPhoto) {
      card.photo.x += x;
      card.photo.y += y;
    } else if (item.object.kind == ObjectKind::kQrCode) {
      card.qrCode->x += x;
      card.qrCode->y += y;
    } else {
      card.objects[static_cast<size_t>(item.added)].left += x;
      card.objects[static_cast<size_t>(item.added)].top += y;
    }
  }
  return card;
}

// Whether the pixel and its eight neighbours differ by no more than a few steps in any colour:
// neither an object's nor a glyph's antialiased edge.
bool Smooth(const QImage& image, int x, int y) {
  const QRgb centre = image.pixel(x, y);
  for (int v = y - 1; v <= y + 1; ++v) {
    for (int u = x - 1; u <= x + 1; ++u) {
      const QRgb p = image.pixel(u, v);
      if (std::abs(qRed(p) - qRed(centre)) > 8 || std::abs(qGreen(p) - qGreen(centre)) > 8 ||
          std::abs(qBlue(p) - qBlue(centre)) > 8) {
        return false;
      }
    }
  }
  return true;
}

TEST(DragComposite, LayersLaidTogetherMatchTheMovedCardDrawnInFull) {
  test::EnsureGuiApplication();
  BackgroundTable table;
  table.Append({}, test::MakePicture(1062, 615, [](uint32_t x, uint32_t y) {
                 return (160 + x / 12) << 16 | (150 + y / 8) << 8 | (200 - x / 20);
               }), 0.0f);
  const auto kind = [](ObjectKind k) { return [k](const FaceObject& i) { return i.object.kind == k; }; };
  const auto added = [](int n) { return [n](const FaceObject& i) { return i.added == n; }; };
  const struct {
    const char* what;
    std::function<bool(const FaceObject&)> lifted;
    int divisor, x, y;
  } cases[] = {
      {"photo under the disc and the text", kind(ObjectKind::kPhoto), 1, 37, -21},
      {"band under everything, partly off the card", added(0), 1, -150, 400},
      {"disc between the photo and the text", added(1), 2, 20, 13},
      {"QR code over the text", kind(ObjectKind::kQrCode), 1, -300, -200},
      {"own text box on top", added(2), 1, -90, 250},
      {"photo and QR code together", [&](const FaceObject& i) {
         return i.object.kind == ObjectKind::kPhoto || i.object.kind == ObjectKind::kQrCode;
       }, 3, 11, 9},
  };
  const CardState card = BusyCard();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CardRenderer renderer(&table, {});
    const int dx = 1062 / c.divisor, dy = 615 / c.divisor;
    DragComposite composite;
    ASSERT_TRUE(composite.Start(renderer, card, c.divisor, dx, dy, c.lifted));
    const QImage shown = composite.Compose(c.x, c.y).copy();
    const QImage full =
        renderer.Render(Moved(card, c.lifted, c.x * c.divisor, c.y * c.divisor), c.divisor, dx, dy);
    int compared = 0, different = 0;
    for (int y = 1; y + 1 < dy; ++y) {
      for (int x = 1; x + 1 < dx; ++x) {
        if (!Smooth(full, x, y) || !Smooth(shown, x, y)) continue;
        ++compared;
        const QRgb a = full.pixel(x, y), b = shown.pixel(x, y);
        if (std::abs(qRed(a) - qRed(b)) > 2 || std::abs(qGreen(a) - qGreen(b)) > 2 ||
            std::abs(qBlue(a) - qBlue(b)) > 2) {
          ++different;
        }
      }
    }
    EXPECT_GT(compared, dx * dy / 2);
    EXPECT_EQ(different, 0);
  }
}

}  // namespace
}  // namespace tavolo
