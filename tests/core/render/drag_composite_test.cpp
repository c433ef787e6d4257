// A drag's composite against the card drawn in full with the dragged objects moved by the same
// whole preview pixels: no pixel is more than a step of rounding apart.
#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "core/card/LayoutTable.h"
#include "core/render/DragComposite.h"
#include "tests/core/render/RenderTestSupport.h"

namespace tavolo {
namespace {

using Lifted = std::function<bool(const FaceObject&)>;

// The first layout's bold text, a photo, the QR code, a band under all of them, a disc between
// the photo and the text, and a text box of its own on top.
CardState BusyCard() {
  CardState card;
  card.boxCount = FieldDistribution(0, DefaultContactDetails(), card.lines);
  card.styles.fill({.size = "40", .style = "Bold", .textColour = {0, 0, 0}, .brightness = 0.1f});
  std::tie(card.photo.name, card.photo.width, card.photo.height, card.photo.x, card.photo.y) =
      std::tuple(QStringLiteral("p.png"), 120.0f, 80.0f, 300.0f, 420.0f);
  card.photo.hash = card.pictures.Add(
      card.photo.name, test::PngFile(120, 80, [](int x, int y) { return qRgb(x * 2, y * 3, 90); }));
  card.qrCode = PlacedQrCode{QrContent::kFreeText, QStringLiteral("tavolo"), 880, 440, 200};
  for (const auto& [kind, left, top, width, height, z] :
       {std::tuple(ObjectKind::kRectangle, 0, 0, 700, 260, 0),
        std::tuple(ObjectKind::kEllipse, 380, 330, 240, 200, kLogoZ + 1),
        std::tuple(ObjectKind::kTextBox, 520, 60, 420, 120, kQrCodeZ + 10)}) {
    PlacedObject& o = card.objects.emplace_back(NewObject(kind, 1062, 615, z));
    std::tie(o.left, o.top, o.width, o.height) = std::tuple(left, top, width, height);
    if (auto* shape = std::get_if<ShapeSource>(&o.source)) shape->fill = qRgb(250, 200, z % 256);
  }
  std::get<TextSource>(card.objects[2].source).lines = KeptLines(QStringList{"Moved text"});
  return card;
}

TEST(DragComposite, LayersLaidTogetherMatchTheMovedCardDrawnInFull) {
  test::EnsureGuiApplication();
  const auto pick = [](ObjectKind kind, int added = -1) {
    return Lifted([=](const FaceObject& i) { return i.object.kind == kind && i.added == added; });
  };
  const std::tuple<const char*, Lifted, int, int, int> cases[] = {
      {"photo under the disc and the text", pick(ObjectKind::kPhoto), 1, 37, -21},
      {"band under everything, from past the card's edge", pick(ObjectKind::kRectangle, 0), 1, -150,
       400},
      {"disc between the photo and the text", pick(ObjectKind::kEllipse, 1), 2, 20, 13},
      {"QR code over the text", pick(ObjectKind::kQrCode), 1, -300, -200},
      {"own text box on top", pick(ObjectKind::kTextBox, 2), 1, -90, 250},
      {"everything under the text", [](const FaceObject& i) { return i.object.z < kLayoutTextZ; },
       3, 11, 9},
  };
  const CardState card = BusyCard();
  for (const auto& [what, lifted, divisor, x, y] : cases) {
    SCOPED_TRACE(what);
    CardRenderer renderer(nullptr, {});
    const int dx = 1062 / divisor, dy = 615 / divisor;
    DragComposite composite;
    ASSERT_TRUE(composite.Start(renderer, card, divisor, dx, dy, lifted));
    const QImage shown = composite.Compose(x, y).copy();
    CardState moved = card;
    for (const FaceObject& item : FaceObjects(card)) {
      if (!lifted(item)) continue;
      const auto n = static_cast<size_t>(item.added);
      auto [left, top] = item.added >= 0 ? std::tie(moved.objects[n].left, moved.objects[n].top)
                         : item.object.kind == ObjectKind::kPhoto
                             ? std::tie(moved.photo.x, moved.photo.y)
                             : std::tie(moved.qrCode->x, moved.qrCode->y);
      std::tie(left, top) = std::tuple(left + x * divisor, top + y * divisor);
    }
    const QImage full = renderer.Render(moved, divisor, dx, dy);
    EXPECT_EQ(test::PixelsApart(full, shown, 1), 0);
  }
  // The layout's text, drawn between the disc and the QR code, cannot lie over the one and under
  // the other.
  CardRenderer renderer(nullptr, {});
  EXPECT_FALSE(DragComposite().Start(renderer, card, 1, 1062, 615, [](const FaceObject& i) {
    return i.added == 1 || i.object.kind == ObjectKind::kQrCode;
  }));
}

}  // namespace
}  // namespace tavolo
