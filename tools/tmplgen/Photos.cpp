#include "Photos.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <vector>

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "bggen/Colour.h"
#include "bggen/Noise.h"

namespace tavolo::tmplgen {

namespace {

using bggen::Clamp01;
using bggen::Fbm;
using bggen::HashUnit;
using bggen::Hex;
using bggen::Mix;
using bggen::Pack;
using bggen::Random;
using bggen::Rgb;
using bggen::Screen;
using bggen::SmoothStep;
using bggen::Unpack;

constexpr uint32_t kGrainSeed = 0x6A41Bu;

Rgb Mix3(Rgb a, Rgb b, Rgb c, float t) {
  return t < 0.5f ? Mix(a, b, SmoothStep(0.0f, 0.5f, t)) : Mix(b, c, SmoothStep(0.5f, 1.0f, t));
}

struct Extent {
  int W;
  int H;
  float w;  // the same as floats, for the shading
  float h;
};

Extent Measure(QSize size) {
  return {size.width(), size.height(), static_cast<float>(size.width()),
          static_cast<float>(size.height())};
}

// Every photo ends with a little film grain and a soft vignette, as a lens gives.
void FinishLikeAPhoto(QImage& image, float vignette) {
  const float cx = static_cast<float>(image.width()) / 2.0f;
  const float cy = static_cast<float>(image.height()) / 2.0f;
  for (int y = 0; y < image.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const float dx = (static_cast<float>(x) - cx) / cx;
      const float dy = (static_cast<float>(y) - cy) / cy;
      const float fall = 1.0f - vignette * (dx * dx + dy * dy) * 0.5f;
      const float grain = (HashUnit(x, y, kGrainSeed) - 0.5f) * 0.04f;
      const Rgb c = Unpack(row[x]) * fall + Rgb{grain, grain, grain};
      row[x] = Pack(c, HashUnit(x, y, kGrainSeed + 1));
    }
  }
}

// A sky graded from its zenith to the horizon, with a sun, its glow and streaks of cloud.
struct Sky {
  Rgb top;
  Rgb middle;
  Rgb low;
  Rgb sun;
  float sunX;       // fraction of the width
  float sunY;       // fraction of the height down to the horizon
  float sunRadius;  // fraction of the width
  float clouds;     // 0 none .. 1 many
  uint32_t seed;

