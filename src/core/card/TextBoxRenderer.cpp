#include "core/card/TextBoxRenderer.h"

#include <algorithm>
#include <cmath>

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>

#include "core/base/CheckedCall.h"
#include "core/base/ColourModel.h"

namespace tavolo {

namespace {

// Lengths of the card state, divided by divisor at every size.
constexpr int kMargin = 50;
constexpr int kFrameSizeFactor = 4;
// 1/615 in single precision: a font size is given for a card 615 pixels high.
constexpr float kPerCardHeight = 0.0016260162f;
constexpr int kMaxLineChars = 1000;
constexpr int kWeightRegular = 400;
constexpr int kWeightBold = 700;
// Pixel sizes a font may take: a zero height asks for the face's default size; sizes past the
// largest are no text a card can show and only cost time.
constexpr int kDefaultPixelSize = 12;
constexpr int kMaxPixelSize = 4096;
constexpr int kMaxFrameSize = 1 << 20;
const QString kLineHeightSample = QStringLiteral("TEST STRING");

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

uint32_t BlendByteWise(uint32_t old, uint32_t colour, uint32_t keep, uint32_t alpha) {
  uint32_t out = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const uint32_t c = (colour >> shift) & 0xFF;
    const uint32_t p = (old >> shift) & 0xFF;
    out |= ((c * keep + p * alpha) / 255) << shift;
  }
  return out;
}

}  // namespace

int ParseFontSize(const QString& size) {
  int i = 0;
  while (i < size.size() && size[i].isSpace()) ++i;
  bool negative = false;
  if (i < size.size() && (size[i] == u'-' || size[i] == u'+')) negative = size[i++] == u'-';
  int64_t value = 0;
  for (; i < size.size() && size[i] >= u'0' && size[i] <= u'9'; ++i) {
    value = std::min<int64_t>(value * 10 + (size[i].unicode() - u'0'), 1'000'000'000);
  }
  return static_cast<int>(negative ? -value : value);
}

FontSpec MakeFontSpec(const TextBoxStyle& style, int divisor, float cardHeight, int angle) {
  FontSpec spec;
  const float size = static_cast<float>(ParseFontSize(style.size));
  const float k = cardHeight * kPerCardHeight;
  const float div = static_cast<float>(std::max(divisor, 1));
  const float height = size / div * 0.1f - size * k / div;
  spec.height = std::isfinite(height) ? static_cast<int>(std::clamp(height, -1e9f, 1e9f)) : 0;
  if (style.style == u"Regular") {
    spec.weight = kWeightRegular;
  } else if (style.style == u"Bold" || style.style == u"Bold Italic") {
    spec.weight = kWeightBold;
  }
  spec.italic = style.style != u"Regular" && style.style != u"Bold";
  if (angle != 0) spec.escapement = angle * 10;
  return spec;
}

QFont MakeFont(const QString& face, const FontSpec& spec) {
  QFont font(face);
  int pixels = spec.height < 0 ? -spec.height : spec.height;
  if (pixels == 0) pixels = kDefaultPixelSize;
  font.setPixelSize(std::min(pixels, kMaxPixelSize));
  font.setWeight(spec.weight == kWeightBold ? QFont::Bold : QFont::Normal);
  font.setItalic(spec.italic);
  return font;
}

int DrawField(const FieldInputs& in, int box, int divisor, QPainter* dc, PixelRect frameColour,
              int offset, int align, uint32_t* backgroundBuffer, int dx, int dy, bool print,
              int angle) {
  if (box < 0 || box >= kTextBoxCount || !in.lines.HasBox(box)) return 0;
  if (!TAVOLO_CHECK_AS("ndiv!=0", divisor > 0)) return 0;
  // Fonts exist only inside a GUI application.
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) return 1;
  if (print && !TAVOLO_CHECK_AS("poldf!=0", dc != nullptr && dc->isActive())) return 0;

  const TextBoxStyle& style = in.live.styles[box];
  const int lineCount = in.lines.LineCount(box);
  QStringList shown;  // the non-empty lines, in order, each cut to what one line can hold
  for (int i = 0; i < lineCount; ++i) {
    const QString line = in.lines.Line(box, i);
    if (!line.isEmpty()) shown.push_back(line.left(kMaxLineChars));
  }
  const int n = static_cast<int>(shown.size());

  const int m = kMargin / divisor;
  const PixelRect inner{frameColour.left + m, frameColour.top + m, frameColour.right - m,
                        frameColour.bottom - m};
  // A frame cannot be thinner than none: a negative size from a damaged file draws as 0.
  const int f = std::clamp(style.frameSize, 0, kMaxFrameSize) * kFrameSizeFactor / divisor;

  const FontSpec spec = MakeFontSpec(style, divisor, in.live.cardHeight, angle);
  const QFont font = MakeFont(style.face, spec);
  const QFontMetrics metrics(font);
  const int lh = metrics.size(Qt::TextSingleLine, kLineHeightSample).height();
  const int alpha = Alpha(style.opacity);

  if (angle == 0) {
    int top = inner.top;
    if (offset == kOffsetBottom) {
      top = inner.bottom - n * lh;
    } else if (offset != kOffsetTop) {
      top = inner.top +
            static_cast<int>(static_cast<int64_t>(inner.bottom - inner.top) * offset / 100);
    }
    if (print) {
      const ColourRef c = TextColour(style);
      dc->setFont(font);
      dc->setPen(QColor(ColourRefRed(c), ColourRefGreen(c), ColourRefBlue(c)));
      const int flags = HorizontalFlag(align) | Qt::AlignTop | Qt::TextSingleLine;
      for (const QString& line : shown) {
        dc->drawText(QRect(inner.left, top, inner.right - inner.left, lh), flags, line);
        top += lh;
      }
      return 0;
    }
    int w = 0;
    for (const QString& line : shown) w = std::max(w, metrics.horizontalAdvance(line));
    DrawFrame(frameColour, {inner.left, top, inner.right, top + n * lh}, style.frameMode, w, align,
              style.fillColour, f, backgroundBuffer, dx, dy, alpha, 0);
    return 0;
  }

  // Rotated: each line runs upward, centred on the card's height, lines stepping to the right.
  if (print) {
    const ColourRef c = TextColour(style);
    dc->setFont(font);
    dc->setPen(QColor(ColourRefRed(c), ColourRefGreen(c), ColourRefBlue(c)));
    for (int k = 0; k < n; ++k) {
      const int cx = metrics.horizontalAdvance(shown[k]);
      const int x = inner.left + k * lh;
      const int y = frameColour.bottom - (frameColour.bottom - frameColour.top - cx) / 2;
      dc->save();
      dc->translate(x, y);
      dc->rotate(-angle);
      dc->drawText(QPoint(0, metrics.ascent()), shown[k]);
      dc->restore();
    }
    return 0;
  }
  // The frame spans the longest drawn line, so every line sits inside it.
  int w = 0;
  for (const QString& line : shown) w = std::max(w, metrics.horizontalAdvance(line));
  DrawFrame(frameColour,
            {inner.left, (frameColour.bottom - w) / 2, inner.left + n * lh,
             frameColour.bottom - (frameColour.bottom - frameColour.top - w) / 2},
            style.frameMode, w, kAlignOwnEdges, style.fillColour, f, backgroundBuffer, dx, dy,
            alpha, angle);
  return 0;
}

