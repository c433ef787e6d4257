#include "core/render/TextBoxLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QTextLayout>

#include "core/card/CardLimits.h"
#include "core/render/CompositionScale.h"
#include "core/card/LayoutTable.h"
#include "core/card/ShrinkToFit.h"

namespace tavolo {

namespace {

// Lengths of a 300-dpi card at full size.
constexpr int kMargin = 50;
constexpr int kFrameSizeFactor = 4;
constexpr int kMaxFrameSize = 1 << 20;
constexpr int kMaxLineChars = 1000;
// A line is never shrunk below this size, in the card's points.
const QString kSmallestFitSize = QStringLiteral("6");
const QString kLineHeightSample = QStringLiteral("TEST STRING");
constexpr qreal kNoise = 1e-6;

// Ascent and depth of a text set as one line, over every font it takes: a glyph the box's font
// lacks comes from a fallback font, whose ascent and descent may be larger.
struct LineExtent {
  qreal ascent = 0;
  qreal depth = 0;
};

LineExtent MeasureLine(const QString& text, const QFont& font) {
  QTextLayout layout(text, font);
  QTextOption option;
  option.setWrapMode(QTextOption::NoWrap);
  layout.setTextOption(option);
  layout.beginLayout();
  QTextLine line = layout.createLine();
  if (line.isValid()) line.setLineWidth(0);
  layout.endLayout();
  if (!line.isValid()) return {};
  return {line.ascent(), line.ascent() + line.descent()};
}

int PixelSizeOf(const TextBoxStyle& style, const QString& size, const CardState& card, int angle) {
  TextBoxStyle sized = style;
  sized.size = size;
  return MakeFont(style.face, MakeFontSpec(sized, 1, card.cardHeight, angle, card.dpi)).pixelSize();
}

// The largest pixel size below the box's at which `text` fits `room`, never below `smallest`.
int FittingPixelSize(const QString& text, const QFont& font, int room, int smallest) {
  QFont sized = font;
  const auto fits = [&](int pixels) {
    sized.setPixelSize(pixels);
    return QFontMetrics(sized).horizontalAdvance(text) <= room;
  };
  // Widths grow with the size (hinting only makes the steps uneven), so halving finds it in a
  // dozen measurements at most.
  int low = smallest;
  int high = font.pixelSize() - 1;
  while (low < high) {
    const int middle = low + (high - low + 1) / 2;
    if (fits(middle)) {
      low = middle;
    } else {
      high = middle - 1;
    }
  }
  return low;
}

// The widest a line may be: the inner area's width (height, rotated), and with a frame no more
// than keeps the frame on the card.
int Room(PixelRect area, PixelRect inner, int frameMargin, bool framed, int align, int angle) {
  const bool rotated = angle != 0;
  const int64_t areaStart = rotated ? area.top : area.left;
  const int64_t areaEnd = rotated ? area.bottom : area.right;
  const int64_t innerStart = rotated ? inner.top : inner.left;
  const int64_t innerEnd = rotated ? inner.bottom : inner.right;
  int64_t room = innerEnd - innerStart;
  if (framed) {
    if (rotated || align == kAlignCenter) {
      room = std::min(room, areaEnd - areaStart - 2 * int64_t{frameMargin});
    } else if (align == kAlignRight) {
      room = std::min(room, innerEnd - frameMargin - areaStart);
    } else {
      room = std::min(room, areaEnd - frameMargin - innerStart);
    }
  }
  return static_cast<int>(std::clamp<int64_t>(room, 0, std::numeric_limits<int>::max()));
}

}  // namespace

bool FontsExist() {
  return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

int FrameMargin(const TextBoxStyle& style, int divisor, int dpi) {
  // A frame cannot be thinner than none: a negative size from a damaged file draws as 0.
  const int atFullSize =
      ComposedLength(std::clamp(style.frameSize, 0, kMaxFrameSize) * kFrameSizeFactor, dpi);
  return atFullSize / std::max(divisor, 1);
}

TextBoxLayout LayOutTextBox(const CardState& card, int box, PixelRect area, int offset, int align,
                            int angle) {
  TextBoxLayout layout;
  if (box < 0 || box >= kTextBoxCount || box >= card.boxCount) return layout;
  const TextBoxStyle& style = card.styles[box];
  layout.font = MakeFont(style.face, MakeFontSpec(style, 1, card.cardHeight, angle, card.dpi));
  const QFontMetrics metrics(layout.font);
  layout.lineHeight = metrics.size(Qt::TextSingleLine, kLineHeightSample).height();
  const int margin = ComposedLength(kMargin, card.dpi);
  layout.inner = {area.left + margin, area.top + margin, area.right - margin,
                  area.bottom - margin};
  layout.room = Room(area, layout.inner, FrameMargin(style, 1, card.dpi),
                     style.frameMode != kFrameNone, align, angle);

  const LineExtent sample = MeasureLine(kLineHeightSample, layout.font);
  const bool shrinks = ShrinksToFit(card, box);
  const int smallest = PixelSizeOf(style, kSmallestFitSize, card, angle);
  const int lineCount = std::clamp(card.lines[box].count, 0, kMaxLinesPerBox);
  int position = angle == 0 ? 0 : layout.inner.left;
  for (int i = 0; i < lineCount; ++i) {
    const QString& text = card.lines[box].line[i];
    if (text.isEmpty()) continue;
    LaidOutLine line;
    line.text = text.left(kMaxLineChars);
    line.font = layout.font;
    const LineExtent extent = MeasureLine(line.text, layout.font);
    // Only a taller font on the line deepens its slot; rounding noise must not.
    line.height = layout.lineHeight +
                  std::max(0, static_cast<int>(std::ceil(extent.depth - sample.depth - kNoise)));
    line.width = metrics.horizontalAdvance(line.text);
    line.baseline = metrics.ascent() + std::max(0.0, extent.ascent - sample.ascent);
    if (shrinks && line.width > layout.room && smallest < layout.font.pixelSize()) {
      line.font.setPixelSize(FittingPixelSize(line.text, layout.font, layout.room, smallest));
      line.width = QFontMetrics(line.font).horizontalAdvance(line.text);
      line.drop = extent.ascent - MeasureLine(line.text, line.font).ascent;
    }
    line.tooWide = line.width > layout.room;
    line.top = position;
    position += line.height;
    layout.blockHeight += line.height;
    layout.widest = std::max(layout.widest, line.width);
    layout.lines.push_back(std::move(line));
  }

  if (angle == 0) {
    const PixelRect& inner = layout.inner;
    layout.blockTop = inner.top;
    if (offset == kOffsetBottom) {
      layout.blockTop = inner.bottom - layout.blockHeight;
    } else if (offset != kOffsetTop) {
      layout.blockTop =
          inner.top +
          static_cast<int>(static_cast<int64_t>(inner.bottom - inner.top) * offset / 100);
    }
    for (LaidOutLine& line : layout.lines) line.top += layout.blockTop;
  }
  return layout;
}

PixelRect FullSizeArea(const CardState& card, int divisor, int dx, int dy) {
  const int d = std::max(divisor, 1);
  const CardPixelSize full = CardPixels(card.cardWidth, card.cardHeight);
  if (full.Ok() && full.width / d == dx && full.height / d == dy) {
    return {0, 0, full.width, full.height};
  }
  const auto times = [d](int side) {
    return static_cast<int>(
        std::clamp<int64_t>(int64_t{side} * d, 0, std::numeric_limits<int>::max()));
  };
  return {0, 0, times(dx), times(dy)};
}

QStringList LinesTooWide(const CardState& card, int box) {
  QStringList tooWide;
  const CardPixelSize full = CardPixels(card.cardWidth, card.cardHeight);
  if (!FontsExist() || !full.Ok()) return tooWide;
  for (const PlacementRow& row : PlacementRows(card.layoutIndex)) {
    if (row.box != box) continue;
    const TextBoxLayout layout =
        LayOutTextBox(card, box, {0, 0, full.width, full.height}, row.offset, row.align, row.angle);
    for (const LaidOutLine& line : layout.lines) {
      if (line.tooWide) tooWide << line.text;
    }
  }
  return tooWide;
}

}  // namespace tavolo
