#include "ui/choosers/LayoutStripShading.h"

#include <cstdint>

namespace tavolo {

void ShadeLayoutStrip(QImage& picture) {
  if (picture.format() != QImage::Format_RGB32) return;
  // 64-bit, because (255 d + 55 y) × a overflows 32 bits in a control taller than about 33000.
  const int64_t h = picture.height();
  const int width = picture.width();
  for (int64_t y = 0; y < h; ++y) {
    const int64_t d = h - y;
    const int64_t a = d * 255 / h;
    const int64_t keep = 255 - a;
    const int64_t red = d * a * 31 / h;
    const int64_t green = (143 * d + 27 * y) * a / h;
    const int64_t blue = (255 * d + 55 * y) * a / h;
    auto* row = reinterpret_cast<QRgb*>(picture.scanLine(static_cast<int>(h - 1 - y)));
    for (int x = 0; x < width; ++x) {
      const QRgb p = row[x];
      row[x] = qRgb(static_cast<int>((qRed(p) * keep + red) / 255),
                    static_cast<int>((qGreen(p) * keep + green) / 255),
                    static_cast<int>((qBlue(p) * keep + blue) / 255));
    }
  }
}

}  // namespace tavolo
