// The picture every background is drawn on, and pixel passes over it.
#pragma once

#include <QImage>

#include "Colour.h"
#include "Noise.h"

namespace tavolo::bggen {

inline constexpr int kWidth = 1062;
inline constexpr int kHeight = 615;
inline constexpr uint32_t kDitherSeed = 0xD17E5u;

QImage NewCanvas();

// Sets every pixel to shade(x, y).
template <class Shade>
void ShadePixels(QImage& image, Shade&& shade) {
  for (int y = 0; y < image.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      row[x] =
          Pack(shade(static_cast<float>(x), static_cast<float>(y)), HashUnit(x, y, kDitherSeed));
    }
  }
}

// Replaces every pixel by filter(x, y, colour).
template <class Filter>
void FilterPixels(QImage& image, Filter&& filter) {
  for (int y = 0; y < image.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      row[x] = Pack(filter(static_cast<float>(x), static_cast<float>(y), Unpack(row[x])),
                    HashUnit(x, y, kDitherSeed));
    }
  }
}

// Fine, slightly soft grain, as on printed card stock: each pixel times 1 ± amount.
void AddGrain(QImage& image, float amount, uint32_t seed);

}  // namespace tavolo::bggen
