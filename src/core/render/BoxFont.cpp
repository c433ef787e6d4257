#include "core/render/BoxFont.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "core/render/CompositionScale.h"

namespace tavolo {

namespace {

// 1/615 in single precision: a font size is given for a card 615 pixels high.
constexpr float kPerCardHeight = 0.0016260162f;
constexpr int kWeightRegular = 400;
constexpr int kWeightBold = 700;
// Pixel sizes a font may take: a zero height asks for the face's default size; sizes past the
// largest are no text a card can show and only cost time.
constexpr int kDefaultPixelSize = 12;
constexpr int kMaxPixelSize = 4096;

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

FontSpec MakeFontSpec(const TextBoxStyle& style, int divisor, float cardHeight, int angle,
                      int dpi) {
  FontSpec spec;
  const float size = static_cast<float>(ParseFontSize(style.size));
  // The height is worked out for the card at 300 dpi, whole pixels there, and then scaled: the
  // same card at any resolution has the same font, not one a truncation apart.
  const float scale = CompositionScale(dpi);
  const float k = cardHeight / scale * kPerCardHeight;
  const float div = static_cast<float>(std::max(divisor, 1));
  const float height = size / div * 0.1f - size * k / div;
  const float whole = std::isfinite(height) ? std::trunc(std::clamp(height, -1e9f, 1e9f)) : 0.0f;
  spec.height = static_cast<int>(std::clamp(whole * scale, -1e9f, 1e9f));
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

}  // namespace tavolo
