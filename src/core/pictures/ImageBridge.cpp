#include "core/pictures/ImageBridge.h"

#include <array>
#include <cstdint>
#include <span>
#include <utility>

#include "core/base/Translation.h"

namespace tavolo {

namespace {

constexpr uint32_t kOpaque = 0xFF000000u;

uint32_t Pack(const RgbQuad& q) {
  return kOpaque | (static_cast<uint32_t>(q.red) << 16) | (static_cast<uint32_t>(q.green) << 8) |
         q.blue;
}

// The opaque picture `colours` given the image's alpha, its colours multiplied by it.
QImage WithAlpha(QImage colours, const RasterImage& image) {
  QImage out = std::move(colours).convertToFormat(QImage::Format_ARGB32_Premultiplied);
  if (out.isNull()) return {};
  const uint32_t height = image.GetHeight();
  for (uint32_t y = 0; y < height; ++y) {
    const uint8_t* alpha = image.GetAlphaRow(height - 1 - y);
    auto* p = reinterpret_cast<uint32_t*>(out.scanLine(static_cast<int>(y)));
    for (uint32_t x = 0; x < image.GetWidth(); ++x) {
      const uint32_t a = alpha[x];
      const auto times = [a](uint32_t c) { return (c * a + 127) / 255; };
      p[x] = (a << 24) | (times((p[x] >> 16) & 0xFF) << 16) | (times((p[x] >> 8) & 0xFF) << 8) |
             times(p[x] & 0xFF);
    }
  }
  return out;
}

}  // namespace

QImage ToQImage(const RasterImage& image) {
  if (!image.IsValid()) return {};
  const uint32_t width = image.GetWidth();
  const uint32_t height = image.GetHeight();
  const uint32_t bpp = image.GetBpp();
  if (width == 0 || height == 0 || width > kMaxImageSide || height > kMaxImageSide) return {};
  if (static_cast<uint64_t>(image.GetStride()) * height > image.PixelData().size()) return {};
  if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24) return {};

  QImage out(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
  if (out.isNull()) return {};

  // Every index a row can hold resolves to a colour; indices past the palette read as black.
  std::array<uint32_t, 256> colours;
  colours.fill(kOpaque);
  const auto palette = image.Palette();
  for (size_t i = 0; i < palette.size() && i < colours.size(); ++i) colours[i] = Pack(palette[i]);

  for (uint32_t y = 0; y < height; ++y) {
    const uint8_t* src = image.GetBits(height - 1 - y);
    auto* dst = reinterpret_cast<uint32_t*>(out.scanLine(static_cast<int>(y)));
    switch (bpp) {
      case 24:
        for (uint32_t x = 0; x < width; ++x, src += 3) {
          dst[x] = kOpaque | (static_cast<uint32_t>(src[2]) << 16) |
                   (static_cast<uint32_t>(src[1]) << 8) | src[0];
        }
        break;
      case 8:
        for (uint32_t x = 0; x < width; ++x) dst[x] = colours[src[x]];
        break;
      case 4:
        for (uint32_t x = 0; x < width; ++x) {
          const uint8_t pair = src[x / 2];
          dst[x] = colours[(x % 2 == 0) ? (pair >> 4) : (pair & 0x0F)];
        }
        break;
      default:
        for (uint32_t x = 0; x < width; ++x) {
          dst[x] = colours[(src[x / 8] >> (7 - x % 8)) & 1];
        }
        break;
    }
  }
  return image.HasAlpha() ? WithAlpha(std::move(out), image) : out;
}

bool ToRasterImage(const QImage& image, RasterImage& out) {
  if (image.isNull() || image.format() != QImage::Format_RGB32) {
    out.SetLastError(TrMessage("ToRasterImage: not a 32-bit picture"));
    return false;
  }
  // Rows of 32-bit pixels need no padding, so the picture is one run of width × height pixels.
  const auto width = static_cast<uint32_t>(image.width());
  const auto height = static_cast<uint32_t>(image.height());
  const std::span<const uint32_t> pixels(reinterpret_cast<const uint32_t*>(image.constBits()),
                                         static_cast<size_t>(width) * height);
  return out.CreateFromPixels(pixels, width, height);
}

}  // namespace tavolo