void DrawFrame(PixelRect frameColour, PixelRect text, int frameMode, int w, int align,
               HslColour fill, int f, uint32_t* buf, int dx, int dy, int alpha, int angle) {
  if (frameMode < kFrameExact || frameMode > kFrameCardLong) return;
  const uint32_t colour = ToPixel(RgbToColourRef(HslToRgb(fill)));

  int left = text.left;
  int right = text.right;
  switch (align) {
    case 0:
      right = left + w;
      break;
    case 1:
      left = (frameColour.right - w) / 2;
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
  if (f >= 0 && noText && (frame.left >= frame.right || frame.top >= frame.bottom)) return;
  TAVOLO_CHECK_AS("frct.left<frct.right", frame.left < frame.right);
  TAVOLO_CHECK_AS("frct.top<frct.bottom", frame.top < frame.bottom);

  PixelRect area = frame;
  const bool rotated = angle != 0;
  switch (frameMode) {
    case kFrameLeft:
      if (rotated) {
        area.bottom = frameColour.bottom;
      } else {
        area.left = frameColour.left;
      }
      break;
    case kFrameRight:
      if (rotated) {
        area.top = frameColour.top;
      } else {
        area.right = frameColour.right;
      }
      break;
    case kFrameCardLong:
      if (rotated) {
        area.top = frameColour.top;
        area.bottom = frameColour.bottom;
      } else {
        area.left = frameColour.left;
        area.right = frameColour.right;
      }
      break;
    default:
      break;
  }
  BlendRect(buf, dx, dy, area, colour, 0, alpha);
}

void BlendRect(uint32_t* buf, int dx, int dy, PixelRect rect, uint32_t colour, uint32_t border,
               int alpha) {
  if (buf == nullptr || dx <= 0 || dy <= 0) return;
  const int left = std::max(rect.left, 0);
  const int right = std::min(rect.right, dx - 1);
  const int top = std::max(rect.top, 0);
  const int bottom = std::min(rect.bottom, dy - 1);
  if (left >= right || top >= bottom) return;
  const auto a = static_cast<uint32_t>(std::clamp(alpha, 0, 255));
  const uint32_t keep = 255 - a;
  const uint32_t fillPart = colour & 0x00FFFFFFu;
  const uint32_t borderPart = border & 0x00FFFFFFu;
  for (int y = top; y < bottom; ++y) {
    uint32_t* row = buf + static_cast<size_t>(y) * dx;
    const bool edgeRow = y == top || y == bottom - 1;
    for (int x = left; x < right; ++x) {
      const bool ring = edgeRow || x == left || x == right - 1;
      row[x] = BlendByteWise(row[x], ring ? borderPart : fillPart, keep, a);
    }
  }
}

}  // namespace tavolo
