#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>
#include <vector>

#include "Canvas.h"
#include "Families.h"
#include "Field.h"

namespace tavolo::bggen {

namespace {

constexpr float kPi = std::numbers::pi_v<float>;

void PaintVertical(QImage& image, Rgb top, Rgb bottom, uint32_t seed) {
  const Field clouds(4, [&](float x, float y) { return Fbm(x / 350.0f, y / 350.0f, 2, seed); });
  ShadePixels(image, [&](float x, float y) {
    const float t = SmoothStep(-0.1f, 1.1f, y / kHeight * 0.8f + x / kWidth * 0.2f);
    return Mix(top, bottom, t) * (1.0f + 0.03f * (clouds.At(x, y) - 0.5f));
  });
}

}  // namespace

void PaintWaves(QImage& image, const WavesStyle& style) {
  PaintVertical(image, style.top, style.bottom, style.seed);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  Random random(style.seed);
  const int count = static_cast<int>(style.bands.size());
  for (int k = 0; k < count; ++k) {
    const float base = kHeight * (1.0f - style.height + style.height * 0.8f * k / count);
    const float a1 = random.Range(14.0f, 30.0f);
    const float l1 = random.Range(600.0f, 1100.0f);
    const float p1 = random.Range(0.0f, 2.0f * kPi);
    const float a2 = random.Range(5.0f, 12.0f);
    const float l2 = random.Range(250.0f, 420.0f);
    const float p2 = random.Range(0.0f, 2.0f * kPi);
    const float rise = random.Range(-40.0f, 40.0f);
    QPainterPath path(QPointF(-2, kHeight + 2));
    for (int x = -2; x <= kWidth + 6; x += 4) {
      const float fx = static_cast<float>(x);
      const float y = base + rise * (fx / kWidth - 0.5f) + a1 * std::sin(2 * kPi * fx / l1 + p1) +
                      a2 * std::sin(2 * kPi * fx / l2 + p2);
      path.lineTo(fx, y);
    }
    path.lineTo(kWidth + 6, kHeight + 2);
    path.closeSubpath();
    const Rgb band = style.bands[k];
    QLinearGradient fill(0, base - 40, 0, kHeight);
    fill.setColorAt(0.0, ToQColor(band, 0.8f));
    fill.setColorAt(1.0, ToQColor(band * 0.92f, 0.95f));
    painter.setBrush(fill);
    painter.setPen(QPen(ToQColor(Rgb{1, 1, 1}, 0.25f), 1.2));
    painter.drawPath(path);
  }
  painter.end();
  AddGrain(image, 0.01f, style.seed + 1);
}

void PaintSilk(QImage& image, const SilkStyle& style) {
  PaintVertical(image, style.top, style.bottom, style.seed);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  Random random(style.seed);
  const float phase = random.Range(0.0f, 2.0f * kPi);
  const float lambda = random.Range(900.0f, 1300.0f);
  const bool light =
      (style.line.r + style.line.g + style.line.b) > (style.top.r + style.top.g + style.top.b);
  if (light) painter.setCompositionMode(QPainter::CompositionMode_Screen);
  painter.setPen(QPen(ToQColor(style.line, style.alpha), 1.0));
  painter.setBrush(Qt::NoBrush);
  // A ribbon of lines that twist around each other: every line has the same wave with its own
  // amplitude, so they cross where the ribbon turns over.
  for (int i = 0; i < style.lines; ++i) {
    const float t = static_cast<float>(i) / (style.lines - 1);
    QPainterPath path;
    for (int x = -10; x <= kWidth + 10; x += 6) {
      const float u = static_cast<float>(x) / kWidth;
      const float centre = kHeight * (0.78f - 0.35f * u);
      const float twist = std::cos(2.0f * kPi * x / lambda + phase);
      const float width = kHeight * 0.16f * (0.35f + 0.65f * u);
      const float y = centre + (t - 0.5f) * width * 2.0f * twist +
                      28.0f * std::sin(2.0f * kPi * x / (lambda * 0.6f) + phase + t * 1.2f);
      if (x == -10) {
        path.moveTo(x, y);
      } else {
        path.lineTo(x, y);
      }
    }
    painter.drawPath(path);
  }
  painter.end();
  AddGrain(image, 0.01f, style.seed + 1);
}

void PaintContours(QImage& image, const ContourStyle& style) {
  std::vector<float> field(static_cast<size_t>(kWidth) * kHeight);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      field[static_cast<size_t>(y) * kWidth + x] =
          Fbm(x / 420.0f, y / 420.0f, 4, style.seed) * style.levels;
    }
  }
  const Field clouds(
      4, [&](float x, float y) { return Fbm(x / 200.0f, y / 200.0f, 3, style.seed + 1); });
  auto at = [&](int x, int y) {
    x = std::clamp(x, 0, kWidth - 1);
    y = std::clamp(y, 0, kHeight - 1);
    return field[static_cast<size_t>(y) * kWidth + x];
  };
  ShadePixels(image, [&](float fx, float fy) {
    const int x = static_cast<int>(fx);
    const int y = static_cast<int>(fy);
    const float f = at(x, y);
    const float gx = (at(x + 1, y) - at(x - 1, y)) * 0.5f;
    const float gy = (at(x, y + 1) - at(x, y - 1)) * 0.5f;
    const float slope = std::max(std::sqrt(gx * gx + gy * gy), 1e-4f);
    // Distance in pixels to the nearest level line, for an evenly thin, smooth line.
    const float distance = std::fabs(f - std::round(f)) / slope;
    const float major = (static_cast<int>(std::round(f)) % 5 == 0) ? 1.6f : 1.0f;
    const float line = 1.0f - SmoothStep(0.35f * major, 1.2f * major, distance);
    const float paper = 1.0f + 0.02f * (clouds.At(fx, fy) - 0.5f);
    return Mix(style.base * paper, style.line, line * style.alpha);
  });
  AddGrain(image, 0.012f, style.seed + 2);
}

