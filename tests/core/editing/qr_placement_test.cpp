// A new QR code goes to the first corner where it covers no text or picture.
#include <gtest/gtest.h>

#include <tuple>

#include "core/editing/QrPlacement.h"
#include "tests/core/render/RenderTestSupport.h"

namespace tavolo {
namespace {

void Place(CardState& card, PictureKind kind, float width, float height, float x, float y) {
  PlacedPicture& picture = card.Picture(kind);
  picture.name = QStringLiteral("p.png");
  std::tie(picture.width, picture.height, picture.x, picture.y) = std::tuple(width, height, x, y);
  EmbedPicture(card, kind, picture.name,
               test::PngFile(static_cast<int>(width), static_cast<int>(height),
                             [](int, int) { return qRgb(200, 30, 30); }));
}

TEST(QrPlacement, ANewCodeTakesTheFirstCornerFreeOfTextAndPicturesAndNoneWhenAllAreTaken) {
  test::EnsureGuiApplication();
  CardRenderer renderer(nullptr, DataFolder());
  CardState card;
  const auto corner = [&](QrCorner c) { return NewQrCode(card.cardWidth, card.cardHeight, c); };
  EXPECT_EQ(PlaceNewQrCode(renderer, card), corner(QrCorner::kLowerRight));
  Place(card, PictureKind::kLogo, 200, 200, 900, 500);
  EXPECT_EQ(PlaceNewQrCode(renderer, card), corner(QrCorner::kLowerLeft));
  // A line of text along the foot of the card takes the lower left corner too.
  card.layoutIndex = 0;
  card.lines[2] = KeptLines(QStringList{QString(60, u'W')});
  card.lines[3] = KeptLines(QStringList{QString(60, u'W')});
  card.lines[4] = KeptLines(QStringList{QString(60, u'W')});
  const std::optional<PlacedQrCode> placed = PlaceNewQrCode(renderer, card);
  ASSERT_TRUE(placed.has_value());
  EXPECT_NE(*placed, corner(QrCorner::kLowerRight));
  Place(card, PictureKind::kPhoto, 1062, 615, 531, 307);
  EXPECT_EQ(PlaceNewQrCode(renderer, card), std::nullopt);
}

}  // namespace
}  // namespace tavolo
