// ICO (the largest picture of an icon file: a bitmap with its mask, or an embedded PNG) and WBMP
// type 0 (wireless bitmap, one bit per pixel). Icons are written as one 32-bit picture of at most
// 256 × 256 pixels with its alpha (opaque for a picture without), and a mask of its clear pixels;
// WBMP as black and white.
#include <algorithm>

#include "core/imaging/RasterImage.h"
#include "core/imaging/codecs/BmpDib.h"
#include "core/imaging/codecs/Codecs.h"
#include "core/storage/ByteReader.h"
#include "core/storage/ByteWriter.h"
#include "core/storage/UserText.h"

namespace tavolo::codecs {

namespace {

// Pixels whose mask bit is set are transparent: clear when the image keeps alpha, otherwise white,
// which needs a colour image.
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
  if (image.KeepsAlpha()) {
    if (!image.AddAlpha()) return Fail(image, image.GetLastError());
    for (uint32_t y = 0; y < height; ++y) {
      uint8_t* alpha = image.GetAlphaRow(y);
      for (uint32_t x = 0; x < width; ++x) {
        if (transparent(x, y)) alpha[x] = 0;
      }
    }
    return true;
  }
  RasterImage colour(kFormatIco);
  if (image.GetBpp() != 24) {
    if (!colour.Create(width, height, 24, kFormatIco)) return Fail(image, colour.GetLastError());
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

void WriteUintvar(ByteWriter& w, uint32_t value) {
  int shift = 21;  // four bytes at most, as the decoder reads them
  while (shift > 0 && (value >> shift) == 0) shift -= 7;
  for (; shift > 0; shift -= 7) w.PutU8(0x80 | ((value >> shift) & 0x7F));
  w.PutU8(value & 0x7F);
}

// A WBMP pixel is white (bit 1) or black (bit 0), as the decoder's palette reads them back: a
// colour takes the nearer of the two by the sum of squared channel differences, which is how the
// image picks the nearest entry of a palette (the sums are never equal).
bool IsWhite(const RgbQuad& c) {
  const auto square = [](int v) { return v * v; };
  const int toBlack = square(c.blue) + square(c.green) + square(c.red);
  const int toWhite = square(255 - c.blue) + square(255 - c.green) + square(255 - c.red);
  return toWhite < toBlack;
}

constexpr uint32_t kIconHeaderSize = 6;
constexpr uint32_t kIconEntrySize = 16;
constexpr uint32_t kDibHeaderSize = 40;
constexpr uint32_t kMaxIconSide = 256;

}  // namespace

bool DecodeIco(std::span<const uint8_t> data, RasterImage& image) {
  ByteReader r(data);
  const uint16_t reserved = r.U16();
  const uint16_t type = r.U16();
  const uint16_t count = r.U16();
  if (!r.ok() || reserved != 0 || (type != 1 && type != 2) || count == 0) {
    return Fail(image, UserText("Not an ICO"));
  }
  if (!r.Has(16u * count)) return Fail(image, UserText("ICO directory is truncated"));
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
    return Fail(image, UserText("ICO picture lies outside the file"));
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
  if (!ReadUintvar(r, type) || type != 0) return Fail(image, UserText("Not a WBMP"));
  const uint8_t fixHeader = r.U8();
  if (!r.ok() || fixHeader != 0) return Fail(image, UserText("Not a WBMP"));
  if (!ReadUintvar(r, width) || !ReadUintvar(r, height)) return Fail(image, UserText("Not a WBMP"));
  if (!CheckImageSize(width, height, 1, image)) {
    image.Destroy();
    return false;
  }
  const size_t rowBytes = (static_cast<size_t>(width) + 7) / 8;
  if (r.remaining() / rowBytes < height)
    return Fail(image, UserText("WBMP pixel data is truncated"));
  if (!image.Create(width, height, 1, kFormatWbmp)) return false;
  image.Palette()[1] = {255, 255, 255, 0};
  for (uint32_t fileRow = 0; fileRow < height; ++fileRow) {
    const auto row = r.Bytes(rowBytes);
    std::copy(row.begin(), row.end(), image.GetBits(height - 1 - fileRow));
  }
  return true;
}

bool EncodeIco(RasterImage& image, std::vector<uint8_t>& out) {
  const uint32_t width = image.GetWidth();
  const uint32_t height = image.GetHeight();
  if (width > kMaxIconSide || height > kMaxIconSide) {
    image.SetLastError(UserText("ICO can save only pictures of at most 256 × 256 pixels"));
    return false;
  }
  const uint32_t maskStride = (width + 31) / 32 * 4;
  const uint32_t pictureSize = kDibHeaderSize + (width * 4 + maskStride) * height;
  ByteWriter w(out);
  w.PutU16(0);
  w.PutU16(1);  // an icon, not a cursor
  w.PutU16(1);
  w.PutU8(width % kMaxIconSide);  // 0 stands for 256
  w.PutU8(height % kMaxIconSide);
  w.PutU8(0);  // no palette
  w.PutU8(0);
  w.PutU16(1);
  w.PutU16(32);
  w.PutU32(pictureSize);
  w.PutU32(kIconHeaderSize + kIconEntrySize);
  w.PutU32(kDibHeaderSize);
  w.PutU32(width);
  w.PutU32(height * 2);  // the colour rows and the mask rows
  w.PutU16(1);
  w.PutU16(32);
  w.PutU32(0);
  w.PutU32(pictureSize - kDibHeaderSize);
  w.PutU32(0);
  w.PutU32(0);
  w.PutU32(0);
  w.PutU32(0);
  for (uint32_t row = 0; row < height; ++row) {
    for (uint32_t x = 0; x < width; ++x) {
      const RgbQuad c = image.GetPixelColour(x, row);
      w.PutU8(c.blue);
      w.PutU8(c.green);
      w.PutU8(c.red);
      w.PutU8(image.GetPixelAlpha(x, row));
    }
  }
  // Readers that ignore the alpha byte leave out the pixels the mask marks: the clear ones.
  const size_t maskStart = out.size();
  out.resize(maskStart + static_cast<size_t>(maskStride) * height, 0);
  for (uint32_t row = 0; row < height; ++row) {
    for (uint32_t x = 0; x < width; ++x) {
      if (image.GetPixelAlpha(x, row) == 0) {
        out[maskStart + static_cast<size_t>(row) * maskStride + x / 8] |= 0x80 >> (x % 8);
      }
    }
  }
  return true;
}

bool EncodeWbmp(RasterImage& image, std::vector<uint8_t>& out) {
  const uint32_t width = image.GetWidth();
  const uint32_t height = image.GetHeight();
  ByteWriter w(out);
  WriteUintvar(w, 0);  // type 0
  w.PutU8(0);          // fixed header
  WriteUintvar(w, width);
  WriteUintvar(w, height);
  const size_t rowBytes = (static_cast<size_t>(width) + 7) / 8;
  for (uint32_t fileRow = 0; fileRow < height; ++fileRow) {
    const uint32_t row = height - 1 - fileRow;
    const size_t start = out.size();
    out.resize(start + rowBytes, 0);
    for (uint32_t x = 0; x < width; ++x) {
      if (IsWhite(image.GetPixelColour(x, row))) out[start + x / 8] |= 0x80 >> (x % 8);
    }
  }
  return true;
}

}  // namespace tavolo::codecs