void PaintRipples(QImage& image, const RippleStyle& style) {
  const float cx = style.cx * kWidth;
  const float cy = style.cy * kHeight;
  const float reach = std::hypot(static_cast<float>(kWidth), static_cast<float>(kHeight)) * 1.1f;
  ShadePixels(image, [&](float x, float y) {
    const float d = std::hypot(x - cx, y - cy);
    const float t = Clamp01(d / reach);
    const Rgb c = Mix(style.inner, style.outer, SmoothStep(0.0f, 1.0f, t));
    const float ring = std::fabs(d / style.spacing - std::round(d / style.spacing)) * style.spacing;
    const float line = 1.0f - SmoothStep(0.3f, 1.3f, ring);
    return Mix(c, style.line, line * style.alpha * (1.0f - 0.7f * t));
  });
  AddGrain(image, 0.01f, 5);
}

void PaintSwoosh(QImage& image, const SwooshStyle& style) {
  PaintPaper(image, {.base = style.paper, .mottle = 0.006f, .grain = 0.01f, .seed = 41});
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  const float w = kWidth;
  const float h = kHeight;
  // Two sweeping crescents along the lower edge, the bright one tucked under the deep one.
  QPainterPath back(QPointF(0, h * 0.70f));
  back.cubicTo(w * 0.30f, h * 0.92f, w * 0.62f, h * 0.62f, w, h * 0.48f);
  back.lineTo(w, h);
  back.lineTo(0, h);
  back.closeSubpath();
  QLinearGradient brightFill(0, h, w, h * 0.5f);
  brightFill.setColorAt(0.0, ToQColor(style.bright, 0.55f));
  brightFill.setColorAt(1.0, ToQColor(style.bright, 0.85f));
  painter.setBrush(brightFill);
  painter.drawPath(back);

  QPainterPath front(QPointF(0, h * 0.84f));
  front.cubicTo(w * 0.35f, h * 1.02f, w * 0.68f, h * 0.74f, w, h * 0.62f);
  front.lineTo(w, h);
  front.lineTo(0, h);
  front.closeSubpath();
  QLinearGradient deepFill(0, h, w, h * 0.6f);
  deepFill.setColorAt(0.0, ToQColor(style.deep));
  deepFill.setColorAt(1.0, ToQColor(Mix(style.deep, style.bright, 0.35f)));
  painter.setBrush(deepFill);
  painter.drawPath(front);

  QPainterPath thread(QPointF(0, h * 0.77f));
  thread.cubicTo(w * 0.32f, h * 0.97f, w * 0.65f, h * 0.66f, w, h * 0.545f);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(ToQColor(Rgb{1, 1, 1}, 0.7f), 2.0));
  painter.drawPath(thread);
}

}  // namespace tavolo::bggen
