#include "core/render/TextBoxLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <span>

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QTextLayout>

#include "core/card/CardLimits.h"
#include "core/card/ClearGround.h"
#include "core/card/FreePlacement.h"
#include "core/card/LayoutTable.h"
#include "core/card/ShrinkToFit.h"
#include "core/qr/QrCodeDrawing.h"
#include "core/render/CompositionScale.h"
#include "core/render/PictureGeometry.h"

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
// How far a line keeps from a picture or another box's text, so that no glyph reaching past its
// advance (an italic's overhang) touches them.
constexpr int kClearance = 6;

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

// A stretch of one axis: along a line (x for a horizontal box, y for a rotated one) or across it.
struct Stretch {
  int64_t start = 0;
  int64_t end = 0;
};

Stretch Along(PixelRect r, bool rotated) {
  return rotated ? Stretch{r.top, r.bottom} : Stretch{r.left, r.right};
}

Stretch Across(PixelRect r, bool rotated) {
  return rotated ? Stretch{r.left, r.right} : Stretch{r.top, r.bottom};
}

// How a line grows along its axis from its anchor as it gets longer.
enum class Growth { kFromStart, kFromEnd, kBothWays };

// The room a line keeps between its anchor and what it must not run into.
class LineRoom {
 public:
  LineRoom(int64_t anchor, Growth growth, int64_t room)
      : anchor_(anchor), growth_(growth), room_(room) {}

  // Something the line must stay `keep` pixels away from. What already covers the anchor is not
  // something the line runs into: it was placed there, and no smaller size would clear it.
  void Avoid(Stretch blocked, int64_t keep) {
    blocked.start -= keep;
    blocked.end += keep;
    const bool before = blocked.end <= anchor_;
    const bool after = blocked.start >= anchor_;
    if (!before && !after) return;
    switch (growth_) {
      case Growth::kFromStart:
        if (after) Limit(blocked.start - anchor_);
        break;
      case Growth::kFromEnd:
        if (before) Limit(anchor_ - blocked.end);
        break;
      case Growth::kBothWays:
        Limit(2 * (after ? blocked.start - anchor_ : anchor_ - blocked.end));
        break;
    }
  }

  // The line stays inside `clear`; an anchor outside it leaves no room.
  void KeepWithin(Stretch clear) {
    if (anchor_ < clear.start || anchor_ > clear.end) {
      Limit(0);
      return;
    }
    if (growth_ != Growth::kFromEnd)
      Limit((growth_ == Growth::kBothWays ? 2 : 1) * (clear.end - anchor_));
    if (growth_ != Growth::kFromStart)
      Limit((growth_ == Growth::kBothWays ? 2 : 1) * (anchor_ - clear.start));
  }

  // Another box's line in the same band, anchored elsewhere, `width` long as it lies alone:
  // where the two would meet, the gap between their anchors is shared in proportion to their
  // widths, so that each stays clear of the other whichever is laid out first.
  void Share(int64_t otherAnchor, Growth otherGrowth, int64_t otherWidth, int64_t width,
             int64_t keep) {
    if (otherAnchor == anchor_) return;
    const bool towardEnd = otherAnchor > anchor_;
    const int64_t reach = Reach(growth_, width, towardEnd);
    if (reach <= 0) return;
    const int64_t otherReach = Reach(otherGrowth, otherWidth, !towardEnd);
    const int64_t gap = (towardEnd ? otherAnchor - anchor_ : anchor_ - otherAnchor) - keep;
    if (reach + otherReach <= gap) return;
    const int64_t allowed = gap <= 0 ? 0 : gap * reach / (reach + otherReach);
    Limit(growth_ == Growth::kBothWays ? 2 * allowed : allowed);
  }

  void Limit(int64_t room) { room_ = std::min(room_, room); }
  int64_t Anchor() const { return anchor_; }
  Growth Grows() const { return growth_; }
  int Room() const {
    return static_cast<int>(std::clamp<int64_t>(room_, 0, std::numeric_limits<int>::max()));
  }

