#include "core/render/BackgroundProcessing.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include <QPainter>

#include "core/base/CheckedCall.h"
#include "core/base/ColourModel.h"
#include "core/card/Truncate.h"
#include "core/render/PixelBlend.h"
#include "core/render/PixelTint.h"

namespace tavolo {

namespace {

// Shift factors: the hue turns by up to half the circle, saturation and lightness cross their
// range.
constexpr float kHueSpan = 239.0f;
constexpr float kSatLightSpan = 480.0f;

// One colour tinted.
uint32_t TintPixel(uint32_t pixel, float dh, float ds, float dl) {
  TintPixels(&pixel, 1, dh, ds, dl);
  return pixel;
}

// Blends whole rows [from, to) of the buffer, each with its own weight.
template <class WeightOfRow>
void BlendRows(uint32_t* buf, int dx, int from, int to, uint32_t colour, WeightOfRow weight) {
  for (int y = from; y < to; ++y) {
    const auto t = static_cast<uint32_t>(weight(y));
    uint32_t* row = buf + static_cast<size_t>(y) * dx;
    BlendSpan(row, row + dx, colour, 255 - t, t);
  }
}

// Blends the columns [from, to) of every row, each column with its own weight.
template <class WeightOfColumn>
void BlendColumns(uint32_t* buf, int dx, int dy, int from, int to, uint32_t colour,
                  WeightOfColumn weight) {
  if (from >= to) return;
  // The weights repeat on every row: worked out once, with their complements.
  const auto width = static_cast<size_t>(to - from);
  std::vector<uint32_t> weights(width);
  std::vector<uint32_t> keeps(width);
  for (size_t i = 0; i < width; ++i) {
    weights[i] = static_cast<uint32_t>(weight(from + static_cast<int>(i)));
    keeps[i] = 255 - weights[i];
  }
  for (int y = 0; y < dy; ++y) {
    uint32_t* span = buf + static_cast<size_t>(y) * dx + from;
    for (size_t i = 0; i < width; ++i) span[i] = BlendBytes(span[i], colour, keeps[i], weights[i]);
  }
}

void FillRows(uint32_t* buf, int dx, int from, int to, uint32_t colour) {
  if (from >= to) return;
  std::fill(buf + static_cast<size_t>(from) * dx, buf + static_cast<size_t>(to) * dx, colour);
}

void FillColumns(uint32_t* buf, int dx, int dy, int from, int to, uint32_t colour) {
  if (from >= to) return;
  for (int y = 0; y < dy; ++y) {
    uint32_t* row = buf + static_cast<size_t>(y) * dx;
    std::fill(row + from, row + to, colour);
  }
}

// A ramp end as a buffer index: within 0..limit.
// Where position `i` (any integer) mirrors into 0..n-1, folding back and forth about the ends.
int Reflect(int i, int n) {
  if (n <= 1) return 0;
  const int period = 2 * (n - 1);
  int folded = i % period;
  if (folded < 0) folded += period;
  return folded < n ? folded : period - folded;
}

int Clip(int64_t position, int limit) {
  return static_cast<int>(std::clamp<int64_t>(position, 0, limit));
}

}  // namespace

int DrawnBackgroundNumber(int backgroundIndex) {
  return backgroundIndex <= -1 ? 1 : backgroundIndex;
}

void DrawBackgroundImage(QImage& card, const QImage& picture) {
  if (card.isNull()) return;
  QPainter painter(&card);
  if (picture.isNull()) {
    painter.fillRect(card.rect(), Qt::white);
    return;
  }
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(card.rect(), picture);
}

QImage ReflectedPast(const QImage& picture, int pixels) {
  const QImage::Format format =
      picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
  const QImage source = picture.convertToFormat(format);
  if (source.isNull() || pixels <= 0) return source;
  const int width = source.width();
  const int height = source.height();
  QImage grown(width + 2 * pixels, height + 2 * pixels, format);
  if (grown.isNull()) return grown;
  grown.setDotsPerMeterX(source.dotsPerMeterX());
  grown.setDotsPerMeterY(source.dotsPerMeterY());
  std::vector<int> columns(static_cast<size_t>(grown.width()));
  for (int x = 0; x < grown.width(); ++x)
    columns[static_cast<size_t>(x)] = Reflect(x - pixels, width);
  for (int y = 0; y < grown.height(); ++y) {
    const auto* from =
        reinterpret_cast<const QRgb*>(source.constScanLine(Reflect(y - pixels, height)));
    auto* to = reinterpret_cast<QRgb*>(grown.scanLine(y));
    for (int x = 0; x < grown.width(); ++x) to[x] = from[columns[static_cast<size_t>(x)]];
  }
  return grown;
}

bool SetHSL(uint32_t* backgroundBuffer, int dx, int dy, float hue, float sat, float l) {
  if (backgroundBuffer == nullptr || dx <= 0 || dy <= 0) return false;
  if (hue == 0.0f && sat == 0.0f && l == 0.0f) return true;
  const float dh = std::isfinite(hue) ? hue * kHueSpan : 0.0f;
  const float ds = std::isfinite(sat) ? sat * kSatLightSpan : 0.0f;
  const float dl = std::isfinite(l) ? l * kSatLightSpan : 0.0f;

  TintPixels(backgroundBuffer, static_cast<size_t>(dx) * static_cast<size_t>(dy), dh, ds, dl);
  return true;
}

uint32_t TintStripColour(TintStrip strip, float position, float hue) {
  constexpr float kMiddle = 120.0f;
  switch (strip) {
    case TintStrip::kHue:
      return TintPixel(HslToColourRef(0.0f, 240.0f, kMiddle), (position + 0.5f) * kHueSpan, 0, 0);
    case TintStrip::kSaturation:
      return TintPixel(HslToColourRef(hue, kMiddle, kMiddle), 0, position * kSatLightSpan, 0);
    case TintStrip::kLightness:
      return TintPixel(HslToColourRef(0.0f, 0.0f, kMiddle), 0, 0, position * kSatLightSpan);
  }
  return 0;
}

QImage TintedLikeCard(const QImage& picture, const CardState& live) {
  QImage copy = picture.convertToFormat(QImage::Format_RGB32);
  if (copy.isNull()) return copy;
  auto* pixels = reinterpret_cast<uint32_t*>(copy.bits());
  SetHSL(pixels, copy.width(), copy.height(), live.hueShift, live.satShift, live.lightShift);
  ModifyBg(pixels, copy.width(), copy.height(), live);
  return copy;
}

uint32_t GradientColour(const CardState& live) {
  const ColourRef c = RgbToColourRef(
      HslToRgb({live.backgroundColour.h, live.backgroundColour.s, live.bgBrightness * 240.0f}));
  return (static_cast<uint32_t>(ColourRefRed(c)) << 16) |
         (static_cast<uint32_t>(ColourRefGreen(c)) << 8) | ColourRefBlue(c);
}

uint32_t BlendTowards(uint32_t pixel, uint32_t colour, int t) {
  const auto weight = static_cast<uint32_t>(t);
  return BlendBytes(pixel, colour, 255 - weight, weight);
}

int64_t RampSpan(int64_t start, int64_t solidEdge) {
  const int64_t divisor = solidEdge - start - 1;
  return divisor != 0 ? divisor : solidEdge - start;
}

// Ramp ends come from the card's floats and may lie far outside the buffer, so they are 64-bit.
int RampWeight(int64_t p, int64_t start, int64_t solidEdge) {
  const int64_t divisor = RampSpan(start, solidEdge);
  if (divisor == 0) return 0;
  const int64_t t = (p - start) * 255 / divisor;
  return static_cast<int>(std::clamp<int64_t>(t, 0, 255));
}

std::optional<GradientBands> GradientBandsOf(const CardState& live, int dx, int dy) {
  const float shift = live.bgShift;
  const float scale = live.gradScale;
  GradientBands bands;
  switch (live.gradOrientation) {
    case kGradTopToBottom: {
      const int64_t a = Trunc((1.0f - shift) * static_cast<float>(dy));
      const int64_t b = Trunc((1.0f - scale) * static_cast<float>(a));
      bands = {true, Clip(a, dy), dy, Clip(b, dy), Clip(a, dy), b, a};
      break;
    }
    case kGradLeftToRight: {
      const int64_t a = Trunc(static_cast<float>(dx) * shift);
      const int64_t e = Trunc(static_cast<float>(dx - a) * scale) + a;
      bands = {false, 0, Clip(a, dx), Clip(a, dx), Clip(e, dx), e, a};
      break;
    }
    case kGradBottomToTop: {
      const int64_t a = Trunc(static_cast<float>(dy) * shift);
      const int64_t e = Trunc(static_cast<float>(dy - a) * scale) + a;
      bands = {true, 0, Clip(a, dy), Clip(a, dy), Clip(e, dy), e, a};
      break;
    }
    case kGradRightToLeft: {
      const int64_t a = Trunc((1.0f - shift) * static_cast<float>(dx));
      const int64_t b = Trunc((1.0f - scale) * static_cast<float>(a));
      bands = {false, Clip(a, dx), dx, Clip(b, dx), Clip(a, dx), b, a};
      break;
    }
    default:
      return std::nullopt;
  }
  return bands;
}

int ModifyBg(uint32_t* backgroundBuffer, int dx, int dy, const CardState& live) {
  if (backgroundBuffer == nullptr || dx <= 0 || dy <= 0) return 0;
  const std::optional<GradientBands> bands = GradientBandsOf(live, dx, dy);
  if (!TAVOLO_CHECK_AS("gradOrientation>=0 && gradOrientation<=3", bands.has_value())) return 0;
  const uint32_t colour = GradientColour(live);
  const auto weight = [&](int p) { return RampWeight(p, bands->rampStart, bands->rampSolidEdge); };
  if (bands->vertical) {
    FillRows(backgroundBuffer, dx, bands->solidFrom, bands->solidTo, colour);
    BlendRows(backgroundBuffer, dx, bands->rampFrom, bands->rampTo, colour, weight);
  } else {
    FillColumns(backgroundBuffer, dx, dy, bands->solidFrom, bands->solidTo, colour);
    BlendColumns(backgroundBuffer, dx, dy, bands->rampFrom, bands->rampTo, colour, weight);
  }
  return 0;
}

}  // namespace tavolo
