#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <optional>
#include <tuple>
#include <utility>

#include "core/card/BackgroundTable.h"
#include "core/card/LayoutTable.h"
#include "core/card/PlainFileName.h"
#include "core/editing/PhotoFit.h"
#include "core/render/CardRenderer.h"
#include "core/render/PictureGeometry.h"
#include "tests/core/GoldenImage.h"
#include "tests/core/TestFolders.h"
#include "tests/core/render/RenderTestSupport.h"

namespace tavolo {
namespace {

using test::MakePicture;
using test::ReportRecorder;
using test::Rgb;

// A soft, many-coloured background, so tint and gradient both show.
RasterImage SyntheticBackground() {
  return MakePicture(1062, 615, [](uint32_t x, uint32_t y) {
    const int r = 205 + static_cast<int>(35 * std::sin(x / 97.0));
    const int g = 190 + static_cast<int>(40 * std::cos(y / 61.0 + x / 400.0));
    const int b = 225 - static_cast<int>(x * 70 / 1062);
    const int ring = ((x - 800) * (x - 800) + (y - 150) * (y - 150)) / 900 % 12 == 0 ? 18 : 0;
    return static_cast<uint32_t>(((r - ring) << 16) | ((g - ring) << 8) | (b - ring));
  });
}

struct Fixture {
  BackgroundTable table;
  test::TempFolder folder;
  const std::filesystem::path& photos = folder.Path();
  Fixture() {
    test::EnsureGuiApplication();
    table.Append({}, MakePicture(8, 8, [](uint32_t, uint32_t) { return 0x203040u; }), 0.0f);
    table.Append({}, SyntheticBackground(), 0.0f);
  }
  void SavePhoto(const char* name, const RasterImage& image) const {
    RasterImage copy = image;
    ASSERT_TRUE(copy.Save(photos / name, kFormatBmp)) << copy.GetLastError();
  }
};

CardState TextCard(int layoutIndex) {
  CardState card;
  card.layoutIndex = layoutIndex;
  card.backgroundIndex = 1;
  card.boxCount = FieldDistribution(layoutIndex, DefaultContactDetails(), card.lines);
  card.styles.fill({.size = "26", .textColour = {150, 120, 0}, .brightness = 0.18f});
  card.styles[0] = {.size = "52", .style = "Bold", .textColour = {160, 200, 0}, .brightness = 0.3f};
  std::tie(card.styles[1].size, card.styles[1].style) = std::tuple("34", "Bold Italic");
  card.styles[2].style = "Italic";
  return card;
}

// Every byte of the two pictures, the one RGB32 leaves unused included.
bool SameBytes(const QImage& a, const QImage& b) {
  return a.size() == b.size() && std::memcmp(a.constBits(), b.constBits(), a.sizeInBytes()) == 0;
}

TEST(CardRenderer, PrintImageIsTheCardAtItsOwnSizeWithItsDpi) {
  Fixture fx;
  CardRenderer renderer(&fx.table, fx.photos);
  CardState card = TextCard(0);
  // 85 × 55 mm at 600 dpi.
  std::tie(card.cardWidth, card.cardHeight, card.dpi) = std::tuple(2008.0f, 1300.5f, 600);
  const RasterImage print = renderer.RenderPrintImage(card);
  ASSERT_TRUE(print.IsValid());
  EXPECT_EQ(std::tuple(print.GetWidth(), print.GetHeight(), print.GetBpp()),
            std::tuple(2008u, 1300u, 24u));
  EXPECT_EQ(std::pair(print.GetXDpi(), print.GetYDpi()), std::pair(600, 600));
  card.cardWidth = 0.0f;  // a damaged size gives no print image, not a wrong one
  EXPECT_FALSE(renderer.RenderPrintImage(card).IsValid());
}

TEST(CardRenderer, TheTintedBackgroundIsBuiltOncePerSizeAndMatchesAnUncachedRendering) {
  Fixture fx;
  CardRenderer renderer(&fx.table, fx.photos);
  CardState card = TextCard(0);
  std::tie(card.hueShift, card.satShift, card.gradScale, card.bgShift) =
      std::tuple(0.2f, 0.1f, 0.5f, 0.1f);
  const QImage first = renderer.Render(card, 3, 354, 205);
  const QImage second = renderer.Render(card, 3, 354, 205);
  EXPECT_EQ(renderer.GetStats().backgroundBuilds, 1);
  EXPECT_TRUE(SameBytes(first, second));

  renderer.DropBackgroundCache();
  EXPECT_TRUE(SameBytes(first, renderer.Render(card, 3, 354, 205)));
  EXPECT_EQ(renderer.GetStats().backgroundBuilds, 2);

  renderer.Render(card, 2, 531, 307);  // another size rebuilds
  EXPECT_EQ(renderer.GetStats().backgroundBuilds, 3);

  // Gradient changes need no new background.
  card.bgShift = 0.5f;
  card.gradOrientation = kGradRightToLeft;
  const QImage cached = renderer.Render(card, 2, 531, 307);
  EXPECT_EQ(renderer.GetStats().backgroundBuilds, 3);
  CardRenderer fresh(&fx.table, fx.photos);
  EXPECT_TRUE(SameBytes(cached, fresh.Render(card, 2, 531, 307)));

  // A one-off rendering takes the kept background and keeps none after it, the same pixels.
  EXPECT_TRUE(SameBytes(cached, renderer.Render(card, 2, 531, 307, CardRenderer::Reuse::kOnce)));
  renderer.Render(card, 2, 531, 307, CardRenderer::Reuse::kOnce);
  EXPECT_EQ(renderer.GetStats().backgroundBuilds, 4);
  renderer.Render(card, 2, 531, 307);
  EXPECT_EQ(renderer.GetStats().backgroundBuilds, 5);
}

TEST(CardRenderer, ABackgroundTableChangedInPlaceIsNeverDrawnStale) {
  test::EnsureGuiApplication();
  const auto flat = [](uint32_t colour) {
    return MakePicture(64, 32, [colour](uint32_t, uint32_t) { return colour; });
  };
  BackgroundTable table;
  table.Append({}, flat(0xC02020u), 0.0f);
  CardRenderer renderer(&table, {});
  CardState card;
  card.boxCount = 3;
  ASSERT_EQ(Rgb(renderer.Render(card, 6, 177, 102), 90, 50), 0xC02020u);

  BackgroundTable green;
  green.Append({}, flat(0x20C020u), 0.0f);
  const std::tuple<const char*, std::function<void(BackgroundTable&)>, uint32_t> changes[] = {
      // Copying over equal sizes reuses the pixel buffer: the same address, other pixels.
      {"copied over", [&](BackgroundTable& t) { t = green; }, 0x20C020u},
      // Nothing left to draw: white, not the last picture.
      {"moved away", [](BackgroundTable& t) { BackgroundTable taken(std::move(t)); }, 0xFFFFFFu},
      {"appended to", [&](BackgroundTable& t) { t.Append({}, flat(0x808000u), 0.0f); }, 0x808000u},
  };
  for (const auto& [name, apply, shown] : changes) {
    apply(table);
    EXPECT_EQ(Rgb(renderer.Render(card, 6, 177, 102), 90, 50), shown) << name;
  }
}

TEST(PlacedPicture, ThePhotoIsCentredAtItsOwnSizeAndATrimKeepsTheRestInPlace) {
  PlacedPicture p(PictureKind::kPhoto);
  std::tie(p.width, p.height, p.x, p.y) = std::tuple(200, 100, 500, 300);
  // At full size and untrimmed the pixel test below finds its edges.
  EXPECT_EQ(PictureRectangle(p, 200, 100, 2), (PixelRect{200, 125, 300, 175}));
  p.reduction = 0.5f;
  EXPECT_EQ(PictureRectangle(p, 200, 100, 1), (PixelRect{450, 275, 550, 325}));

  PlacedPicture t(PictureKind::kPhoto);
  std::tie(t.width, t.height, t.trimLeft, t.trimBottom) = std::tuple(200, 100, 1, 1);
  const PixelRect crop = TrimEdges(t, 200, 100);
  EXPECT_EQ(crop, (PixelRect{95, 0, 200, 52}));  // 47.5 % off the left and the bottom
  // The centre moves right by 0.475 × 0.5 × width and up by the same share of the height.
  EXPECT_EQ(PictureRectangle(t, crop.Width(), crop.Height(), 1), (PixelRect{495, 250, 600, 302}));
}

TEST(PhotoFit, LargePicturesAreFittedByHeightFirstThenByWidth) {
  const std::tuple<float, float, std::optional<float>> cases[] = {
      {2000, 1000, 1.0f - 307.5f / 1000.0f},  // higher than half the card
      {400, 200, std::nullopt},               // fits as it is
      {1200, 300, 1.0f - 531.0f / 1200.0f},   // only wider than half the card
      {2000, 400, 1.0f - 307.5f / 400.0f},    // both: the height decides
      {531, 307.5f, std::nullopt},            // exactly half fits
  };
  for (const auto& [width, height, reduction] : cases) {
    EXPECT_EQ(FitReduction(width, height, 1062, 615), reduction) << width << "x" << height;
  }
}

TEST(PlainFileName, OnlyNamesThatStayInsideThePhotoFolderAreFiles) {
  const std::pair<QString, bool> cases[] = {
      {QStringLiteral("my..photo.jpg"), true},
      {QStringLiteral("\u540d\u7247.png"), true},
      {QString(), false},
      {QStringLiteral(".."), false},
      {QStringLiteral("/etc/passwd"), false},
      {QStringLiteral("sub\\me.jpg"), false},
      {QStringLiteral("me.jpg") + QChar(u'\0') + QStringLiteral(".png"), false},
  };
  for (const auto& [name, plain] : cases)
    EXPECT_EQ(IsPlainFileName(name), plain) << name.toStdString();
}

TEST(CardRenderer, NamesWithPathPartsAreNeverRead) {
  Fixture fx;
  const auto inner = fx.photos / "customphotos";
  std::filesystem::create_directories(inner);
  fx.SavePhoto("outside.bmp", MakePicture(40, 20, [](uint32_t, uint32_t) { return 0xC04040u; }));
  CardRenderer renderer(&fx.table, inner);
  CardState card;  // on the dark background
  card.photo.name = QStringLiteral("../outside.bmp");
  card.logo.name = QString::fromStdString((fx.photos / "outside.bmp").string());
  const QImage image = renderer.Render(card, 1, 1062, 615);
  EXPECT_EQ(renderer.GetStats().Loads(PictureKind::kPhoto), 0);
  EXPECT_EQ(renderer.GetStats().Loads(PictureKind::kLogo), 0);
  EXPECT_EQ(Rgb(image, 500, 300), 0x203040u);
}

TEST(CardRenderer, LogoTurnsOnceAndItsQuarterTurnSwapsTheRectangle) {
  Fixture fx;
  // 40 × 20, red with a blue first column: a quarter turn clockwise puts it at the top.
  fx.SavePhoto("logo.bmp", MakePicture(40, 20, [](uint32_t x, uint32_t) {
                 return x == 0 ? 0x0000FFu : 0xFF0000u;
               }));
  CardRenderer renderer(&fx.table, fx.photos);
  CardState card;  // on the dark background
  PlacedPicture& logo = card.logo;
  std::tie(logo.name, logo.x, logo.y, logo.angle) =
      std::tuple(QStringLiteral("logo.bmp"), 300, 200, 90);
  const QImage image = renderer.Render(card, 1, 1062, 615);
  // Rectangle (290, 180)–(310, 220): 20 wide, 40 high.
  EXPECT_EQ(Rgb(image, 290, 180), 0x0000FFu);
  EXPECT_EQ(Rgb(image, 310, 200), 0x203040u);
  renderer.Render(card, 1, 1062, 615);
  EXPECT_EQ(renderer.GetStats().pictureTurns, 1);
  renderer.DropTurnedPictures();
  renderer.Render(card, 1, 1062, 615);
  EXPECT_EQ(renderer.GetStats().pictureTurns, 2);
  EXPECT_EQ(renderer.GetStats().Loads(PictureKind::kLogo), 1);
  // A new placement reloads the logo and turns it again for its own angle.
  card.logo.angle = 0;
  const QImage upright = renderer.Render(card, 1, 1062, 615);
  EXPECT_EQ(renderer.GetStats().pictureTurns, 3);
  EXPECT_EQ(Rgb(upright, 280, 200), 0x0000FFu);
}

// A red disc on clear ground, its edge partly transparent: alpha of pixel (x, y from the top).
uint8_t DiscAlpha(uint32_t x, uint32_t y) {
  const double distance = std::hypot(x + 0.5 - 30.0, y + 0.5 - 30.0);
  return static_cast<uint8_t>(std::clamp((24.5 - distance) * 255.0, 0.0, 255.0));
}

TEST(CardRenderer, ALogoWithAlphaLeavesTheCardAroundItsShapeUntouchedTurnedOrNot) {
  Fixture fx;
  RasterImage disc = MakePicture(60, 60, [](uint32_t, uint32_t) { return 0xFF0000u; });
  ASSERT_TRUE(disc.AddAlpha());
  for (uint32_t y = 0; y < 60; ++y) {
    for (uint32_t x = 0; x < 60; ++x) disc.GetAlphaRow(59 - y)[x] = DiscAlpha(x, y);
  }
  ASSERT_TRUE(disc.Save(fx.photos / "disc.png", kFormatPng)) << disc.GetLastError();
  CardRenderer renderer(&fx.table, fx.photos);
  CardState card;  // on the dark background
  const QImage bare = renderer.Render(card, 1, 1062, 615);
  PlacedPicture& logo = card.logo;
  std::tie(logo.name, logo.width, logo.height, logo.x, logo.y) =
      std::tuple(QStringLiteral("disc.png"), 60, 60, 300, 200);
  for (const float angle : {0.0f, 90.0f}) {
    logo.angle = angle;
    const QImage image = renderer.Render(card, 1, 1062, 615);
    int edges = 0;
    // The logo covers (270, 170)–(330, 230); the disc is the same after a quarter turn.
    for (uint32_t y = 0; y < 60; ++y) {
      for (uint32_t x = 0; x < 60; ++x) {
        const int cx = 270 + static_cast<int>(x);
        const int cy = 170 + static_cast<int>(y);
        const uint8_t alpha = DiscAlpha(x, y);
        if (alpha == 0) {
          ASSERT_EQ(Rgb(image, cx, cy), Rgb(bare, cx, cy)) << angle << ": " << x << "," << y;
        } else if (alpha == 255) {
          ASSERT_EQ(Rgb(image, cx, cy), 0xFF0000u) << angle << ": " << x << "," << y;
        } else if (alpha > 32 && alpha < 224) {
          // Blended: redder than the card, darker than the disc.
          const uint32_t red = Rgb(image, cx, cy) >> 16;
          EXPECT_GT(red, Rgb(bare, cx, cy) >> 16) << angle << ": " << x << "," << y;
          EXPECT_LT(red, 255u) << angle << ": " << x << "," << y;
          ++edges;
        }
      }
    }
    EXPECT_GT(edges, 20) << angle;
  }
}

TEST(CardRenderer, UnusableSizeIsReportedAsLackOfMemory) {
  Fixture fx;
  ReportRecorder recorder;
  CardRenderer renderer(&fx.table, fx.photos);
  CardState card;
  EXPECT_TRUE(renderer.Render(card, 1, 0, 615).isNull());
  EXPECT_TRUE(renderer.Render(card, 1, 100000, 100000).isNull());
  EXPECT_TRUE(recorder.Saw("not enough memory to complete operation"));
}

TEST(Golden, EveryLayout) {
  Fixture fx;
  for (int layoutIndex = 0; layoutIndex < kLayoutCount; ++layoutIndex) {
    CardRenderer renderer(&fx.table, fx.photos);
    CardState card = TextCard(layoutIndex);
    card.gradOrientation = layoutIndex % 4;
    card.bgShift = 0.08f;
    card.gradScale = 0.35f;
    card.backgroundColour = {20.0f * layoutIndex, 150.0f, 0.0f};
    card.bgBrightness = 0.85f;
    if (layoutIndex % 2 == 1) card.hueShift = 0.1f * layoutIndex / 9;
    EXPECT_TRUE(test::MatchesCardGolden(renderer.Render(card, 2, 531, 307),
                                        QStringLiteral("layout%1").arg(layoutIndex + 1)));
  }
}

TEST(Golden, FramesOfEveryModeUprightAndTurned) {
  Fixture fx;
  CardRenderer renderer(&fx.table, fx.photos);
  CardState frames = TextCard(5);
  // Each box's frame mode, opacity and fill.
  const std::tuple<int, float, HslColour> modes[] = {{kFrameExact, 0.0f, {0, 240, 240}},
                                                     {kFrameLeft, 0.3f, {140, 180, 200}},
                                                     {kFrameRight, 0.5f, {30, 200, 190}},
                                                     {kFrameCardLong, 0.6f, {200, 120, 60}},
                                                     {kFrameExact, 0.2f, {80, 100, 210}}};
  for (int box = 0; box < 5; ++box) {
    TextBoxStyle& style = frames.styles[box];
    std::tie(style.frameMode, style.opacity, style.frameColour) = modes[box];
    style.frameSize = 3 + box;
  }
  CardState rotated = TextCard(6);
  rotated.lines[0].line[0] = QStringLiteral("Northwind Atelier");
  TextBoxStyle& name = rotated.styles[0];
  std::tie(name.frameMode, name.opacity, name.frameColour, name.textColour, name.brightness) =
      std::tuple(kFrameCardLong, 0.25f, HslColour{150, 90, 40}, HslColour{}, 1.0f);
  std::tie(rotated.styles[1].frameMode, rotated.styles[1].opacity) = std::tuple(kFrameRight, 0.4f);
  TextBoxStyle& third = rotated.styles[2];
  std::tie(third.frameMode, third.opacity, third.frameSize) = std::tuple(kFrameExact, 0.15f, 6);
  rotated.lightShift = -0.05f;
  for (const auto& [card, golden] : {std::pair{frames, "frames"}, {rotated, "rotated"}})
    EXPECT_TRUE(test::MatchesCardGolden(renderer.Render(card, 1, 1062, 615), golden));
}

TEST(Golden, PhotoWithTrimsAndRotatedLogo) {
  Fixture fx;
  fx.SavePhoto("portrait.bmp", MakePicture(240, 300, [](uint32_t x, uint32_t y) {
                 const int dx = static_cast<int>(x) - 120;
                 const int dy = static_cast<int>(y) - 130;
                 if (dx * dx + dy * dy < 70 * 70) return 0xE8B894u;    // face
                 if (y > 200 && std::abs(dx) < 100) return 0x35507Au;  // shoulders
                 return static_cast<uint32_t>(0x9FC3D8 - (y / 20) * 0x010101);
               }));
  // An arrow pointing right on a pale ground: its turn is easy to see.
  fx.SavePhoto("arrow.bmp", MakePicture(200, 100, [](uint32_t x, uint32_t y) {
                 const int cy = std::abs(static_cast<int>(y) - 50);
                 if (x < 120 && cy < 15) return 0xC0392Bu;
                 if (x >= 120 && x < 190 && cy < (190 - static_cast<int>(x)) * 45 / 70)
                   return 0xC0392Bu;
                 return 0xF4EFE6u;
               }));
  CardState card = TextCard(3);
  PlacedPicture& p = card.photo;
  std::tie(p.name, p.width, p.height, p.x, p.y, p.trimLeft, p.trimRight, p.trimTop, p.reduction) =
      std::tuple(QStringLiteral("portrait.bmp"), 240, 300, 200, 330, 0.4f, 0.2f, 0.3f, 0.1f);
  PlacedPicture& l = card.logo;
  std::tie(l.name, l.x, l.y, l.angle, l.reduction) =
      std::tuple(QStringLiteral("arrow.bmp"), 470, 330, 90, 0.3f);
  CardRenderer renderer(&fx.table, fx.photos);
  EXPECT_TRUE(test::MatchesCardGolden(renderer.Render(card, 1, 1062, 615), "photo_logo"));
  EXPECT_TRUE(test::MatchesCardGolden(renderer.Render(card, 3, 354, 205), "photo_logo_preview"));
}

}  // namespace
}  // namespace tavolo
