// The format codecs behind RasterImage. Each decoder reads a whole file held in memory and fills
// the image through RasterImage::Create; each encoder appends a whole file to `out`. On failure
// they return false and leave their message in the image's last-error text; a failed decode leaves
// the image empty.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace tavolo {
class RasterImage;
}  // namespace tavolo

namespace tavolo::codecs {

// How the PNG, JPEG, TIFF and GIF decoders map what they read onto the image's depths:
// - Palettes of up to 8 bits stay palettised (2-bit ones widen to 4 bits; GIF always gives 8).
//   Grey of 2 to 16 bits becomes 8 bits over a grey-ramp palette; 1-bit grey stays 1 bit.
// - 16-bit samples are scaled to 8 bits as (c + 128) / 257, as ImageMagick does.
// - Alpha (PNG alpha and tRNS, TIFF extra samples) is composited over white after that scaling,
//   with CompositeOverWhite below. GIF keeps its transparent index with its palette colour. An
//   image that keeps alpha (RasterImage::KeepsAlpha) gets it in its alpha channel instead, the
//   colours as the file has them (premultiplied TIFF samples divided by alpha), and GIF's
//   transparent index clear; so does 16-bit TGA's attribute bit, when some pixel sets it.
// - CMYK and YCCK JPEGs become RGB as ImageMagick makes them, taking the inks as Adobe's
//   inverted ones: r = (c × k + 127) / 255.
bool DecodeBmp(std::span<const uint8_t> data, RasterImage& image);
bool DecodeJpeg(std::span<const uint8_t> data, RasterImage& image);
bool DecodeIco(std::span<const uint8_t> data, RasterImage& image);
bool DecodeGif(std::span<const uint8_t> data, RasterImage& image);
bool DecodePng(std::span<const uint8_t> data, RasterImage& image);
bool DecodeTiff(std::span<const uint8_t> data, RasterImage& image);
bool DecodeTga(std::span<const uint8_t> data, RasterImage& image);
bool DecodePcx(std::span<const uint8_t> data, RasterImage& image);
bool DecodeWbmp(std::span<const uint8_t> data, RasterImage& image);

bool EncodeBmp(RasterImage& image, std::vector<uint8_t>& out);
bool EncodeGif(RasterImage& image, std::vector<uint8_t>& out);
bool EncodeJpeg(RasterImage& image, std::vector<uint8_t>& out);
bool EncodePng(RasterImage& image, std::vector<uint8_t>& out);
bool EncodeTiff(RasterImage& image, std::vector<uint8_t>& out);
bool EncodeTga(RasterImage& image, std::vector<uint8_t>& out);
bool EncodePcx(RasterImage& image, std::vector<uint8_t>& out);
bool EncodeIco(RasterImage& image, std::vector<uint8_t>& out);
bool EncodeWbmp(RasterImage& image, std::vector<uint8_t>& out);

// Pixels with an alpha channel (in any format: 32-bit BMP and TGA, icons, four-plane PCX, ...) are
// composited over white unless the image keeps alpha: (c × a + 255 × (255 − a) + 127) / 255.
inline uint8_t CompositeOverWhite(uint8_t colour, uint8_t alpha) {
  return static_cast<uint8_t>((colour * alpha + 255 * (255 - alpha) + 127) / 255);
}

// Widens an n-bit channel value (n from 1 to 8) to 0..255 by repeating its bits, so that 0 and
// the largest value map to 0 and 255.
inline uint8_t WidenBits(uint32_t value, uint32_t bits) {
  if (bits >= 8) return static_cast<uint8_t>(value >> (bits - 8));
  int shift = 8 - static_cast<int>(bits);
  uint32_t out = value << shift;
  while (shift > 0) {
    shift -= static_cast<int>(bits);
    out |= shift >= 0 ? value << shift : value >> -shift;
  }
  return static_cast<uint8_t>(out);
}

// Ends a failed decode: the image is left empty, with `message` as its last-error text.
bool Fail(RasterImage& image, std::string_view message);

// Checks that width × height (and the stride times height) fit the limits before any allocation;
// sets the last-error text and returns false when they do not.
bool CheckImageSize(uint64_t width, uint64_t height, uint32_t bpp, RasterImage& image);

}  // namespace tavolo::codecs
