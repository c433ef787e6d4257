#include <QPainter>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

#include "Canvas.h"
#include "Families.h"
#include "Field.h"

namespace tavolo::bggen {

void PaintBokeh(QImage& image, const BokehStyle& style) {
  const Field hazes(4,
                    [&](float x, float y) { return Fbm(x / 300.0f, y / 300.0f, 3, style.seed); });
  ShadePixels(image, [&](float x, float y) {
    const float t = Clamp01(0.7f * y / kHeight + 0.3f * x / kWidth);
    const float haze = hazes.At(x, y) - 0.5f;
    return Mix(style.top, style.bottom, t) * (1.0f + 0.12f * haze);
  });
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  // Light adds to a dark scene; on a pale one the discs are tinted glass.
  const float depth = style.top.r + style.top.g + style.top.b;
  if (depth < 1.5f) painter.setCompositionMode(QPainter::CompositionMode_Screen);
  Random random(style.seed);
  for (int i = 0; i < style.count; ++i) {
    // Most lights gather along a band that falls from the upper left; some stray.
    const float x = random.Range(-40.0f, kWidth + 40.0f);
    const float band = kHeight * (0.25f + 0.45f * x / kWidth);
    const float spread = random.Unit() < 0.7f ? 110.0f : 320.0f;
    const float y = band + (random.Unit() + random.Unit() - 1.0f) * spread;
    const float size = random.Unit();
    const float radius = 6.0f + style.maxRadius * size * size;
    // Big discs are the most out of focus, so the faintest.
    const float alpha = style.strength * random.Range(0.35f, 1.0f) * (1.0f - 0.55f * size * size);
    const Rgb colour = Mix(style.lightA, style.lightB, random.Unit());
    QRadialGradient disc(QPointF(x, y), radius);
    disc.setColorAt(0.0, ToQColor(colour, alpha * 0.55f));
    disc.setColorAt(0.75, ToQColor(colour, alpha * 0.7f));
    disc.setColorAt(0.93, ToQColor(colour, alpha));
    disc.setColorAt(1.0, ToQColor(colour, 0.0f));
    painter.setBrush(disc);
    painter.drawEllipse(QPointF(x, y), radius, radius);
  }
  painter.end();
  AddGrain(image, 0.015f, style.seed + 1);
}

void PaintAurora(QImage& image, const AuroraStyle& style) {
  const uint32_t s = style.seed;
  ShadePixels(image, [&](float x, float y) {
    const float u = x / kWidth;
    const float v = y / kHeight;
    Rgb c = Mix(style.top, style.bottom, v);
    // A curtain: a wavering lower edge of light with rays that fade upward from it.
    const float curve =
        0.6f + 0.12f * std::sin(u * 5.0f + 1.0f) + 0.18f * (Fbm(u * 2.0f, 0.5f, 3, s) - 0.5f);
    const float below = v - curve;
    const float curtain =
        below < 0.0f ? std::exp(-below * below * 14.0f) : std::exp(-below * below * 250.0f);
    const float rays = 0.6f + 0.4f * Fbm(x / 9.0f, y / 260.0f, 2, s + 1);
    const float glow = curtain * rays * (0.35f + 0.65f * Fbm(u * 3.0f, v, 2, s + 2));
    const Rgb light = Mix(style.glowA, style.glowB, SmoothStep(0.2f, 0.9f, u));
    c = Screen(c, light * glow * 0.75f);
    return c;
  });
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  Random random(s);
  for (int i = 0; i < 140; ++i) {
    const float x = random.Range(0, kWidth);
    const float y = random.Range(0, kHeight * 0.7f);
    painter.setBrush(ToQColor(Rgb{1, 1, 1}, random.Range(0.15f, 0.6f)));
    const float r = random.Range(0.4f, 1.1f);
    painter.drawEllipse(QPointF(x, y), r, r);
  }
  painter.end();
  AddGrain(image, 0.015f, s + 3);
}

}  // namespace tavolo::bggen
