// Colours on the 0..1 scale and the few operations the painters mix them with.
#pragma once

#include <QColor>
#include <algorithm>
#include <cstdint>

namespace tavolo::bggen {

struct Rgb {
  float r = 0.0f;
  float g = 0.0f;
  float b = 0.0f;
};

constexpr Rgb Hex(uint32_t rgb) {
  return {static_cast<float>((rgb >> 16) & 0xFF) / 255.0f,
          static_cast<float>((rgb >> 8) & 0xFF) / 255.0f, static_cast<float>(rgb & 0xFF) / 255.0f};
}

inline Rgb operator+(Rgb a, Rgb b) {
  return {a.r + b.r, a.g + b.g, a.b + b.b};
}
inline Rgb operator-(Rgb a, Rgb b) {
  return {a.r - b.r, a.g - b.g, a.b - b.b};
}
inline Rgb operator*(Rgb a, float k) {
  return {a.r * k, a.g * k, a.b * k};
}
inline Rgb operator*(Rgb a, Rgb b) {
  return {a.r * b.r, a.g * b.g, a.b * b.b};
}

inline float Mix(float a, float b, float t) {
  return a + (b - a) * t;
}
inline Rgb Mix(Rgb a, Rgb b, float t) {
  return a + (b - a) * t;
}
inline float Clamp01(float v) {
  return std::clamp(v, 0.0f, 1.0f);
}
inline float SmoothStep(float edge0, float edge1, float x) {
  const float t = Clamp01((x - edge0) / (edge1 - edge0));
  return t * t * (3.0f - 2.0f * t);
}
// Light added the way a screen adds it: never past white.
inline Rgb Screen(Rgb a, Rgb b) {
  return {1.0f - (1.0f - a.r) * (1.0f - b.r), 1.0f - (1.0f - a.g) * (1.0f - b.g),
          1.0f - (1.0f - a.b) * (1.0f - b.b)};
}

inline QColor ToQColor(Rgb c, float alpha = 1.0f) {
  return QColor::fromRgbF(Clamp01(c.r), Clamp01(c.g), Clamp01(c.b), Clamp01(alpha));
}

// Rounds with a dither value in [0, 1) so that a slow ramp does not break into bands.
inline QRgb Pack(Rgb c, float dither) {
  auto channel = [dither](float v) {
    return static_cast<int>(std::clamp(v * 255.0f + dither, 0.0f, 255.0f));
  };
  return qRgb(channel(c.r), channel(c.g), channel(c.b));
}

inline Rgb Unpack(QRgb p) {
  return {static_cast<float>(qRed(p)) / 255.0f, static_cast<float>(qGreen(p)) / 255.0f,
          static_cast<float>(qBlue(p)) / 255.0f};
}

}  // namespace tavolo::bggen
