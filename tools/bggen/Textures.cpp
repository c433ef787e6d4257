#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

#include "Canvas.h"
#include "Families.h"
#include "Field.h"

namespace tavolo::bggen {

namespace {

constexpr float kPi = std::numbers::pi_v<float>;

float Fract(float v) {
  return v - std::floor(v);
}

}  // namespace

void PaintPaper(QImage& image, const PaperStyle& style) {
  const Field mottles(3,
                      [&](float x, float y) { return Fbm(x / 230.0f, y / 230.0f, 5, style.seed); });
  ShadePixels(image, [&](float x, float y) {
    const float mottle = mottles.At(x, y) - 0.5f;
    const float tooth = Fbm(x / 5.0f, y / 5.0f, 2, style.seed + 11) - 0.5f;
    return style.base * (1.0f + 2.0f * style.mottle * mottle + style.grain * tooth);
  });
  AddGrain(image, style.grain, style.seed + 3);

  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  Random random(style.seed);
  for (int i = 0; i < style.fibres; ++i) {
    const QPointF start(random.Range(-20, kWidth + 20), random.Range(-20, kHeight + 20));
    const float angle = random.Range(0.0f, 2.0f * kPi);
    const float length = random.Range(8.0f, 36.0f);
    const QPointF end = start + QPointF(std::cos(angle) * length, std::sin(angle) * length);
    const QPointF bend(random.Range(-8, 8), random.Range(-8, 8));
    QPainterPath path(start);
    path.quadTo((start + end) / 2 + bend, end);
    painter.setPen(
        QPen(ToQColor(style.fibre, random.Range(0.10f, 0.28f)), random.Range(0.5f, 1.0f)));
    painter.drawPath(path);
  }
  painter.setPen(Qt::NoPen);
  for (int i = 0; i < style.flecks; ++i) {
    painter.setBrush(ToQColor(style.fleck, random.Range(0.25f, 0.6f)));
    const float r = random.Range(0.5f, 1.6f);
    painter.drawEllipse(QPointF(random.Range(0, kWidth), random.Range(0, kHeight)), r,
                        r * random.Range(0.6f, 1.0f));
  }
}

void PaintLinen(QImage& image, const LinenStyle& style) {
  const float pitch = style.pitch;
  const uint32_t s = style.seed;
  const Field mottles(4, [&](float x, float y) { return Fbm(x / 260.0f, y / 260.0f, 3, s + 4); });
  ShadePixels(image, [&](float x, float y) {
    // Each weft thread has its own tone and thickens and thins along its length (slubs).
    const float weft =
        0.55f * ValueNoise(7.3f, y / pitch, s) + 0.45f * ValueNoise(x / 55.0f, y / pitch, s + 1);
    const float warp = 0.55f * ValueNoise(x / pitch, 3.1f, s + 2) +
                       0.45f * ValueNoise(x / pitch, y / 55.0f, s + 3);
    // Plain weave: the two sets of threads take turns on top.
    const float over = 0.5f + 0.5f * std::sin(kPi * x / pitch) * std::sin(kPi * y / pitch);
    const float tone = Mix(weft, warp, over);
    const float round = 0.5f + 0.5f * std::cos(2.0f * kPi * (over - 0.5f));
    const float mottle = mottles.At(x, y) - 0.5f;
    return style.base * (1.0f + style.contrast * (2.0f * (tone - 0.5f) + 0.35f * (round - 0.5f)) +
                         0.04f * mottle);
  });
  AddGrain(image, style.contrast * 0.25f, s + 5);
}

void PaintMarble(QImage& image, const MarbleStyle& style) {
  const uint32_t s = style.seed;
  const float scale = style.scale;
  const Field warpX(2, [&](float x, float y) { return Fbm(x / scale, y / scale, 5, s); });
  const Field warpY(
      2, [&](float x, float y) { return Fbm(x / scale + 7.1f, y / scale + 2.3f, 5, s + 1); });
  const Field clouds(4, [&](float x, float y) { return Fbm(x / 380.0f, y / 380.0f, 4, s + 2); });
  const Field presence(4, [&](float x, float y) { return Fbm(x / 300.0f, y / 300.0f, 3, s + 3); });
  ShadePixels(image, [&](float x, float y) {
    // Veins run mostly one way across the slab and meander: lines across a warped plane.
    const float wx = x + 420.0f * (warpX.At(x, y) - 0.5f);
    const float wy = y + 420.0f * (warpY.At(x, y) - 0.5f);
    const float t = (wx * 0.8f + wy * 0.6f) / 210.0f;
    const float t2 = (wx * 0.2f - wy * 0.98f) / 130.0f + 0.8f * (clouds.At(x, y) - 0.5f);
    const float d = std::fabs(t - std::round(t)) * 210.0f;
    const float d2 = std::fabs(t2 - std::round(t2)) * 130.0f;
    const float width = style.veinWidth * 100.0f;
    const float core = std::exp(-(d * d) / (width * width));
    const float halo = std::exp(-(d * d) / (36.0f * width * width));
    const float fine = std::exp(-(d2 * d2) / (0.3f * width * width));
    // Veins come and go along their length, as in the stone.
    const float strength = SmoothStep(0.25f, 0.75f, presence.At(x, y));
    const float vein = strength * std::max(0.85f * core + 0.3f * halo, 0.4f * fine);
    const Rgb c = Mix(style.base, style.cloud, SmoothStep(0.3f, 0.75f, clouds.At(x, y)));
    return Mix(c, style.vein, Clamp01(vein) * style.veinStrength);
  });
  AddGrain(image, 0.01f, s + 4);
}

void PaintMetal(QImage& image, const MetalStyle& style) {
  const uint32_t s = style.seed;
  ShadePixels(image, [&](float x, float y) {
    const float streak = 0.45f * ValueNoise(x / 520.0f, y / 1.3f, s) +
                         0.30f * ValueNoise(x / 170.0f, y / 0.8f, s + 1) +
                         0.25f * ValueNoise(x / 60.0f, y / 2.6f, s + 2);
    // Broad soft reflections across the sheet, as under a strip light.
    const float t = x / kWidth * 0.85f + y / kHeight * 0.35f;
    const float sheen = 0.5f + 0.3f * std::cos(2.0f * kPi * (t - 0.25f)) +
                        0.2f * std::cos(2.0f * kPi * (t * 2.3f - 0.1f));
    const float v = 0.15f + 0.7f * sheen + style.streaks * (streak - 0.5f);
    return Mix(style.dark, style.light, v);
  });
  AddGrain(image, 0.012f, s + 3);
}

void PaintWood(QImage& image, const WoodStyle& style) {
  const float plankHeight = static_cast<float>(kHeight) / style.planks;
  // Each plank has one butt joint; the boards on either side are different pieces of wood.
  struct Piece {
    int plank;
    int index;
    float joint;
    float xx;  // position along the board's own length
    float yy;  // from the middle of the plank
    uint32_t seed;
  };
  auto pieceAt = [&](float x, float y) {
    Piece p{};
    p.plank = std::clamp(static_cast<int>(y / plankHeight), 0, style.planks - 1);
    p.joint = style.planks > 1 ? HashUnit(p.plank, 2, style.seed) * kWidth : -1.0f;
    p.index = p.plank * 2 + (x > p.joint ? 1 : 0);
    p.seed = style.seed + static_cast<uint32_t>(p.index) * 101u;
    p.xx = x + HashUnit(p.index, 0, style.seed) * 4000.0f;
    p.yy = y - (p.plank + 0.5f) * plankHeight;
    return p;
  };
  const Field warps(2, [&](float x, float y) {
    const Piece p = pieceAt(x, y);
    return Fbm(p.xx / 700.0f, p.yy / 260.0f, 3, p.seed);
  });
  const Field figure(2, [&](float x, float y) {
    const Piece p = pieceAt(x, y);
    return Fbm(p.xx / 300.0f, y / 60.0f, 2, p.seed + 7);
  });
  ShadePixels(image, [&](float x, float y) {
    const Piece p = pieceAt(x, y);
    // Growth rings cut lengthwise: long, shallow arches bent by the warp.
    const float arch = 38.0f * std::cos(2.0f * kPi * p.xx / 1400.0f);
    const float u = (p.yy + arch + (warps.At(x, y) - 0.5f) * 90.0f) / style.ringSpacing +
                    0.35f * (ValueNoise(p.xx / 140.0f, p.yy / 30.0f, p.seed + 9) - 0.5f);
    const float ring = Fract(u);
    // Late wood: a soft dark band that ends sharply where the next year's growth starts.
    const float late = SmoothStep(0.35f, 0.85f, ring) * (1.0f - SmoothStep(0.9f, 1.0f, ring));
    const float grain = ValueNoise(p.xx / 160.0f, y / 0.9f, p.seed + 5);
    // Pores: short dark dashes along the grain.
    const float pore = SmoothStep(0.78f, 0.92f, ValueNoise(p.xx / 9.0f, y / 0.8f, p.seed + 11));
    const float tone = 0.78f - 0.3f * late + 0.2f * (grain - 0.5f) - 0.1f * pore +
                       0.35f * (figure.At(x, y) - 0.5f) +
                       0.12f * (HashUnit(p.index, 1, style.seed) - 0.5f);
    Rgb c = Mix(style.dark, style.light, tone);
    const float seam = std::fabs(y - std::round(y / plankHeight) * plankHeight);
    const float edge = std::min(seam, std::fabs(x - p.joint));
    if (style.planks > 1) c = c * (0.6f + 0.4f * SmoothStep(0.5f, 2.0f, edge));
    return c;
  });
  AddGrain(image, 0.015f, style.seed + 9);
}

void PaintStone(QImage& image, const StoneStyle& style) {
  const uint32_t s = style.seed;
  const Field body(2, [&](float x, float y) {
    return Fbm(x / (style.scale * style.stretch), y / style.scale, 6, s);
  });
  ShadePixels(image, [&](float x, float y) {
    const float f = body.At(x, y);
    const float g = Fbm(x / 14.0f, y / 14.0f, 3, s + 1);
    float v = 0.5f + style.clouds * (f - 0.5f) + 0.35f * (g - 0.5f);
    if (style.pits > 0.0f) {
      const float pit = ValueNoise(x / 2.5f, y / 2.5f, s + 2);
      v -= style.pits * SmoothStep(0.82f, 0.95f, pit);
    }
    return Mix(style.dark, style.light, v);
  });
  AddGrain(image, 0.03f, s + 3);
}

void PaintCarbonFibre(QImage& image, Rgb dark, Rgb light) {
  constexpr float kCell = 10.0f;
  ShadePixels(image, [&](float x, float y) {
    const int i = static_cast<int>(x / kCell);
    const int j = static_cast<int>(y / kCell);
    const float fx = x / kCell - i;
    const float fy = y / kCell - j;
    // Two-by-two twill: tows run one way or the other in diagonal steps.
    const bool across = ((i + j) & 3) < 2;
    const float a = across ? fy : fx;
    const float b = across ? fx : fy;
    const float tow = std::sin(kPi * a);
    const float along = 0.85f + 0.15f * std::sin(kPi * b);
    const float t = x / kWidth * 0.8f + y / kHeight * 0.4f;
    const float sheen = 0.55f + 0.45f * std::cos(2.0f * kPi * (t - 0.35f));
    const float lit = across ? sheen : 1.0f - sheen * 0.6f;
    return Mix(dark, light, tow * along * (0.25f + 0.6f * lit));
  });
  AddGrain(image, 0.02f, 77);
}

void PaintTerrazzo(QImage& image, const TerrazzoStyle& style) {
  PaintStone(image, {.dark = style.base * 0.94f,
                     .light = style.base * 1.03f,
                     .scale = 260.0f,
                     .seed = style.seed});
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  Random random(style.seed);
  for (int i = 0; i < style.count; ++i) {
    const float size = random.Unit() < 0.08f ? random.Range(9.0f, 16.0f) : random.Range(2.0f, 6.0f);
    const QPointF centre(random.Range(-10, kWidth + 10), random.Range(-10, kHeight + 10));
    const int corners = 4 + random.Below(4);
    const float turn = random.Range(0.0f, 2.0f * kPi);
    QPolygonF chip;
    for (int k = 0; k < corners; ++k) {
      const float a = turn + 2.0f * kPi * k / corners + random.Range(-0.3f, 0.3f);
      const float r = size * random.Range(0.6f, 1.1f);
      chip << centre + QPointF(std::cos(a) * r, std::sin(a) * r);
    }
    const Rgb colour = style.chips[random.Below(static_cast<int>(style.chips.size()))];
    painter.setBrush(ToQColor(colour * random.Range(0.94f, 1.04f)));
    painter.drawPolygon(chip);
  }
}

}  // namespace tavolo::bggen
