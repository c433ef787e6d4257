#include "Canvas.h"

namespace tavolo::bggen {

QImage NewCanvas() {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

void AddGrain(QImage& image, float amount, uint32_t seed) {
  FilterPixels(image, [amount, seed](float x, float y, Rgb c) {
    const float grain = ValueNoise(x * 0.7f, y * 0.7f, seed) + HashUnit(int(x), int(y), seed + 1);
    return c * (1.0f + amount * (grain - 1.0f));
  });
}

}  // namespace tavolo::bggen
