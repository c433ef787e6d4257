#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include <QFontMetrics>

#include "core/card/ClearGround.h"
#include "core/card/LayoutTable.h"
#include "core/card/ShrinkToFit.h"
#include "core/document/CardDocument.h"
#include "core/render/CardRenderer.h"
#include "core/render/TextBoxLayout.h"
#include "tests/core/GoldenImage.h"
#include "tests/core/render/RenderTestSupport.h"

namespace tavolo {
namespace {

constexpr uint32_t kGround = 0x203040u;
constexpr PixelRect kCard{0, 0, 1062, 615};
// Forty characters: wider than the card at the company name's size.
constexpr const char* kLongName = "Northwind Precision Engineering Partners";

// Box 0 of layout 1 (top left) holding `lines` in `face`, white on a plain dark card.
CardState OneBoxCard(const char* face, const char* style, const char* size,
                     std::initializer_list<const char*> lines) {
  test::EnsureGuiApplication();
  CardState card;
  card.boxCount = 3;
  card.styles[0] = {.size = size, .face = face, .style = style, .brightness = 1.0f};
  test::SetLines(card, 0, lines);
  return card;
}

TEST(TextBoxLayout, ShrinkToFitDrawsOnlyATooWideLineSmallerAndNeverBelowSixPoints) {
  const QString hundredWs(100, QLatin1Char('W'));
  const std::tuple<const char*, QString, bool, float, bool, bool> cases[] = {
      {"long, not shrinking", QString::fromUtf8(kLongName), false, 615.0f, false, true},
      {"long, shrinking", QString::fromUtf8(kLongName), true, 615.0f, true, false},
      {"short, shrinking", QStringLiteral("Northwind"), true, 615.0f, false, false},
      // 6 pt on a card 1230 pixels high is 11 pixels (0.6 − 12, truncated).
      {"too long even at 6 pt", hundredWs, true, 1230.0f, true, true},
  };
  for (const auto& [name, text, shrink, cardHeight, shrunk, tooWide] : cases) {
    CardState card = OneBoxCard("Liberation Sans", "Bold", "60", {});
    card.cardHeight = cardHeight;
    card.lines[0] = KeptLines(QStringList{QStringLiteral("Ltd"), text});
    SetShrinkToFit(card, 0, shrink);
    const PlacementRow& row = PlacementRows(card.layoutIndex)[0];
    const TextBoxLayout layout = LayOutTextBox(card, 0, kCard, row.offset, row.align, row.angle);
    ASSERT_EQ(layout.lines.size(), 2u) << name;
    const LaidOutLine& line = layout.lines[1];
    EXPECT_EQ(layout.lines[0].font, layout.font) << name;  // the short line keeps its size
    EXPECT_EQ(line.font.pixelSize() < layout.font.pixelSize(), shrunk) << name;
    EXPECT_EQ(line.tooWide, tooWide) << name;
    EXPECT_EQ(line.height, layout.lineHeight) << name;  // the slot stays the box's
    EXPECT_EQ(LinesTooWide(card, 0), tooWide ? QStringList{text} : QStringList{}) << name;
    if (shrunk && !tooWide) {
      // The largest size that fits: one pixel more would not.
      QFont larger = line.font;
      larger.setPixelSize(line.font.pixelSize() + 1);
      EXPECT_LE(line.width, layout.room) << name;
      EXPECT_GT(QFontMetrics(larger).horizontalAdvance(line.text), layout.room) << name;
    }
    if (shrunk && tooWide) {
      EXPECT_EQ(line.font.pixelSize(), 11) << name;
    }
  }
  // Every line too wide is named, not only the first.
  CardState two = OneBoxCard("Liberation Sans", "Bold", "60", {});
  two.lines[0] =
      KeptLines(QStringList{QString::fromUtf8(kLongName), QStringLiteral("Ltd"), hundredWs});
  EXPECT_EQ(LinesTooWide(two, 0), (QStringList{QString::fromUtf8(kLongName), hundredWs}));
}

TEST(TextBoxLayout, AFrameReachingPastTheMarginNarrowsTheRoomSoItStaysOnTheCard) {
  const std::tuple<int, int, int, int> cases[] = {
      {kFrameNone, 15, kAlignLeft, 962},        // the inner area: 1062 less two margins of 50
      {kFrameExact, 5, kAlignLeft, 962},        // 20 pixels of frame fit in the margin
      {kFrameExact, 15, kAlignLeft, 952},       // 60 do not: 1062 − 60 − 50
      {kFrameLeft, 15, kAlignRight, 952},       //
      {kFrameCardLong, 15, kAlignCenter, 942},  // 1062 − 2 × 60
  };
  for (const auto& [frameMode, frameSize, align, room] : cases) {
    CardState card = OneBoxCard("Liberation Sans", "Regular", "20", {"A"});
    card.styles[0].frameMode = frameMode;
    card.styles[0].frameSize = frameSize;
    EXPECT_EQ(LayOutTextBox(card, 0, kCard, kOffsetTop, align, 0).room, room)
        << frameMode << " " << frameSize << " " << align;
  }
}

TEST(TextBoxLayout, ALineKeepsClearOfPicturesOtherBoxesTextAndATemplatesArtwork) {
  // Box 0 of layout 1 starts at x 50, its one line 50 to about 120 high; 6 pixels stay clear.
  const auto logoAt = [](float x, float y) {
    return [x, y](CardState& c) {
      c.logo.name = QStringLiteral("logo.png");
      c.logo.width = c.logo.height = 100;
      c.logo.x = x;
      c.logo.y = y;
    };
  };
  const auto clearTo = [](int right, int background) {
    return [right, background](CardState& c) {
      std::array<std::optional<PixelRect>, kTextBoxCount> areas{};
      areas[0] = PixelRect{44, 44, right, 126};
      SetClearGround(c, areas);
      c.backgroundIndex += background;  // measured for another background
    };
  };
  const std::tuple<const char*, std::function<void(CardState&)>, int> cases[] = {
      {"a logo beside the line", logoAt(650, 80), 600 - 6 - 50},
      {"a logo below it", logoAt(650, 400), 962},
      {"a logo over its start: placed there, not run into", logoAt(60, 80), 962},
      {"a QR code beside it",
       [](CardState& c) {
         c.qrCode.emplace();
         c.qrCode->x = 750;
         c.qrCode->y = 100;
         c.qrCode->side = 200;
       },
       650 - 6 - 50},
      {"a template's clear ground, glyphs 6 pixels within it", clearTo(500, 0), 444},
      {"clear ground measured for another background", clearTo(500, 1), 962},
  };
  for (const auto& [what, change, room] : cases) {
    for (const bool shrink : {false, true}) {
      CardState card = OneBoxCard("Liberation Sans", "Bold", "60", {kLongName});
      SetShrinkToFit(card, 0, shrink);
      change(card);
      const TextBoxLayout layout = *LayOutCardText(card, kCard)[0];
      const LaidOutLine& line = layout.lines[0];
      EXPECT_EQ(line.room, room) << what;
      EXPECT_EQ(line.tooWide, !shrink) << what;
      EXPECT_EQ(LinesTooWide(card, 0).size(), shrink ? 0u : 1u) << what;
      if (shrink) {
        EXPECT_LE(line.width, room) << what;
      }
    }
  }

  // Two long lines meeting across the card both give way, whichever box comes first.
  CardState two = OneBoxCard("Liberation Sans", "Bold", "60", {kLongName});
  two.boxCount = 5;
  test::SetLines(two, 3, {kLongName});
  ShrinkEveryBoxToFit(two);
  const auto layouts = LayOutCardText(two, kCard);
  const std::span<const PlacementRow> rows = PlacementRows(two.layoutIndex);
  const PixelRect left = LineArea(*layouts[0], layouts[0]->lines[0], kCard, rows[0].align, 0);
  const PixelRect right = LineArea(*layouts[3], layouts[3]->lines[0], kCard, rows[3].align, 0);
  EXPECT_GE(right.left - left.right, 6);
  EXPECT_EQ(layouts[0]->lines[0].room + layouts[3]->lines[0].room, 962 - 6 - 1);
}

TEST(CardDocument, NewCardsShrinkEveryBoxAndACardFromAFileThatDoesNotSayShrinksNone) {
  test::EnsureGuiApplication();
  CardDocument doc(nullptr, {});
  const auto shrinking = [&doc] {
    std::vector<bool> boxes;
    for (int box = 0; box < kTextBoxCount; ++box) boxes.push_back(ShrinksToFit(doc.Working(), box));
    return boxes;
  };
  const std::vector<bool> all(kTextBoxCount, true);
  const std::vector<bool> none(kTextBoxCount, false);
  doc.Start(nullptr);
  EXPECT_EQ(shrinking(), all);
  doc.LoadProject(CardState{}, "old.tvc");
  EXPECT_EQ(shrinking(), none);
  doc.NewProject(CardState{});  // a template that does not say
  EXPECT_EQ(shrinking(), all);
  CardState saysOne;
  SetShrinkToFit(saysOne, 2, true);
  doc.NewProject(saysOne);  // one that does
  EXPECT_EQ(shrinking(), (std::vector<bool>{false, false, true, false, false}));
  doc.NewBlankProject();
  EXPECT_EQ(shrinking(), all);
}

// The bounds of the pixels that are not the card's ground: the text.
PixelRect Ink(const QImage& image) {
  return test::MarkedBounds(image.width(), image.height(), [&](int x, int y) {
    const QRgb p = image.pixel(x, y);
    return std::abs(qRed(p) - qRed(kGround)) > 40 || std::abs(qGreen(p) - qGreen(kGround)) > 40 ||
           std::abs(qBlue(p) - qBlue(kGround)) > 40;
  });
}

TEST(Golden, GlyphsAreDrawnWholeAndTheReducedCardShowsWhatTheFullSizeOneShows) {
  test::EnsureGuiApplication();
  BackgroundTable table;
  table.Append({}, test::MakePicture(8, 8, [](uint32_t, uint32_t) { return kGround; }), 0.0f);
  const std::pair<const char*, CardState> cases[] = {
      {"text_accent", OneBoxCard("League Spartan", "Bold", "50", {"Å"})},
      {"text_fallback", OneBoxCard("League Spartan", "Regular", "50", {"Ωmega"})},
      {"text_long_name", OneBoxCard("Liberation Sans", "Bold", "60", {kLongName})},
  };
  for (const auto& [golden, written] : cases) {
    CardState card = written;
    ShrinkEveryBoxToFit(card);
    CardRenderer renderer(&table, {});
    const QImage exported = renderer.Render(card, 1, 1062, 615);
    // The golden shows the glyphs whole (the ring of Å, the fallback Ω) within the margins.
    EXPECT_TRUE(test::MatchesCardGolden(exported, QString::fromUtf8(golden)));

    // The preview's rendering at a third is the same card reduced, to the pixel.
    const PixelRect ink = Ink(exported);
    const PixelRect shown = Ink(renderer.Render(card, 3, 354, 205));
    EXPECT_NEAR(shown.left, ink.left / 3.0, 1.0) << golden;
    EXPECT_NEAR(shown.top, ink.top / 3.0, 1.0) << golden;
    EXPECT_NEAR(shown.right, ink.right / 3.0, 1.0) << golden;
    EXPECT_NEAR(shown.bottom, ink.bottom / 3.0, 1.0) << golden;
  }
}

}  // namespace
}  // namespace tavolo