 private:
  // How far a line `width` long reaches from its anchor toward the end of its axis or the start.
  static int64_t Reach(Growth growth, int64_t width, bool towardEnd) {
    switch (growth) {
      case Growth::kFromStart:
        return towardEnd ? width : 0;
      case Growth::kFromEnd:
        return towardEnd ? 0 : width;
      case Growth::kBothWays:
        break;
    }
    return width / 2;
  }

  int64_t anchor_;
  Growth growth_;
  int64_t room_;
};

// Where a line is anchored along its axis and how it grows: a horizontal line from the inner
// area's edge or centre, a rotated one from the card's middle.
LineRoom RoomFrom(const TextBoxLayout& layout, PixelRect area, int align, int angle) {
  if (angle != 0) {
    return {(int64_t{area.top} + area.bottom) / 2, Growth::kBothWays, layout.room};
  }
  const PixelRect& inner = layout.inner;
  if (align == kAlignRight) return {inner.right, Growth::kFromEnd, layout.room};
  if (align == kAlignCenter) {
    return {(int64_t{inner.left} + inner.right) / 2, Growth::kBothWays, layout.room};
  }
  return {inner.left, Growth::kFromStart, layout.room};
}

bool Overlap(Stretch a, Stretch b) {
  return a.start < b.end && b.start < a.end;
}

// Another box's line as it lies alone, for a box whose lines run the same way.
struct Neighbour {
  Stretch across;  // its slot, widened by its frame
  int64_t anchor = 0;
  Growth growth = Growth::kFromStart;
  int64_t width = 0;
  int frame = 0;
};

int FrameOf(const CardState& card, int box) {
  const TextBoxStyle& style = card.styles[static_cast<size_t>(box)];
  return style.frameMode != kFrameNone ? FrameMargin(style, 1, card.dpi) : 0;
}

void KeepClear(LineRoom& room, Stretch slot, bool rotated, std::span<const PixelRect> obstacles,
               int64_t keep) {
  for (const PixelRect& obstacle : obstacles) {
    if (Overlap(Across(obstacle, rotated), slot)) room.Avoid(Along(obstacle, rotated), keep);
  }
}

void ShareWith(LineRoom& room, Stretch slot, std::span<const Neighbour> neighbours, int64_t width,
               int64_t keep) {
  for (const Neighbour& n : neighbours) {
    if (Overlap(n.across, slot)) room.Share(n.anchor, n.growth, n.width, width, keep + n.frame);
  }
}

// Box `box` laid out (see LayOutTextBox), its lines also kept clear of `others` (lines running
// across its own) and sharing the room with `neighbours`, by the widths the lines have in
// `alone`, the box laid out without them.
TextBoxLayout LayOut(const CardState& card, int box, PixelRect area, int offset, int align,
                     int angle, std::span<const PixelRect> others,
                     std::span<const Neighbour> neighbours, const TextBoxLayout* alone);

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
  if (box >= 0 && box < kTextBoxCount && box < card.boxCount) {
    if (const std::optional<FreeBox> free = FreeBoxOf(card, box)) {
      return LayOutFreeBox(card, box, *free, align);
    }
  }
  return LayOut(card, box, area, offset, align, angle, {}, {}, nullptr);
}

TextBoxLayout LayOutFreeBox(const CardState& card, int box, const FreeBox& where, int align) {
  const auto b = static_cast<size_t>(box);
  TextSource text{card.lines[b], card.styles[b], RowHorizontal({box, kOffsetTop, align, 0}),
                  VerticalAlign::kTop, ShrinksToFit(card, box)};
  if (card.alignments && (*card.alignments)[b].vertical)
    text.vertical = *(*card.alignments)[b].vertical;
  const auto pixels = [](float value) {
    return static_cast<int>(
        std::clamp<long>(std::lround(value), -kMaxCardSide * 4L, kMaxCardSide * 4L));
  };
  const int left = pixels(where.left);
  const int top = pixels(where.top);
  TextBoxLayout layout = LayOutFreeText(card, text, pixels(where.width), pixels(where.height));
  layout.inner = {layout.inner.left + left, layout.inner.top + top, layout.inner.right + left,
                  layout.inner.bottom + top};
  layout.blockTop += top;
  for (LaidOutLine& line : layout.lines) line.top += top;
  return layout;
}

