// The text itself is checked by the golden cards.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>
#include <vector>

#include <QFontMetrics>

#include "core/base/ColourModel.h"
#include "core/render/LayoutThumbnail.h"
#include "core/render/TextBoxRenderer.h"
#include "tests/core/render/RenderTestSupport.h"

namespace tavolo {
namespace {

using test::ReportRecorder;

constexpr uint32_t kGround = 0xFF808080u;

TEST(FontSpec, SizeDivisorCardHeightResolutionAndStyleGiveTheFont) {
  const std::tuple<const char*, const char*, int, float, int, int, FontSpec> cases[] = {
      {"Regular", "36", 1, 615, 300, 0, {-32, 400, false, 0}},     // 3.6 − 36
      {"Regular", "36", 3, 615, 300, 0, {-10, 400, false, 0}},     // 1.2 − 12
      {"Regular", "36", 1, 1230, 300, 0, {-68, 400, false, 0}},    // 3.6 − 72
      {"Regular", "36", 1, 2460, 1200, 0, {-128, 400, false, 0}},  // 4 × the 300-dpi card
      {"Regular", "36", 1, 615, 0, 0, {-32, 400, false, 0}},       // no resolution: as 300
      {"Regular", "big", 1, 615, 300, 0, {0, 400, false, 0}},
      {"Italic", "36", 1, 615, 300, 0, {-32, 0, true, 0}},
      {"Bold Italic", "36", 1, 615, 300, 0, {-32, 700, true, 0}},
      {"Bold", "36", 1, 615, 300, 90, {-32, 700, false, 900}},
  };
  for (const auto& [style, size, divisor, cardHeight, dpi, angle, expected] : cases) {
    const TextBoxStyle font{.size = QString::fromUtf8(size), .style = QString::fromUtf8(style)};
    EXPECT_EQ(MakeFontSpec(font, divisor, cardHeight, angle, dpi), expected)
        << style << " " << size << " " << divisor << " " << cardHeight << " " << dpi << " "
        << angle;
  }
  // The size text is read as a leading integer.
  const std::pair<const char*, int> sizes[] = {
      {"36", 36}, {"  12pt", 12}, {"-8", -8}, {"x12", 0}, {"99999999999999999999", 1'000'000'000}};
  for (const auto& [text, size] : sizes) EXPECT_EQ(ParseFontSize(QString::fromUtf8(text)), size);
}

struct Buffer : test::PixelBuffer {
  Buffer(int w, int h) : PixelBuffer(w, h, kGround) {}
  // The bounding edges of the pixels that differ from the ground.
  PixelRect Changed() const {
    return test::MarkedBounds(dx, dy, [this](int x, int y) { return At(x, y) != kGround; });
  }
};

// The blend as first written: one pixel at a time, a division per byte, a black-bordered
// rectangle with exclusive edges that never reaches the buffer's last row or column.
void BlendRectByHand(std::vector<uint32_t>& buf, int dx, int dy, PixelRect r, uint32_t colour,
                     uint32_t border, int alpha) {
  const int left = std::max(r.left, 0), right = std::min(r.right, dx - 1);
  const int top = std::max(r.top, 0), bottom = std::min(r.bottom, dy - 1);
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      const bool ring = y == top || y == bottom - 1 || x == left || x == right - 1;
      const uint32_t c = ring ? border : colour;
      uint32_t& p = buf[static_cast<size_t>(y) * dx + x];
      uint32_t out = 0;
      for (int s = 0; s < 24; s += 8) {
        out |= (((c >> s) & 0xFF) * (255 - alpha) + ((p >> s) & 0xFF) * alpha) / 255 << s;
      }
      p = out;
    }
  }
}

TEST(BlendRect, AgreesWithThePixelByPixelBlendForRandomRectanglesAndWeights) {
  std::mt19937 random(5);
  constexpr int kDx = 37, kDy = 23;
  for (int i = 0; i < 300; ++i) {
    std::vector<uint32_t> fast(kDx * kDy);
    for (uint32_t& p : fast) p = random();
    std::vector<uint32_t> byHand = fast;
    const int left = static_cast<int>(random() % 40) - 2, top = static_cast<int>(random() % 26) - 2;
    // Widths and heights of 1 and 2 included: a ring with no inside, or one column.
    const PixelRect r{left, top, left + 1 + static_cast<int>(random() % 20),
                      top + 1 + static_cast<int>(random() % 12)};
    const uint32_t colour = random(), border = random();
    const int alpha = static_cast<int>(random() % 256);
    BlendRect(fast.data(), kDx, kDy, r, colour, border, alpha);
    BlendRectByHand(byHand, kDx, kDy, r, colour & 0xFFFFFF, border & 0xFFFFFF, alpha);
    ASSERT_EQ(fast, byHand) << i;
  }
}

constexpr HslColour kWhite{0.0f, 240.0f, 240.0f};

TEST(DrawFrame, NoFrameForNoneUnknownModesAndEmptiedFramesWhichAreReported) {
  const std::tuple<int, PixelRect, int, int, std::vector<const char*>> cases[] = {
      {0, {2, 2, 10, 10}, 5, 2, {}},
      {5, {2, 2, 10, 10}, 5, 2, {}},
      {kFrameExact, {2, 5, 18, 5}, 0, 0, {}},  // empty text without margin is no fault
      {kFrameExact, {2, 5, 18, 8}, 4, -3, {"frct.left<frct.right", "frct.top<frct.bottom"}},
  };
  for (const auto& [mode, text, width, margin, reports] : cases) {
    ReportRecorder recorder;
    Buffer b(20, 20);
    DrawFrame({0, 0, 20, 20}, text, mode, width, 0, kWhite, margin, b.px.data(), 20, 20, 0, 0);
    EXPECT_EQ(b.Changed(), (PixelRect{20, 20, 0, 0})) << mode << " " << margin;
    EXPECT_EQ(recorder.Reports().size(), reports.size()) << mode << " " << margin;
    for (const char* report : reports) EXPECT_TRUE(recorder.Saw(report)) << report;
  }
}

// A one-box card whose box 0 has a solid white Exact frame, for measuring where DrawField puts it.
struct FieldCard {
  CardState card;
  FieldCard() {
    test::EnsureGuiApplication();
    card.boxCount = 3;
    card.styles[0].frameMode = kFrameExact;
    card.styles[0].frameSize = 2;      // f = 8 at divisor 1
    card.styles[0].brightness = 0.0f;  // black text
  }
  QFontMetrics Metrics() const {
    const TextBoxStyle& style = card.styles[0];
    return QFontMetrics(MakeFont(style.face, MakeFontSpec(style, 1, card.cardHeight, 0, card.dpi)));
  }
  PixelRect Frame(int offset, int align) {
    Buffer b(1062, 615);
    EXPECT_EQ(
        DrawField(card, 0, 1, nullptr, {0, 0, 1062, 615}, offset, align, b.px.data(), 1062, 615),
        0);
    return b.Changed();
  }
};

TEST(DrawField, OffsetsPlaceTheBlockAndEmptyLinesTakeNoSpace) {
  FieldCard f;
  test::SetLines(f.card, 0, {"Alpha", "", "Beta Gamma", "Delta"});
  const int lh = f.Metrics().height();
  const int w = f.Metrics().horizontalAdvance(QStringLiteral("Beta Gamma"));
  // Top: inner top 50, three non-empty lines; the frame grows by 8.
  EXPECT_EQ(f.Frame(0, 0), (PixelRect{42, 42, 50 + w + 8, 50 + 3 * lh + 8}));
  // Bottom: starts three line heights above the inner bottom (565).
  EXPECT_EQ(f.Frame(1, 2), (PixelRect{1012 - w - 8, 565 - 3 * lh - 8, 1020, 573}));
  // 30 per cent of the inner height (515) below the inner top.
  const int top = 50 + 515 * 30 / 100;
  EXPECT_EQ(f.Frame(30, 1),
            (PixelRect{(1062 - w) / 2 - 8, top - 8, (1062 - w) / 2 + w + 8, top + 3 * lh + 8}));
  // A box of empty lines frames a band of twice the margin.
  test::SetLines(f.card, 0, {"", ""});
  EXPECT_EQ(f.Frame(0, 0), (PixelRect{42, 42, 58, 58}));
  EXPECT_EQ(f.Frame(1, 0), (PixelRect{42, 557, 58, 573}));
}

TEST(CardPlacementRows, TheCardsAlignmentReplacesTheRowsOwnExceptForLinesRunningUp) {
  // Layout 7: box 0 runs up the card, boxes 1 and 2 are right aligned, at the top and bottom.
  const auto rowsOf = [](std::optional<BoxAlignments> alignments) {
    CardState card;
    card.layoutIndex = 6;
    card.alignments = alignments;
    std::vector<std::tuple<int, int, int, int>> rows;
    for (const PlacementRow& row : CardPlacementRows(card).Rows())
      rows.emplace_back(row.box, row.offset, row.align, row.angle);
    return rows;
  };
  using Rows = std::vector<std::tuple<int, int, int, int>>;
  const Rows own{{0, 0, 2, 90}, {1, 0, 2, 0}, {2, 1, 2, 0}};
  BoxAlignments chosen{};
  chosen[0] = {HorizontalAlign::kLeft, VerticalAlign::kBottom};
  chosen[1] = {HorizontalAlign::kCentre, VerticalAlign::kMiddle};
  chosen[2] = {std::nullopt, VerticalAlign::kTop};
  chosen[4] = {HorizontalAlign::kLeft, VerticalAlign::kTop};
  EXPECT_EQ(rowsOf(std::nullopt), own);
  EXPECT_EQ(rowsOf(BoxAlignments{}), own);
  EXPECT_EQ(rowsOf(chosen), (Rows{{0, 0, 2, 90}, {1, kOffsetMiddle, 1, 0}, {2, 0, 2, 0}}));
}

TEST(DrawField, TheMiddleCentresTheBlockInTheInnerArea) {
  FieldCard f;
  test::SetLines(f.card, 0, {"Alpha", "Beta Gamma"});
  const int lh = f.Metrics().height();
  const int top = 50 + (515 - 2 * lh) / 2;
  EXPECT_EQ(f.Frame(kOffsetMiddle, 0).top, top - 8);
  EXPECT_EQ(f.Frame(kOffsetMiddle, 0).bottom, top + 2 * lh + 8);
}

TEST(LayOutCardText, ABoxPlacedFreelyStandsWhereItWasPutAlignedAndFramedInIt) {
  test::EnsureGuiApplication();
  CardState card;
  card.boxCount = FieldDistribution(0, DefaultContactDetails(), card.lines);
  card.custom = CustomLayout{true, 0, {}};
  card.custom->boxes[1] = FreeBox{600, 300, 300, 120};
  card.styles[1].frameMode = kFrameCardLong;
  const PixelRect area{0, 0, 1062, 615};
  // Box 1 of layout 1 holds the name and the title, left aligned; its row is the second.
  const std::tuple<std::optional<HorizontalAlign>, std::optional<VerticalAlign>, int, int> cases[] =
      {
          {std::nullopt, std::nullopt, 600, 300},
          {HorizontalAlign::kRight, std::nullopt, 900, 300},
          {HorizontalAlign::kCentre, VerticalAlign::kBottom, 750, 420},
          {std::nullopt, VerticalAlign::kMiddle, 600, 360},
      };
  for (const auto& [across, down, x, y] : cases) {
    card.alignments.emplace();
    (*card.alignments)[1] = {across, down};
    const int align = CardPlacementRows(card).Rows()[1].align;
    const std::optional<TextBoxLayout> laidOut = LayOutCardText(card, area)[1];
    ASSERT_TRUE(laidOut && laidOut->lines.size() == 2);
    // Across by the first line, down by the block from the first line's top to the last's bottom.
    const PixelRect first = LineArea(*laidOut, laidOut->lines[0], area, align, 0);
    const int bottom = LineArea(*laidOut, laidOut->lines[1], area, align, 0).bottom;
    const int edges[2][3] = {{first.left, (first.left + first.right) / 2, first.right},
                             {first.top, (first.top + bottom) / 2, bottom}};
    EXPECT_NEAR(edges[0][align], x, 1) << x << " " << y;
    EXPECT_NEAR(edges[1][down ? static_cast<int>(*down) : 0], y, 1) << x << " " << y;
    // A frame spread to the card's long edges reaches the box's edges instead.
    const std::optional<FrameFill> frame = BoxFrame(card, 1, 1, area, align, 0, *laidOut);
    ASSERT_TRUE(frame.has_value());
    EXPECT_EQ(std::pair(frame->area.left, frame->area.right), std::pair(600, 900));
  }
}

TEST(CustomLayoutThumbnailBars, TheBarsOfABoxPlacedFreelyMoveToWhereItStands) {
  CustomLayout custom{true, 0, {}};
  custom.boxes[1] = FreeBox{531, 307.5f, 300, 100};  // (53, 33) on the thumbnail
  custom.boxes[4] = FreeBox{0, 0, 531, 100};         // right aligned: its right edge at 53
  const std::vector<ThumbnailBar> own = LayoutThumbnailBars(0);
  const std::vector<ThumbnailBar> moved = CustomLayoutThumbnailBars(custom, 1062, 615);
  ASSERT_EQ(moved.size(), own.size());
  const auto block = [](const std::vector<ThumbnailBar>& bars, int box) {
    QRect r;
    for (const ThumbnailBar& bar : bars)
      if (bar.box == box) r |= bar.rect;
    return r;
  };
  EXPECT_EQ(block(moved, 1).topLeft(), QPoint(53, 33));
  EXPECT_EQ(block(moved, 1).size(), block(own, 1).size());
  EXPECT_EQ(block(moved, 4).right() + 1, 53);
  EXPECT_EQ(block(moved, 4).top(), 0);
  for (const int box : {0, 2, 3}) EXPECT_EQ(block(moved, box), block(own, box)) << box;
}

TEST(DrawField, BoxPastTheBoxCountDrawsNothingAndAZeroDivisorIsReported) {
  for (const int divisor : {1, 0}) {
    ReportRecorder recorder;
    FieldCard f;
    test::SetLines(f.card, 0, {"A"});
    test::SetLines(f.card, 4, {"Hidden"});
    f.card.styles[4].frameMode = kFrameCardLong;
    const int box = divisor == 0 ? 0 : 4;  // box 4 lies past the three boxes that have lines
    Buffer b(200, 100);
    EXPECT_EQ(
        DrawField(f.card, box, divisor, nullptr, {0, 0, 200, 100}, 0, 0, b.px.data(), 200, 100), 0);
    EXPECT_EQ(recorder.Saw("ndiv!=0"), divisor == 0);
    EXPECT_EQ(b.Changed(), (PixelRect{200, 100, 0, 0})) << divisor;
  }
}

}  // namespace
}  // namespace tavolo
