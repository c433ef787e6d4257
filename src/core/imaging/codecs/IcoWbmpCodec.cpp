// ICO (the largest picture of an icon file: a bitmap with its mask, or an embedded PNG) and WBMP
// type 0 (wireless bitmap, one bit per pixel). Both are read only.
#include <algorithm>
#include <string_view>

#include "core/imaging/codecs/BmpDib.h"
#include "core/imaging/codecs/Codecs.h"
#include "core/storage/ByteReader.h"

namespace tavolo::codecs {

namespace {

bool Fail(RasterImage& image, std::string_view message) {
  image.Destroy();
  image.SetLastError(message);
  return false;
}

// Pixels whose mask bit is set are transparent; with no alpha kept they become white, which needs
// a colour image.
bool ApplyMask(std::span<const uint8_t> mask, RasterImage& image) {
  const uint32_t width = image.GetWidth();
  const uint32_t height = image.GetHeight();
  const size_t stride = (static_cast<size_t>(width) + 31) / 32 * 4;
  auto transparent = [&](uint32_t x, uint32_t y) {
    return ((mask[y * stride + x / 8] >> (7 - x % 8)) & 1) != 0;
  };
  bool any = false;
  for (uint32_t y = 0; y < height && !any; ++y) {
    for (uint32_t x = 0; x < width && !any; ++x) any = transparent(x, y);
  }
  if (!any) return true;
  RasterImage colour(kFormatIco);
  if (image.GetBpp() != 24) {
    if (!colour.Create(width, height, 24, kFormatIco)) {
      image.Destroy();
      image.SetLastError(colour.GetLastError());
      return false;
    }
    for (uint32_t y = 0; y < height; ++y) {
      for (uint32_t x = 0; x < width; ++x) colour.SetPixelColour(x, y, image.GetPixelColour(x, y));
    }
    image = std::move(colour);
  }
  for (uint32_t y = 0; y < height; ++y) {
    for (uint32_t x = 0; x < width; ++x) {
      if (transparent(x, y)) image.SetPixelColour(x, y, {255, 255, 255, 0});
    }
  }
  return true;
}

// A WBMP multi-byte integer: seven bits a byte, high bit set on all but the last; at most four.
bool ReadUintvar(ByteReader& r, uint32_t& value) {
  value = 0;
  for (int i = 0; i < 4; ++i) {
    const uint8_t b = r.U8();
    if (!r.ok()) return false;
    value = (value << 7) | (b & 0x7F);
    if ((b & 0x80) == 0) return true;
  }
  return false;
}

}  // namespace

bool DecodeIco(std::span<const uint8_t> data, RasterImage& image) {
  ByteReader r(data);
  const uint16_t reserved = r.U16();
  const uint16_t type = r.U16();
  const uint16_t count = r.U16();
  if (!r.ok() || reserved != 0 || (type != 1 && type != 2) || count == 0) {
    return Fail(image, "Not an ICO");
  }
  if (!r.Has(16u * count)) return Fail(image, "ICO directory is truncated");
  uint64_t bestArea = 0;
  uint32_t bestBits = 0;
  uint32_t bestSize = 0;
  uint32_t bestOffset = 0;
  for (uint16_t i = 0; i < count; ++i) {
    const uint32_t w = r.U8();
    const uint32_t h = r.U8();
    r.Skip(4);  // colour count, reserved, planes or hot spot
    const uint32_t bits = r.U16();
    const uint32_t size = r.U32();
    const uint32_t offset = r.U32();
    const uint64_t area = static_cast<uint64_t>(w == 0 ? 256 : w) * (h == 0 ? 256 : h);
    if (area > bestArea || (area == bestArea && bits > bestBits)) {
      bestArea = area;
      bestBits = bits;
      bestSize = size;
      bestOffset = offset;
    }
  }
  if (bestOffset > data.size() || bestSize > data.size() - bestOffset || bestSize < 8) {
    return Fail(image, "ICO picture lies outside the file");
  }
  const auto picture = data.subspan(bestOffset, bestSize);
  static constexpr uint8_t kPngSignature[4] = {0x89, 'P', 'N', 'G'};
  if (std::equal(picture.begin(), picture.begin() + 4, kPngSignature)) {
    return DecodePng(picture, image);
  }
  size_t pixelEnd = 0;
  if (!DecodeDib(picture, {0, 0, true}, kFormatIco, image, pixelEnd)) return false;
  const size_t maskBytes =
      (static_cast<size_t>(image.GetWidth()) + 31) / 32 * 4 * image.GetHeight();
  // Some writers leave the mask out; the picture is then taken as opaque.
  if (pixelEnd > picture.size() || picture.size() - pixelEnd < maskBytes) return true;
  return ApplyMask(picture.subspan(pixelEnd, maskBytes), image);
}

bool DecodeWbmp(std::span<const uint8_t> data, RasterImage& image) {
  ByteReader r(data);
  uint32_t type = 0;
  uint32_t width = 0;
  uint32_t height = 0;
  if (!ReadUintvar(r, type) || type != 0) return Fail(image, "Not a WBMP");
  const uint8_t fixHeader = r.U8();
  if (!r.ok() || fixHeader != 0) return Fail(image, "Not a WBMP");
  if (!ReadUintvar(r, width) || !ReadUintvar(r, height)) return Fail(image, "Not a WBMP");
  if (!CheckImageSize(width, height, 1, image)) {
    image.Destroy();
    return false;
  }
  const size_t rowBytes = (static_cast<size_t>(width) + 7) / 8;
  if (r.remaining() / rowBytes < height) return Fail(image, "WBMP pixel data is truncated");
  if (!image.Create(width, height, 1, kFormatWbmp)) return false;
  image.Palette()[1] = {255, 255, 255, 0};
  for (uint32_t fileRow = 0; fileRow < height; ++fileRow) {
    const auto row = r.Bytes(rowBytes);
    std::copy(row.begin(), row.end(), image.GetBits(height - 1 - fileRow));
  }
  return true;
}

}  // namespace tavolo::codecs
