// A drag's composite against the card drawn in full with the dragged objects moved by the same
// whole preview pixels: no pixel is more than a step of rounding apart, whatever lies above or
// below the dragged objects.
#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "core/card/BackgroundTable.h"
#include "core/card/LayoutTable.h"
#include "core/render/DragComposite.h"
#include "tests/core/render/RenderTestSupport.h"

namespace tavolo {
namespace {

using Lifted = std::function<bool(const FaceObject&)>;

// The first layout's bold text, a photo of four flat blocks, the QR code, a band under all of
// them, a disc between the photo and the text, and a text box of its own on top.
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
  const auto add = [&](ObjectKind kind, QRectF box, int z, QRgb fill) {
    PlacedObject& o = card.objects.emplace_back(NewObject(kind, 1062, 615, z));
    std::tie(o.left, o.top, o.width, o.height) =
        std::tuple(box.left(), box.top(), box.width(), box.height());
    if (auto* shape = std::get_if<ShapeSource>(&o.source)) shape->fill = fill;
    return &o;
  };
  add(ObjectKind::kRectangle, {0, 0, 700, 260}, 0, qRgb(250, 230, 120));
  add(ObjectKind::kEllipse, {380, 330, 240, 200}, kLogoZ + 1, qRgb(40, 150, 140));
  TextSource text;
  std::tie(text.lines, text.style.size, text.style.style) =
      std::tuple(KeptLines(QStringList{"Moved text"}), "48", "Bold");
  add(ObjectKind::kTextBox, {520, 60, 420, 120}, kQrCodeZ + 10, 0)->source = text;
  return card;
}

// The card with the objects `lifted` picks moved by (x, y) card pixels.
CardState Moved(CardState card, const Lifted& lifted, float x, float y) {
  for (const FaceObject& item : FaceObjects(card)) {
    if (!lifted(item)) continue;
    auto [left, top] = item.object.kind == ObjectKind::kPhoto ? std::tie(card.photo.x, card.photo.y)
                       : item.object.kind == ObjectKind::kQrCode
                           ? std::tie(card.qrCode->x, card.qrCode->y)
                           : std::tie(card.objects[static_cast<size_t>(item.added)].left,
                                      card.objects[static_cast<size_t>(item.added)].top);
    left += x;
    top += y;
  }
  return card;
}

TEST(DragComposite, LayersLaidTogetherMatchTheMovedCardDrawnInFull) {
  test::EnsureGuiApplication();
  BackgroundTable table;
  table.Append({},
               test::MakePicture(1062, 615,
                                 [](uint32_t x, uint32_t y) {
                                   return (160 + x / 12) << 16 | (150 + y / 8) << 8 |
                                          (200 - x / 20);
                                 }),
               0.0f);
  const auto kind = [](ObjectKind k) {
    return Lifted([k](const FaceObject& i) { return i.object.kind == k; });
  };
  const auto added = [](int n) {
    return Lifted([n](const FaceObject& i) { return i.added == n; });
  };
  const std::tuple<const char*, Lifted, int, int, int> cases[] = {
      {"photo under the disc and the text", kind(ObjectKind::kPhoto), 1, 37, -21},
      {"band under everything, from past the card's edge", added(0), 1, -150, 400},
      {"disc between the photo and the text", added(1), 2, 20, 13},
      {"QR code over the text", kind(ObjectKind::kQrCode), 1, -300, -200},
      {"own text box on top", added(2), 1, -90, 250},
      {"everything under the text", [](const FaceObject& i) { return i.object.z < kLayoutTextZ; },
       3, 11, 9},
  };
  const CardState card = BusyCard();
  for (const auto& [what, lifted, divisor, x, y] : cases) {
    SCOPED_TRACE(what);
    CardRenderer renderer(&table, {});
    const int dx = 1062 / divisor, dy = 615 / divisor;
    DragComposite composite;
    ASSERT_TRUE(composite.Start(renderer, card, divisor, dx, dy, lifted));
    const QImage shown = composite.Compose(x, y).copy();
    const QImage full = renderer.Render(
        Moved(card, lifted, static_cast<float>(x * divisor), static_cast<float>(y * divisor)),
        divisor, dx, dy);
    int different = 0;
    for (int v = 0; v < dy; ++v) {
      for (int u = 0; u < dx; ++u) {
        different += test::ChannelGap(full.pixel(u, v), shown.pixel(u, v)) > 1;
      }
    }
    EXPECT_EQ(different, 0);
  }
  // The layout's text, drawn between the disc and the QR code, cannot lie over the one and under
  // the other.
  CardRenderer renderer(&table, {});
  EXPECT_FALSE(DragComposite().Start(renderer, card, 1, 1062, 615, [](const FaceObject& i) {
    return i.added == 1 || i.object.kind == ObjectKind::kQrCode;
  }));
}

}  // namespace
}  // namespace tavolo
