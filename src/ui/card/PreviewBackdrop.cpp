#include "ui/card/PreviewBackdrop.h"

#include "core/base/CheckedCall.h"

namespace tavolo {

namespace {

constexpr int kNoiseMax = 32767;
constexpr int kNoiseLevels = 5;

// Top colour and the change towards the bottom, per channel.
constexpr int kTopRed = 201;
constexpr int kTopGreen = 219;
constexpr int kTopBlue = 219;
constexpr int kSpanRed = -124;
constexpr int kSpanGreen = -86;
constexpr int kSpanBlue = -42;

// A top-left corner of the frame belongs to the shaded edges, the other three to the light ones.
void DrawFrame(QImage& image) {
  const int w = image.width();
  const int h = image.height();
  for (int x = 0; x < w - 1; ++x) image.setPixel(x, 0, kBackdropShade);
  for (int y = 0; y < h - 1; ++y) image.setPixel(0, y, kBackdropShade);
  for (int y = 0; y < h; ++y) image.setPixel(w - 1, y, kBackdropLight);
  for (int x = 0; x < w; ++x) image.setPixel(x, h - 1, kBackdropLight);
}

}  // namespace

int BackdropNoise::Next() {
  // The classic C library generator: 15 bits from the upper half of a 32-bit congruence.
  state_ = state_ * 214013u + 2531011u;
  return static_cast<int>((state_ >> 16) & 0x7FFFu);
}

QImage MakePreviewBackdrop(QSize size) {
  const int w = size.width();
  const int h = size.height();
  if (w <= 0 || h <= 0) return {};
  QImage image(w, h, QImage::Format_RGB32);
  if (!TAVOLO_CHECK_AS("bmp!=0", !image.isNull())) return {};
  BackdropNoise noise;
  for (int y = 0; y < h; ++y) {
    const int red = kTopRed + (kSpanRed * y) / h;
    const int green = kTopGreen + (kSpanGreen * y) / h;
    const int blue = kTopBlue + (kSpanBlue * y) / h;
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < w; ++x) {
      const int n = kNoiseLevels * noise.Next() / kNoiseMax;
      row[x] = qRgb(red + n, green + n, blue + n);
    }
  }
  DrawFrame(image);
  return image;
}

}  // namespace tavolo