  Rgb At(float x, float y, float w, float horizon) const {
    const float t = Clamp01(y / horizon);
    Rgb c = Mix3(top, middle, low, t);
    const float d = std::hypot(x - sunX * w, y - sunY * horizon) / w;
    if (clouds > 0.0f) {
      const float n = Fbm(x / w * 2.5f, y / horizon * 9.0f, 5, seed);
      const float cover = SmoothStep(0.78f - 0.25f * clouds, 0.9f, n) * (1.0f - t * t) * 0.85f;
      const Rgb lit = Mix(middle * 1.08f, sun, Clamp01(std::exp(-d * 4.0f)));
      c = Mix(c, lit, cover);
    }
    const float glow = 0.55f * std::exp(-d * 5.0f) + 0.6f * std::exp(-d * 28.0f);
    c = Screen(c, sun * glow);
    const float disc = SmoothStep(sunRadius, sunRadius * 0.85f, d);
    return Mix(c, sun, disc);
  }
};

// The sun's light on water at `across` pixels from below the sun: a column of the given
// half-width, broken into ripples.
float SunPath(float across, float y, float halfWidth, float strength, uint32_t seed) {
  const float column = across / halfWidth;
  const float ripples = SmoothStep(0.45f, 0.8f, Fbm(across * 0.02f, y * 0.5f, 3, seed));
  return strength * std::exp(-column * column * 2.0f) * ripples;
}

// The top edge of a range of hills: higher where the noise is.
float RidgeTop(float x, float w, float horizon, float h, float base, float amplitude, float detail,
               uint32_t seed) {
  const float broad = Fbm(x / w * detail, 0.5f, 5, seed);
  return horizon - h * (base + amplitude * broad);
}

// A mountain lake at sunset: layered ranges fading into the haze, their reflection rippling.
QImage Lake(QSize size) {
  const auto [W, H, w, h] = Measure(size);
  const float horizon = h * 0.60f;
  const Sky sky{Hex(0x243f6b), Hex(0xc4879b), Hex(0xf6c98e), Hex(0xfff0cf), 0.64f,
                0.62f,         0.026f,        0.6f,          0x51C0u};
  struct Range {
    float base;
    float amplitude;
    float detail;
    float depth;
    Rgb colour;
  };
  const std::array<Range, 3> ranges = {{{0.05f, 0.4f, 1.6f, 0.62f, Hex(0x5a5680)},
                                        {0.02f, 0.2f, 2.8f, 0.8f, Hex(0x33344f)},
                                        {-0.01f, 0.09f, 5.0f, 0.95f, Hex(0x151a24)}}};
  QImage image(size, QImage::Format_RGB32);
  const int horizonRow = static_cast<int>(horizon);
  std::vector<Rgb> above(static_cast<size_t>(W) * static_cast<size_t>(horizonRow + 1));
  for (int y = 0; y <= horizonRow; ++y) {
    for (int x = 0; x < W; ++x) {
      const float fx = static_cast<float>(x);
      const float fy = static_cast<float>(y);
      Rgb c = sky.At(fx, fy, w, horizon);
      for (size_t k = 0; k < ranges.size(); ++k) {
        const Range& r = ranges[k];
        float top = RidgeTop(fx, w, horizon, h, r.base, r.amplitude, r.detail,
                             0x7100u + static_cast<uint32_t>(k));
        // The nearest range is wooded: a ragged edge of treetops.
        if (k == 2) top -= h * 0.018f * Fbm(fx * 0.09f, 3.0f, 3, 0x7EEu);
        if (fy < top) continue;
        const float haze = SmoothStep(top, horizon + 1.0f, fy) * (1.0f - r.depth) * 0.8f;
        const float texture = (Fbm(fx / w * 18.0f, fy / h * 18.0f, 4, 0x7200u + k) - 0.5f) * 0.18f;
        Rgb rock = Mix(sky.low, r.colour, r.depth) * (1.0f + texture);
        // Snow on the far peaks, where the range rises highest.
        if (k == 0 && top < horizon - h * 0.33f && fy - top < h * 0.045f) {
          rock = Mix(rock, Hex(0xf2e6ea), 0.65f * SmoothStep(h * 0.045f, 0.0f, fy - top));
        }
        c = Mix(rock, sky.low, haze);
      }
      above[static_cast<size_t>(y) * W + x] = c;
      reinterpret_cast<QRgb*>(image.scanLine(y))[x] = Pack(c, HashUnit(x, y, 3u));
    }
  }
  const Rgb water = Hex(0x23304a);
  for (int y = horizonRow + 1; y < H; ++y) {
    const float depth = (static_cast<float>(y) - horizon) / (h - horizon);
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < W; ++x) {
      const float fx = static_cast<float>(x);
      const float ripple = (Fbm(fx / w * 3.0f, static_cast<float>(y) * 0.35f, 3, 0x7300u) - 0.5f) *
                           (6.0f + 30.0f * depth);
      const int sx = std::clamp(static_cast<int>(fx + ripple), 0, W - 1);
      const int sy = std::clamp(2 * horizonRow - y, 0, horizonRow);
      Rgb c = Mix(above[static_cast<size_t>(sy) * W + sx] * 0.82f, water, 0.15f + 0.45f * depth);
      c = Screen(c, sky.sun * SunPath(fx - sky.sunX * w, static_cast<float>(y),
                                      w * (0.02f + 0.08f * depth), 0.55f, 0x7400u));
      // The near shore: grass and stones in shadow.
      const float shore = h * (0.9f + 0.05f * Fbm(fx / w * 5.0f, 1.5f, 4, 0x7500u));
      if (static_cast<float>(y) > shore) {
        c = Hex(0x141a16) * (0.8f + 0.5f * Fbm(fx * 0.05f, static_cast<float>(y) * 0.05f, 3, 9u));
      }
      row[x] = Pack(c, HashUnit(x, y, 4u));
    }
  }
  FinishLikeAPhoto(image, 0.35f);
  return image;
}

