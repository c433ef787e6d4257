#include <QPainter>
#include <QPolygonF>
#include <cmath>
#include <numbers>

#include "Canvas.h"
#include "Families.h"

namespace tavolo::bggen {

namespace {

constexpr float kPi = std::numbers::pi_v<float>;

float Fract(float v) {
  return v - std::floor(v);
}

// Coverage of a band [0, width) along an axis, anti-aliased over one pixel.
float Band(float position, float width, float period) {
  const float p = Fract(position / period) * period;
  return SmoothStep(-0.5f, 0.5f, p) * (1.0f - SmoothStep(width - 0.5f, width + 0.5f, p)) +
         SmoothStep(-0.5f, 0.5f, p - period);
}

Rgb Vary(Rgb c, float variation, Random& random) {
  return c * (1.0f + variation * random.Range(-1.0f, 1.0f));
}

QPolygonF Hexagon(QPointF centre, float size) {
  QPolygonF hex;
  for (int k = 0; k < 6; ++k) {
    const float a = kPi / 3.0f * k + kPi / 6.0f;
    hex << centre + QPointF(std::cos(a) * size, std::sin(a) * size);
  }
  return hex;
}

}  // namespace

void PaintStripes(QImage& image, const StripeStyle& style) {
  const float a = style.angle * kPi / 180.0f;
  const float cs = std::cos(a);
  const float sn = std::sin(a);
  ShadePixels(image, [&](float x, float y) {
    const float across = x * cs + y * sn + 1000.0f;
    return Mix(style.base, style.stripe, style.alpha * Band(across, style.width, style.period));
  });
  AddGrain(image, 0.012f, 3);
}

void PaintChevrons(QImage& image, const ChevronStyle& style) {
  const float slope = 4.0f * style.amplitude / style.period;
  const float normal = 1.0f / std::sqrt(1.0f + slope * slope);
  ShadePixels(image, [&](float x, float y) {
    const float tri = std::fabs(Fract(x / style.period) - 0.5f) * 2.0f;
    const float v = (y + style.amplitude * tri) / style.band;
    // Distance to the nearest band edge, measured across the slanted edge.
    const float edge = std::fabs(Fract(v + 0.5f) - 0.5f) * style.band * normal;
    const bool odd = static_cast<int>(std::floor(v)) % 2 != 0;
    const float blend = 0.5f + 0.5f * SmoothStep(0.0f, 0.7f, edge);
    return odd ? Mix(style.b, style.a, 1.0f - blend) : Mix(style.a, style.b, 1.0f - blend);
  });
  AddGrain(image, 0.012f, 4);
}

void PaintDots(QImage& image, const DotStyle& style) {
  const float a = style.angle * kPi / 180.0f;
  const float cs = std::cos(a);
  const float sn = std::sin(a);
  const float reach = std::hypot(static_cast<float>(kWidth), static_cast<float>(kHeight));
  ShadePixels(image, [&](float x, float y) {
    const float u = (x * cs + y * sn) / style.spacing;
    const float v = (-x * sn + y * cs) / style.spacing;
    // Every other row shifts by half a step, as in a polka print.
    const float row = std::floor(v);
    const float shift = static_cast<int>(row) % 2 != 0 ? 0.5f : 0.0f;
    const float du = (Fract(u + shift) - 0.5f) * style.spacing;
    const float dv = (Fract(v) - 0.5f) * style.spacing;
    float radius = style.radius;
    if (style.fade) {
      const float t = std::hypot(kWidth - x, kHeight - y) / reach;
      radius *= Clamp01(1.15f - 1.6f * t);
    }
    const float cover = 1.0f - SmoothStep(radius - 0.6f, radius + 0.6f, std::hypot(du, dv));
    return Mix(style.base, style.dot, radius > 0.3f ? cover : 0.0f);
  });
  AddGrain(image, 0.012f, 5);
}

void PaintHexagons(QImage& image, const HexStyle& style) {
  image.fill(ToQColor(style.line));
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  Random random(style.seed);
  const float dx = std::sqrt(3.0f) * style.size;
  const float dy = 1.5f * style.size;
  for (int row = -1; row * dy < kHeight + style.size; ++row) {
    const float shift = (row & 1) ? dx * 0.5f : 0.0f;
    for (int col = -1; col * dx < kWidth + dx; ++col) {
      const QPointF centre(col * dx + shift, row * dy);
      // A slow drift of tone across the card, and a little per tile.
      const float drift =
          1.0f + 0.05f * (Fbm(centre.x() / 500.0f, centre.y() / 500.0f, 2, style.seed) - 0.5f);
      painter.setBrush(ToQColor(Vary(style.base * drift, style.variation, random)));
      painter.drawPolygon(Hexagon(centre, style.size - style.lineWidth * 0.6f));
    }
  }
  painter.end();
  AddGrain(image, 0.012f, style.seed + 1);
}

void PaintTriangles(QImage& image, const TriangleStyle& style) {
  Random random(style.seed);
  const int cols = static_cast<int>(kWidth / style.cell) + 3;
  const int rows = static_cast<int>(kHeight / (style.cell * 0.866f)) + 3;
  std::vector<QPointF> points;
  points.reserve(static_cast<size_t>(cols * rows));
  for (int j = 0; j < rows; ++j) {
    for (int i = 0; i < cols; ++i) {
      const float shift = (j & 1) ? 0.5f : 0.0f;
      const float jx = random.Range(-0.28f, 0.28f) * style.cell;
      const float jy = random.Range(-0.28f, 0.28f) * style.cell;
      points.emplace_back((i - 1 + shift) * style.cell + jx, (j - 1) * style.cell * 0.866f + jy);
    }
  }
  auto point = [&](int i, int j) { return points[static_cast<size_t>(j * cols + i)]; };
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  auto fill = [&](QPointF a, QPointF b, QPointF c) {
    const QPointF centre = (a + b + c) / 3.0;
    const float t =
        Clamp01(static_cast<float>(centre.x() / kWidth * 0.6 + centre.y() / kHeight * 0.4));
    const QColor colour =
        ToQColor(Vary(Mix(style.topLeft, style.bottomRight, t), style.variation, random));
    // The pen in the fill colour closes the hairline gaps anti-aliasing leaves between tiles.
    painter.setPen(QPen(colour, 1.0));
    painter.setBrush(colour);
    painter.drawPolygon(QPolygonF({a, b, c}));
  };
  for (int j = 0; j + 1 < rows; ++j) {
    for (int i = 0; i + 1 < cols; ++i) {
      if (j & 1) {
        fill(point(i, j), point(i + 1, j), point(i + 1, j + 1));
        fill(point(i, j), point(i + 1, j + 1), point(i, j + 1));
      } else {
        fill(point(i, j), point(i + 1, j), point(i, j + 1));
        fill(point(i + 1, j), point(i + 1, j + 1), point(i, j + 1));
      }
    }
  }
  painter.end();
  AddGrain(image, 0.01f, style.seed + 1);
}

void PaintGrid(QImage& image, const GridStyle& style) {
  const float major = style.minor * style.majorEvery;
  ShadePixels(image, [&](float x, float y) {
    const float t = SmoothStep(0.0f, 1.0f, 0.6f * y / kHeight + 0.4f * x / kWidth);
    const Rgb c = Mix(style.top, style.bottom, t);
    const float thin =
        std::max(Band(x + 0.5f, 1.0f, style.minor), Band(y + 0.5f, 1.0f, style.minor));
    const float bold = std::max(Band(x + 1.0f, 2.0f, major), Band(y + 1.0f, 2.0f, major));
    return Mix(c, style.line, style.alpha * std::max(thin * 0.55f, bold));
  });
  AddGrain(image, 0.012f, 6);
}

void PaintScales(QImage& image, const ScaleStyle& style) {
  image.fill(ToQColor(style.base));
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  Random random(style.seed);
  const float r = style.radius;
  // Rows from the top down, each overlapping the one above, so only the lower arcs show.
  for (int row = -1; row * r * 0.5f < kHeight + r; ++row) {
    const float shift = (row & 1) ? r : 0.0f;
    for (int col = -1; col * 2.0f * r < kWidth + 2.0f * r; ++col) {
      const QPointF centre(col * 2.0f * r + shift, row * r * 0.5f);
      const Rgb tile = Vary(style.base, style.variation, random);
      QRadialGradient fill(centre + QPointF(0, -r * 0.3f), r * 1.1f);
      fill.setColorAt(0.0, ToQColor(tile * 1.02f));
      fill.setColorAt(1.0, ToQColor(tile * 0.97f));
      painter.setBrush(fill);
      painter.setPen(QPen(ToQColor(style.edge, 0.8f), 1.2));
      painter.drawEllipse(centre, r, r);
    }
  }
  painter.end();
  AddGrain(image, 0.012f, style.seed + 1);
}

void PaintCubes(QImage& image, const CubeStyle& style) {
  image.fill(ToQColor(style.top));
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const float s = style.size;
  const float dx = std::sqrt(3.0f) * s;
  // Each hexagon shows a cube: a top face and two side faces in three tones.
  for (int row = -1; row * 1.5f * s < kHeight + s; ++row) {
    const float shift = (row & 1) ? dx * 0.5f : 0.0f;
    for (int col = -1; col * dx < kWidth + dx; ++col) {
      const QPointF c(col * dx + shift, row * 1.5f * s);
      const QPointF top(c.x(), c.y() - s);
      const QPointF upperRight(c.x() + dx * 0.5f, c.y() - s * 0.5f);
      const QPointF lowerRight(c.x() + dx * 0.5f, c.y() + s * 0.5f);
      const QPointF bottom(c.x(), c.y() + s);
      const QPointF lowerLeft(c.x() - dx * 0.5f, c.y() + s * 0.5f);
      const QPointF upperLeft(c.x() - dx * 0.5f, c.y() - s * 0.5f);
      const QColor leftColour = ToQColor(style.left);
      const QColor rightColour = ToQColor(style.right);
      painter.setPen(QPen(leftColour, 0.8));
      painter.setBrush(leftColour);
      painter.drawPolygon(QPolygonF({c, lowerLeft, upperLeft + QPointF(0, s), bottom}));
      painter.drawPolygon(QPolygonF({upperLeft, lowerLeft, bottom, c}));
      painter.setPen(QPen(rightColour, 0.8));
      painter.setBrush(rightColour);
      painter.drawPolygon(QPolygonF({c, bottom, lowerRight, upperRight}));
      painter.setPen(QPen(ToQColor(style.top), 0.8));
      painter.setBrush(ToQColor(style.top));
      painter.drawPolygon(QPolygonF({top, upperRight, c, upperLeft}));
    }
  }
  painter.end();
  AddGrain(image, 0.012f, 8);
}

void PaintArgyle(QImage& image, const ArgyleStyle& style) {
  const float hw = style.width * 0.5f;
  const float hh = style.height * 0.5f;
  ShadePixels(image, [&](float x, float y) {
    // Diamond lattice: |u| + |v| <= 1 inside the diamond around each lattice point.
    const float u = Fract(x / style.width) * 2.0f - 1.0f;
    const float v = Fract(y / style.height) * 2.0f - 1.0f;
    const float inside = std::fabs(u) + std::fabs(v);
    const int ci = static_cast<int>(std::floor(x / style.width));
    const int cj = static_cast<int>(std::floor(y / style.height));
    const float edgePx = (1.0f - inside) * std::min(hw, hh);
    const float diamond = ((ci + cj) & 1) ? SmoothStep(-0.6f, 0.6f, edgePx) : 0.0f;
    Rgb c = Mix(style.base, style.diamond, diamond);
    // Thin dashed lines along the diagonals of the lattice.
    const float d1 = (x / style.width + y / style.height) * 0.5f;
    const float d2 = (x / style.width - y / style.height) * 0.5f;
    const float scale = 1.0f / std::hypot(1.0f / style.width, 1.0f / style.height);
    const float l1 = std::fabs(Fract(d1 + 0.25f) - 0.5f) * 2.0f * scale;
    const float l2 = std::fabs(Fract(d2 + 0.25f) - 0.5f) * 2.0f * scale;
    const float dash = Band(x + y * 0.3f, 7.0f, 12.0f);
    const float line = (1.0f - SmoothStep(0.4f, 1.2f, std::min(l1, l2))) * dash;
    return Mix(c, style.line, line * 0.6f);
  });
  AddGrain(image, 0.012f, 9);
}

void PaintBasketweave(QImage& image, const BasketStyle& style) {
  const float slat = style.block / 3.0f;
  ShadePixels(image, [&](float x, float y) {
    const int bx = static_cast<int>(std::floor(x / style.block));
    const int by = static_cast<int>(std::floor(y / style.block));
    const bool across = ((bx + by) & 1) == 0;
    const float along = across ? x : y;
    const float side = across ? y : x;
    const int index = static_cast<int>(std::floor(side / slat));
    const float tone = 1.0f + style.variation *
                                  (HashUnit(bx * 7 + (across ? 0 : 3), index, style.seed) - 0.5f) *
                                  2.0f;
    const float grain =
        ValueNoise(along / 90.0f, side / 1.2f, style.seed + static_cast<uint32_t>(index));
    const float inSlat = Fract(side / slat) * slat;
    const float inBlock = Fract(along / style.block) * style.block;
    const float gapDistance = std::min({inSlat, slat - inSlat, inBlock, style.block - inBlock});
    const float gap = 1.0f - SmoothStep(0.3f, 1.3f, gapDistance);
    const Rgb wood = style.base * (tone + 0.05f * (grain - 0.5f));
    return Mix(wood, style.gap, gap * 0.5f);
  });
  AddGrain(image, 0.012f, style.seed + 1);
}

void PaintSunburst(QImage& image, const SunburstStyle& style) {
  const float cx = style.cx * kWidth;
  const float cy = style.cy * kHeight;
  const float reach = std::hypot(static_cast<float>(kWidth), static_cast<float>(kHeight));
  ShadePixels(image, [&](float x, float y) {
    const float d = std::hypot(x - cx, y - cy);
    const float sector = (std::atan2(y - cy, x - cx) + kPi) / (2.0f * kPi) * style.rays;
    const float edge = std::fabs(Fract(sector + 0.5f) - 0.5f) * (2.0f * kPi / style.rays) * d;
    const bool odd = static_cast<int>(std::floor(sector)) % 2 != 0;
    const float blend = 0.5f + 0.5f * SmoothStep(0.0f, 0.7f, edge);
    const Rgb ray = odd ? Mix(style.b, style.a, 1.0f - blend) : Mix(style.a, style.b, 1.0f - blend);
    const float glow = std::exp(-d / reach * 3.0f);
    return Mix(ray, style.glow, glow * 0.7f);
  });
  AddGrain(image, 0.012f, 10);
}

}  // namespace tavolo::bggen