namespace {

TextBoxLayout LayOut(const CardState& card, int box, PixelRect area, int offset, int align,
                     int angle, std::span<const PixelRect> others,
                     std::span<const Neighbour> neighbours, const TextBoxLayout* alone) {
  TextBoxLayout layout;
  if (box < 0 || box >= kTextBoxCount || box >= card.boxCount) return layout;
  const TextBoxStyle& style = card.styles[box];
  layout.font = MakeFont(style.face, MakeFontSpec(style, 1, card.cardHeight, angle, card.dpi));
  const QFontMetrics metrics(layout.font);
  layout.lineHeight = metrics.size(Qt::TextSingleLine, kLineHeightSample).height();
  const int margin = ComposedLength(kMargin, card.dpi);
  layout.inner = {area.left + margin, area.top + margin, area.right - margin, area.bottom - margin};
  layout.room = Room(area, layout.inner, FrameMargin(style, 1, card.dpi),
                     style.frameMode != kFrameNone, align, angle);

  const LineExtent sample = MeasureLine(kLineHeightSample, layout.font);
  const int lineCount = std::clamp(card.lines[box].count, 0, kMaxLinesPerBox);
  std::vector<LineExtent> extents;
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
    line.top = position;
    position += line.height;
    layout.blockHeight += line.height;
    extents.push_back(extent);
    layout.lines.push_back(std::move(line));
  }

  if (angle == 0) {
    const PixelRect& inner = layout.inner;
    layout.blockTop = inner.top;
    if (offset == kOffsetBottom) {
      layout.blockTop = inner.bottom - layout.blockHeight;
    } else if (offset == kOffsetMiddle) {
      layout.blockTop = inner.top + (inner.bottom - inner.top - layout.blockHeight) / 2;
    } else if (offset != kOffsetTop) {
      layout.blockTop =
          inner.top +
          static_cast<int>(static_cast<int64_t>(inner.bottom - inner.top) * offset / 100);
    }
    for (LaidOutLine& line : layout.lines) line.top += layout.blockTop;
  }

  const bool shrinks = ShrinksToFit(card, box);
  const int smallest = PixelSizeOf(style, kSmallestFitSize, card, angle);
  const bool rotated = angle != 0;
  const std::vector<PixelRect> pictures = PictureAreas(card);
  const std::optional<PixelRect> clear = ClearAreaOf(card, box);
  // A framed line keeps its frame, too, off what it must not run into.
  const int frame = FrameOf(card, box);
  const int clearance = ComposedLength(kClearance, card.dpi);
  const int keep = frame + clearance;
  for (size_t k = 0; k < layout.lines.size(); ++k) {
    LaidOutLine& line = layout.lines[k];
    LineRoom room = RoomFrom(layout, area, align, angle);
    const Stretch slot{int64_t{line.top} - frame, int64_t{line.top} + line.height + frame};
    const int width =
        alone != nullptr && k < alone->lines.size() ? alone->lines[k].width : line.width;
    KeepClear(room, slot, rotated, pictures, keep);
    KeepClear(room, slot, rotated, others, keep);
    ShareWith(room, slot, neighbours, width, keep);
    // A clear area holds the glyphs with the clearance around their advance.
    if (clear) {
      const Stretch along = Along(*clear, rotated);
      room.KeepWithin({along.start + clearance, along.end - clearance});
    }
    line.room = room.Room();
    if (shrinks && line.width > line.room && smallest < layout.font.pixelSize()) {
      line.font.setPixelSize(FittingPixelSize(line.text, layout.font, line.room, smallest));
      line.width = QFontMetrics(line.font).horizontalAdvance(line.text);
      line.drop = extents[k].ascent - MeasureLine(line.text, line.font).ascent;
    }
    line.tooWide = line.width > line.room;
    layout.widest = std::max(layout.widest, line.width);
  }
  return layout;
}

}  // namespace