// A seaside morning: a clear sky, the sea's horizon, a line of foam and a sandy beach.
QImage Seaside(QSize size) {
  const auto [W, H, w, h] = Measure(size);
  const float horizon = h * 0.46f;
  const Sky sky{Hex(0x2f74bd), Hex(0x86bde6), Hex(0xe7f2f6), Hex(0xfffbea), 0.24f,
                0.42f,         0.03f,         0.45f,         0x5EA0u};
  QImage image(size, QImage::Format_RGB32);
  for (int y = 0; y < H; ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    const float fy = static_cast<float>(y);
    for (int x = 0; x < W; ++x) {
      const float fx = static_cast<float>(x);
      Rgb c;
      const float foam = h * (0.7f + 0.025f * std::sin(fx / w * 7.0f) +
                              0.03f * Fbm(fx / w * 4.0f, 0.5f, 4, 0x5EA1u));
      // A headland on the left, blue with distance.
      const float headland = horizon - h * (0.09f * SmoothStep(0.42f, 0.0f, fx / w) *
                                            (0.7f + 0.5f * Fbm(fx / w * 6.0f, 2.5f, 4, 0x5EA2u)));
      if (fy < horizon) {
        c = sky.At(fx, fy, w, horizon);
        if (fy >= headland)
          c = Mix(Hex(0x5c7f8f), sky.low, 0.3f * SmoothStep(headland, horizon, fy));
      } else if (fy < foam) {
        const float t = (fy - horizon) / (foam - horizon);
        const float waves = Fbm(fx / w * 6.0f, fy * 0.22f, 4, 0x5EA3u) - 0.5f;
        c = Mix(Hex(0x1f5e8c), Hex(0x3fa9b8), t * t) * (1.0f + waves * (0.18f + 0.2f * t));
        c = Screen(
            c, sky.sun * SunPath(fx - sky.sunX * w, fy, w * (0.04f + 0.14f * t), 0.6f, 0x5EA4u));
        // Shallow water turns clear and bright near the foam.
        c = Mix(c, Hex(0x9edbd6), SmoothStep(0.8f, 1.0f, t) * 0.6f);
      } else {
        const float onSand = (fy - foam) / (h - foam);
        const float lace = Fbm(fx * 0.03f, fy * 0.12f, 4, 0x5EA5u);
        const Rgb wet = Hex(0xb79f7c);
        const Rgb dry = Hex(0xead6ae);
        c = Mix(wet, dry, SmoothStep(0.0f, 0.35f, onSand));
        c = Mix(c, Hex(0xfbfbf5), SmoothStep(0.12f, 0.0f, onSand) * SmoothStep(0.35f, 0.6f, lace));
        c = c * (0.94f + 0.1f * Fbm(fx * 0.08f, fy * 0.3f, 3, 0x5EA6u));
      }
      row[x] = Pack(c, HashUnit(x, y, 5u));
    }
  }
  FinishLikeAPhoto(image, 0.25f);
  return image;
}

// Wide planks of a dark wooden table top, lit from the upper left.
void PaintTable(QImage& image) {
  const float w = static_cast<float>(image.width());
  const float h = static_cast<float>(image.height());
  const float plank = h / 3.4f;
  const Rgb dark = Hex(0x4a2f1e);
  const Rgb light = Hex(0x8c6040);
  for (int y = 0; y < image.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    const float fy = static_cast<float>(y);
    const int p = static_cast<int>(fy / plank);
    const float v = fy - static_cast<float>(p) * plank;
    const float tone = 0.9f + 0.2f * HashUnit(p, 7, 0xB0A7u);
    for (int x = 0; x < image.width(); ++x) {
      const float fx = static_cast<float>(x);
      const float n = Fbm(fx * 0.0035f, fy * 0.05f + static_cast<float>(p) * 13.0f, 5, 0xB0A8u);
      const float rings = 0.5f + 0.5f * std::sin(fy * 0.21f + n * 38.0f);
      Rgb c = Mix(dark, light, 0.25f + 0.45f * n + 0.2f * rings) * tone;
      if (v < 2.5f) c = c * 0.5f;
      const float lightFall = 1.12f - 0.35f * (fx / w * 0.6f + fy / h * 0.4f);
      row[x] = Pack(c * lightFall, HashUnit(x, y, 6u));
    }
  }
}

