#include "core/render/TextBoxRenderer.h"

#include <algorithm>
#include <cmath>

#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainter>

#include "core/base/CheckedCall.h"
#include "core/base/ColourModel.h"
#include "core/card/FreePlacement.h"
#include "core/render/BoxFont.h"
#include "core/render/PixelBlend.h"
#include "core/render/TextBoxLayout.h"

namespace tavolo {

namespace {

uint32_t ToPixel(ColourRef c) {
  return (static_cast<uint32_t>(ColourRefRed(c)) << 16) |
         (static_cast<uint32_t>(ColourRefGreen(c)) << 8) | ColourRefBlue(c);
}

ColourRef TextColour(const TextBoxStyle& style) {
  return RgbToColourRef(
      HslToRgb({style.textColour.h, style.textColour.s, style.brightness * 240.0f}));
}

int Alpha(float opacity) {
  if (std::isnan(opacity)) return 0;
  return static_cast<int>(std::clamp(opacity, 0.0f, 1.0f) * 255.0f);
}

PixelRect Reduced(PixelRect r, int divisor) {
  return {r.left / divisor, r.top / divisor, r.right / divisor, r.bottom / divisor};
}

Qt::Alignment HorizontalFlag(int align) {
  switch (align) {
    case 1:
      return Qt::AlignHCenter;
    case 2:
      return Qt::AlignRight;
    default:
      return Qt::AlignLeft;
  }
}

// A ligature's glyph has no letters of its own in a PDF: a reader copies "ff" as a space. Text
// shaping leaves ligatures out when a font has letter spacing, so on a PDF each line gets the
// least spacing a font keeps (1/64 pixel, a few hundredths of a pixel along a whole line).
QFont WithoutLigatures(QFont font) {
  constexpr qreal kLeastSpacing = 1.0 / 64;
  font.setLetterSpacing(QFont::AbsoluteSpacing, kLeastSpacing);
  return font;
}

// The lines are drawn at full size through a painter scaled by 1 / divisor: a reduced card shows
// every line as the full-size card does, only smaller. Nothing is clipped.
void DrawLines(QPainter& dc, const TextBoxLayout& layout, ColourRef colour, int divisor,
               PixelRect cardArea, int align, int angle) {
  dc.save();
  if (divisor > 1) dc.scale(1.0 / divisor, 1.0 / divisor);
  dc.setPen(QColor(ColourRefRed(colour), ColourRefGreen(colour), ColourRefBlue(colour)));
  const PixelRect& inner = layout.inner;
  const bool pdf = dc.paintEngine() != nullptr && dc.paintEngine()->type() == QPaintEngine::Pdf;
  for (const LaidOutLine& line : layout.lines) {
    dc.setFont(pdf ? WithoutLigatures(line.font) : line.font);
    if (angle == 0) {
      line.shaped.Draw(
          dc, QRectF(inner.left, line.top + line.drop, inner.right - inner.left, line.height),
          HorizontalFlag(align), line.text);
      continue;
    }
    // Rotated: the line runs upward, centred on the card's height, lines stepping to the right.
    const int y = cardArea.bottom - (cardArea.bottom - cardArea.top - line.width) / 2;
    dc.save();
    dc.translate(line.top, y);
    dc.rotate(-angle);
    dc.drawText(QPointF(0, line.baseline), line.text);
    dc.restore();
  }
  dc.restore();
}

}  // namespace

int DrawField(const CardState& live, int box, int divisor, QPainter* dc, PixelRect cardArea,
              int offset, int align, uint32_t* backgroundBuffer, int dx, int dy, bool print,
              int angle, std::optional<TextBoxLayout>* laidOut) {
  if (box < 0 || box >= kTextBoxCount || box >= live.boxCount) return 0;
  if (!TAVOLO_CHECK_AS("ndiv!=0", divisor > 0)) return 0;
  if (!FontsExist()) return 1;
  if (print && !TAVOLO_CHECK_AS("poldf!=0", dc != nullptr && dc->isActive())) return 0;

  const TextBoxStyle& style = live.styles[box];
  std::optional<TextBoxLayout> own;
  std::optional<TextBoxLayout>& kept = laidOut != nullptr ? *laidOut : own;
  if (!kept) kept = LayOutTextBox(live, box, cardArea, offset, align, angle);
  const TextBoxLayout& layout = *kept;
  if (print) {
    DrawLines(*dc, layout, TextColour(style), divisor, cardArea, align, angle);
    return 0;
  }

  if (const std::optional<FrameFill> frame =
          BoxFrame(live, box, divisor, cardArea, align, angle, layout)) {
    BlendRect(backgroundBuffer, dx, dy, frame->area, frame->colour, 0, frame->alpha);
  }
  return 0;
}

void DrawFreeText(QPainter& dc, const TextBoxLayout& layout, const TextSource& text) {
  DrawLines(dc, layout, TextColour(text.style), 1, layout.inner, static_cast<int>(text.horizontal),
            0);
}

std::optional<FrameFill> BoxFrame(const CardState& live, int box, int divisor, PixelRect cardArea,
                                  int align, int angle, const TextBoxLayout& layout) {
  if (box < 0 || box >= kTextBoxCount || divisor <= 0) return std::nullopt;
  const TextBoxStyle& style = live.styles[box];
  // The frame is laid out at full size too, then reduced, so that it stays around the text.
  const PixelRect& inner = layout.inner;
  const int w = layout.widest;
  const PixelRect text =
      angle == 0 ? PixelRect{inner.left, layout.blockTop, inner.right,
                             layout.blockTop + layout.blockHeight}
                 : PixelRect{inner.left, (cardArea.bottom - w) / 2, inner.left + layout.blockHeight,
                             cardArea.bottom - (cardArea.bottom - cardArea.top - w) / 2};
  // A box placed freely spreads its frame to the edges of its own box, not the card's.
  PixelRect spread = cardArea;
  if (angle == 0 && FreeBoxOf(live, box)) spread = layout.inner;
  const std::optional<PixelRect> area =
      FrameArea(Reduced(spread, divisor), Reduced(text, divisor), style.frameMode, w / divisor,
                angle == 0 ? align : kAlignOwnEdges, FrameMargin(style, divisor, live.dpi), angle);
  if (!area) return std::nullopt;
  return FrameFill{*area, ToPixel(RgbToColourRef(HslToRgb(style.frameColour))),
                   Alpha(style.opacity)};
}

void DrawFrame(PixelRect spreadArea, PixelRect text, int frameMode, int w, int align,
               HslColour fill, int f, uint32_t* buf, int dx, int dy, int alpha, int angle) {
  if (const std::optional<PixelRect> area =
          FrameArea(spreadArea, text, frameMode, w, align, f, angle)) {
    BlendRect(buf, dx, dy, *area, ToPixel(RgbToColourRef(HslToRgb(fill))), 0, alpha);
  }
}

std::optional<PixelRect> FrameArea(PixelRect spreadArea, PixelRect text, int frameMode, int w,
                                   int align, int f, int angle) {
  if (frameMode < kFrameExact || frameMode > kFrameCardLong) return std::nullopt;
  int left = text.left;
  int right = text.right;
  switch (align) {
    case 0:
      right = left + w;
      break;
    case 1:
      left = spreadArea.left + (spreadArea.right - spreadArea.left - w) / 2;
      right = left + w;
      break;
    case 2:
      left = right - w;
      break;
    default:
      break;
  }
  const PixelRect frame{left - f, text.top - f, right + f, text.bottom + f};
  // A box without text and without a margin has nothing to frame; that is not a fault.
  const bool noText = right <= left || text.bottom <= text.top;
  if (f >= 0 && noText && (frame.left >= frame.right || frame.top >= frame.bottom)) {
    return std::nullopt;
  }
  TAVOLO_CHECK_AS("frct.left<frct.right", frame.left < frame.right);
  TAVOLO_CHECK_AS("frct.top<frct.bottom", frame.top < frame.bottom);

  PixelRect area = frame;
  const bool rotated = angle != 0;
  switch (frameMode) {
    case kFrameLeft:
      if (rotated) {
        area.bottom = spreadArea.bottom;
      } else {
        area.left = spreadArea.left;
      }
      break;
    case kFrameRight:
      if (rotated) {
        area.top = spreadArea.top;
      } else {
        area.right = spreadArea.right;
      }
      break;
    case kFrameCardLong:
      if (rotated) {
        area.top = spreadArea.top;
        area.bottom = spreadArea.bottom;
      } else {
        area.left = spreadArea.left;
        area.right = spreadArea.right;
      }
      break;
    default:
      break;
  }
  return area;
}

void BlendRect(uint32_t* buf, int dx, int dy, PixelRect rect, uint32_t colour, uint32_t border,
               int alpha) {
  if (buf == nullptr) return;
  const auto [left, top, right, bottom] = BlendedArea(rect, dx, dy);
  if (left >= right) return;
  const auto a = static_cast<uint32_t>(std::clamp(alpha, 0, 255));
  const uint32_t keep = 255 - a;
  const uint32_t fillPart = colour & 0x00FFFFFFu;
  const uint32_t borderPart = border & 0x00FFFFFFu;
  // The old pixel keeps weight alpha, the colour the rest.
  for (int y = top; y < bottom; ++y) {
    uint32_t* row = buf + static_cast<size_t>(y) * dx;
    if (y == top || y == bottom - 1) {
      BlendSpan(row + left, row + right, borderPart, a, keep);
      continue;
    }
    row[left] = BlendBytes(row[left], borderPart, a, keep);
    if (right - left == 1) continue;  // one column: the ring's left and right edge at once
    BlendSpan(row + left + 1, row + right - 1, fillPart, a, keep);
    row[right - 1] = BlendBytes(row[right - 1], borderPart, a, keep);
  }
}

PixelRect BlendedArea(PixelRect rect, int dx, int dy) {
  if (dx <= 0 || dy <= 0) return {};
  const PixelRect clipped{std::max(rect.left, 0), std::max(rect.top, 0),
                          std::min(rect.right, dx - 1), std::min(rect.bottom, dy - 1)};
  if (clipped.left >= clipped.right || clipped.top >= clipped.bottom) return {};
  return clipped;
}

}  // namespace tavolo