TextBoxLayout LayOutFreeText(const CardState& card, const TextSource& text, int width, int height) {
  TextBoxLayout layout;
  const TextBoxStyle& style = text.style;
  layout.font = MakeFont(style.face, MakeFontSpec(style, 1, card.cardHeight, 0, card.dpi));
  const QFontMetrics metrics(layout.font);
  layout.lineHeight = metrics.size(Qt::TextSingleLine, kLineHeightSample).height();
  layout.inner = {0, 0, std::max(width, 0), std::max(height, 0)};
  layout.room = layout.inner.right;
  const LineExtent sample = MeasureLine(kLineHeightSample, layout.font);
  const int smallest = PixelSizeOf(style, kSmallestFitSize, card, 0);
  const int lineCount = std::clamp(text.lines.count, 0, kMaxLinesPerBox);
  for (int i = 0; i < lineCount; ++i) {
    if (text.lines.line[i].isEmpty()) continue;
    LaidOutLine line;
    line.text = text.lines.line[i].left(kMaxLineChars);
    line.font = layout.font;
    const LineExtent extent = MeasureLine(line.text, layout.font);
    line.height = layout.lineHeight +
                  std::max(0, static_cast<int>(std::ceil(extent.depth - sample.depth - kNoise)));
    line.width = metrics.horizontalAdvance(line.text);
    line.top = layout.blockHeight;
    line.room = layout.room;
    if (text.shrinkToFit && line.width > line.room && smallest < layout.font.pixelSize()) {
      line.font.setPixelSize(FittingPixelSize(line.text, layout.font, line.room, smallest));
      line.width = QFontMetrics(line.font).horizontalAdvance(line.text);
      line.drop = extent.ascent - MeasureLine(line.text, line.font).ascent;
    }
    line.tooWide = line.width > line.room;
    layout.widest = std::max(layout.widest, line.width);
    layout.blockHeight += line.height;
    layout.lines.push_back(std::move(line));
  }
  const int spare = layout.inner.bottom - layout.blockHeight;
  layout.blockTop = text.vertical == VerticalAlign::kBottom   ? spare
                    : text.vertical == VerticalAlign::kMiddle ? spare / 2
                                                              : 0;
  for (LaidOutLine& line : layout.lines) line.top += layout.blockTop;
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

std::vector<std::optional<TextBoxLayout>> LayOutCardText(const CardState& card, PixelRect area) {
  const CardRows placed = CardPlacementRows(card);
  const std::span<const PlacementRow> rows = placed.Rows();
  std::vector<std::optional<TextBoxLayout>> alone(rows.size());
  if (!FontsExist()) return alone;
  for (size_t i = 0; i < rows.size(); ++i) {
    const PlacementRow& row = rows[i];
    if (row.box < 0 || row.box >= kTextBoxCount || row.box >= card.boxCount) continue;
    alone[i] = LayOutTextBox(card, row.box, area, row.offset, row.align, row.angle);
  }
  // Each box again, clear of the others as they lie alone: the same for every box, whatever the
  // order, and kept anew only where another box's line comes near.
  std::vector<std::optional<TextBoxLayout>> laidOut = alone;
  // A box placed freely stands where the user put it: it neither avoids the others nor they it.
  const auto free = [&](size_t i) { return FreeBoxOf(card, rows[i].box).has_value(); };
  for (size_t i = 0; i < rows.size(); ++i) {
    if (!alone[i] || free(i)) continue;
    const PlacementRow& row = rows[i];
    std::vector<PixelRect> others;
    std::vector<Neighbour> neighbours;
    for (size_t j = 0; j < rows.size(); ++j) {
      if (j == i || !alone[j] || free(j)) continue;
      const PlacementRow& other = rows[j];
      const bool rotated = other.angle != 0;
      const int frame = FrameOf(card, other.box);
      const LineRoom from = RoomFrom(*alone[j], area, other.align, other.angle);
      for (const LaidOutLine& line : alone[j]->lines) {
        const PixelRect lineArea = LineArea(*alone[j], line, area, other.align, other.angle);
        if ((row.angle != 0) != rotated) {
          others.push_back(lineArea);
          continue;
        }
        const Stretch across = Across(lineArea, rotated);
        neighbours.push_back({{across.start - frame, across.end + frame},
                              from.Anchor(),
                              from.Grows(),
                              line.width,
                              frame});
      }
    }
    // Laid out again only when another box takes room from a line: measuring is the cost.
    const int frame = FrameOf(card, row.box);
    const int keep = frame + ComposedLength(kClearance, card.dpi);
    const bool near = std::ranges::any_of(alone[i]->lines, [&](const LaidOutLine& line) {
      LineRoom room = RoomFrom(*alone[i], area, row.align, row.angle);
      room.Limit(line.room);
      const Stretch slot{int64_t{line.top} - frame, int64_t{line.top} + line.height + frame};
      KeepClear(room, slot, row.angle != 0, others, keep);
      ShareWith(room, slot, neighbours, line.width, keep);
      return room.Room() != line.room;
    });
    if (near) {
      laidOut[i] = LayOut(card, row.box, area, row.offset, row.align, row.angle, others, neighbours,
                          &*alone[i]);
    }
  }
  return laidOut;
}

PixelRect LineArea(const TextBoxLayout& layout, const LaidOutLine& line, PixelRect area, int align,
                   int angle) {
  if (angle != 0) {
    const int end = area.bottom - (area.bottom - area.top - line.width) / 2;
    return {line.top, end - line.width, line.top + line.height, end};
  }
  const PixelRect& inner = layout.inner;
  int left = inner.left;
  if (align == kAlignRight) {
    left = inner.right - line.width;
  } else if (align == kAlignCenter) {
    left = inner.left + (inner.right - inner.left - line.width) / 2;
  }
  return {left, line.top, left + line.width, line.top + line.height};
}

std::vector<PixelRect> PictureAreas(const CardState& card) {
  std::vector<PixelRect> areas;
  for (const PictureKind kind : kPictureKinds) {
    const PixelRect placed = PlacedArea(card.Picture(kind), 1);
    if (placed.Width() > 0 && placed.Height() > 0) areas.push_back(placed);
  }
  if (card.qrCode) areas.push_back(QrCodeArea(*card.qrCode, 1));
  return areas;
}

std::array<QStringList, kTextBoxCount> LinesTooWideByBox(const CardState& card) {
  std::array<QStringList, kTextBoxCount> tooWide;
  const CardPixelSize full = CardPixels(card.cardWidth, card.cardHeight);
  if (!FontsExist() || !full.Ok()) return tooWide;
  const CardRows placed = CardPlacementRows(card);
  const std::span<const PlacementRow> rows = placed.Rows();
  const std::vector<std::optional<TextBoxLayout>> layouts =
      LayOutCardText(card, {0, 0, full.width, full.height});
  for (size_t i = 0; i < rows.size(); ++i) {
    if (!layouts[i]) continue;
    for (const LaidOutLine& line : layouts[i]->lines) {
      if (line.tooWide) tooWide[static_cast<size_t>(rows[i].box)] << line.text;
    }
  }
  return tooWide;
}

QStringList LinesTooWide(const CardState& card, int box) {
  if (box < 0 || box >= kTextBoxCount) return {};
  return LinesTooWideByBox(card)[static_cast<size_t>(box)];
}

}  // namespace tavolo