void SoftShadow(QPainter& p, QPointF centre, qreal radius, qreal strength) {
  QRadialGradient shade(centre, radius);
  shade.setColorAt(0.0, QColor(0, 0, 0, static_cast<int>(255 * strength)));
  shade.setColorAt(0.75, QColor(0, 0, 0, static_cast<int>(150 * strength)));
  shade.setColorAt(1.0, QColor(0, 0, 0, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(shade);
  p.drawEllipse(centre, radius, radius);
}

// A glazed surface lit from the upper left.
QRadialGradient Porcelain(QPointF centre, qreal radius, const QColor& lit, const QColor& shade) {
  QRadialGradient g(centre, radius, centre - QPointF(radius * 0.35, radius * 0.4));
  g.setColorAt(0.0, lit);
  g.setColorAt(1.0, shade);
  return g;
}

void Bean(QPainter& p, QPointF at, qreal length, qreal degrees) {
  p.save();
  p.translate(at);
  p.rotate(degrees);
  SoftShadow(p, QPointF(length * 0.12, length * 0.16), length * 0.62, 0.35);
  QRadialGradient body(QPointF(0, 0), length * 0.6, QPointF(-length * 0.15, -length * 0.2));
  body.setColorAt(0.0, QColor(0x74, 0x3c, 0x1c));
  body.setColorAt(1.0, QColor(0x2a, 0x12, 0x08));
  p.setBrush(body);
  p.drawEllipse(QPointF(0, 0), length * 0.36, length * 0.5);
  QPainterPath cleft(QPointF(0, -length * 0.44));
  cleft.cubicTo(-length * 0.16, -length * 0.15, length * 0.16, length * 0.15, 0, length * 0.44);
  p.setPen(QPen(QColor(0x1a, 0x0a, 0x04), length * 0.07, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(cleft);
  p.restore();
}

// A cup of coffee with a heart in its foam, on a saucer, seen from above on a wooden table, with
// a few beans about.
QImage Coffee(QSize size) {
  QImage image(size, QImage::Format_RGB32);
  PaintTable(image);
  const qreal w = size.width();
  const qreal h = size.height();
  const qreal unit = std::min(w, h);
  const QPointF centre(w * 0.52, h * 0.5);
  const qreal saucer = unit * 0.4;
  const qreal cup = unit * 0.25;

  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  Random random(0xC0FFEEu);
  for (int i = 0; i < 7; ++i) {
    const qreal angle = random.Range(0.0f, 6.283f);
    const qreal distance = saucer * random.Range(1.15f, 1.6f);
    const QPointF at =
        centre + QPointF(std::cos(angle) * distance * 1.15, std::sin(angle) * distance);
    if (at.x() < unit * 0.05 || at.x() > w - unit * 0.05 || at.y() < unit * 0.05 ||
        at.y() > h - unit * 0.05) {
      continue;
    }
    Bean(p, at, unit * 0.085, random.Range(0.0f, 180.0f));
  }

  SoftShadow(p, centre + QPointF(unit * 0.035, unit * 0.05), saucer * 1.12, 0.55);
  p.setBrush(Porcelain(centre, saucer, QColor(0xfd, 0xfc, 0xfa), QColor(0xd9, 0xd3, 0xcb)));
  p.drawEllipse(centre, saucer, saucer);
  p.setPen(QPen(QColor(0xcf, 0xc8, 0xbf), unit * 0.006));
  p.setBrush(Porcelain(centre, saucer * 0.7, QColor(0xf7, 0xf5, 0xf1), QColor(0xe4, 0xdf, 0xd8)));
  p.drawEllipse(centre, saucer * 0.7, saucer * 0.7);

  // The spoon, resting on the saucer below the cup.
  p.save();
  p.translate(centre + QPointF(-saucer * 0.15, saucer * 0.62));
  p.rotate(-12);
  SoftShadow(p, QPointF(unit * 0.01, unit * 0.02), unit * 0.05, 0.25);
  QLinearGradient steel(QPointF(0, -unit * 0.02), QPointF(0, unit * 0.02));
  steel.setColorAt(0.0, QColor(0xf4, 0xf5, 0xf7));
  steel.setColorAt(0.5, QColor(0x9a, 0xa0, 0xa8));
  steel.setColorAt(1.0, QColor(0xd8, 0xdc, 0xe0));
  p.setPen(Qt::NoPen);
  p.setBrush(steel);
  p.drawRoundedRect(QRectF(-saucer * 0.05, -unit * 0.012, saucer * 0.7, unit * 0.024), unit * 0.012,
                    unit * 0.012);
  p.drawEllipse(QPointF(-saucer * 0.12, 0), unit * 0.055, unit * 0.035);
  p.restore();

  SoftShadow(p, centre + QPointF(unit * 0.03, unit * 0.04), cup * 1.12, 0.45);
  // The handle, reaching to the right.
  p.save();
  p.translate(centre);
  p.rotate(-18);
  p.setBrush(Porcelain(QPointF(cup * 1.15, 0), cup * 0.4, QColor(0xff, 0xff, 0xff),
                       QColor(0xd6, 0xd0, 0xc8)));
  p.drawRoundedRect(QRectF(cup * 0.8, -cup * 0.17, cup * 0.62, cup * 0.34), cup * 0.17, cup * 0.17);
  p.restore();
  p.setBrush(Porcelain(centre, cup, QColor(0xff, 0xff, 0xff), QColor(0xd4, 0xcd, 0xc4)));
  p.drawEllipse(centre, cup, cup);

  const qreal coffee = cup * 0.84;
  QRadialGradient crema(centre, coffee);
  crema.setColorAt(0.0, QColor(0xb9, 0x7c, 0x4a));
  crema.setColorAt(0.72, QColor(0x93, 0x55, 0x2b));
  crema.setColorAt(0.93, QColor(0x5a, 0x2c, 0x12));
  crema.setColorAt(1.0, QColor(0x3a, 0x1b, 0x0a));
  p.setBrush(crema);
  p.drawEllipse(centre, coffee, coffee);

  // The heart poured into the foam, and the line the jug drew through it.
  QPainterPath heart(centre + QPointF(0, coffee * 0.52));
  heart.cubicTo(centre + QPointF(-coffee * 0.62, coffee * 0.05),
                centre + QPointF(-coffee * 0.55, -coffee * 0.55),
                centre + QPointF(0, -coffee * 0.2));
  heart.cubicTo(centre + QPointF(coffee * 0.55, -coffee * 0.55),
                centre + QPointF(coffee * 0.62, coffee * 0.05), centre + QPointF(0, coffee * 0.52));
  p.setBrush(QColor(0xf5, 0xe9, 0xd6));
  p.drawPath(heart);
  p.setPen(QPen(QColor(0xa8, 0x6b, 0x3d), coffee * 0.035, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(centre + QPointF(0, -coffee * 0.45), centre + QPointF(0, coffee * 0.4));
  // The rim's gloss.
  p.setPen(QPen(QColor(255, 255, 255, 170), cup * 0.04));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(centre - QPointF(cup * 0.93, cup * 0.93), QSizeF(cup * 1.86, cup * 1.86)),
            95 * 16, 80 * 16);
  p.end();

  FinishLikeAPhoto(image, 0.4f);
  return image;
}

struct Scene {
  const char* name;
  std::function<QImage(QSize)> draw;
};

const std::array<Scene, 3>& Scenes() {
  static const std::array<Scene, 3> scenes = {
      {{"lake", Lake}, {"seaside", Seaside}, {"coffee", Coffee}}};
  return scenes;
}

}  // namespace

QStringList SceneNames() {
  QStringList names;
  for (const Scene& s : Scenes()) names << QString::fromLatin1(s.name);
  return names;
}

QImage DrawScene(const QString& name, QSize size) {
  if (size.isEmpty()) return {};
  for (const Scene& s : Scenes()) {
    if (name == QLatin1String(s.name)) return s.draw(size);
  }
  return {};
}

}  // namespace tavolo::tmplgen
