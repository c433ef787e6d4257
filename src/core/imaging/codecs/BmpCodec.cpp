// BMP: the OS/2 core header and the 40-, 52-, 56-, 108- and 124-byte information headers; 1, 4, 8,
// 16, 24 and 32 bits, RLE8, RLE4 and bit fields, rows bottom-up or top-down. Writes 1, 4, 8 and
// 24 bits uncompressed with the resolution.
#include <algorithm>
#include <bit>
#include <cstring>

#include "core/imaging/RasterImage.h"
#include "core/imaging/codecs/BmpDib.h"
#include "core/imaging/codecs/Codecs.h"
#include "core/storage/ByteReader.h"
#include "core/storage/ByteWriter.h"
#include "core/storage/UserText.h"

namespace tavolo::codecs {

namespace {

constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiRle8 = 1;
constexpr uint32_t kBiRle4 = 2;
constexpr uint32_t kBiBitfields = 3;
constexpr uint32_t kBiAlphaBitfields = 6;
constexpr size_t kFileHeaderSize = 14;
constexpr size_t kInfoHeaderSize = 40;

// One colour channel of a 16- or 32-bit pixel, widened to a byte by repeating its bits.
class Field {
 public:
  explicit Field(uint32_t mask) : mask_(mask) {
    if (mask != 0) {
      shift_ = static_cast<uint32_t>(std::countr_zero(mask));
      bits_ = static_cast<uint32_t>(std::bit_width(mask >> shift_));
    }
  }
  bool present() const { return bits_ > 0; }
  uint8_t Get(uint32_t pixel) const {
    if (bits_ == 0) return 0;
    return WidenBits((pixel & mask_) >> shift_, bits_);
  }

 private:
  uint32_t mask_;
  uint32_t shift_ = 0;
  uint32_t bits_ = 0;
};

struct DibHeader {
  int64_t width = 0;
  int64_t height = 0;
  bool topDown = false;
  uint32_t bpp = 0;
  uint32_t compression = kBiRgb;
  int32_t xPelsPerMeter = 0;
  int32_t yPelsPerMeter = 0;
  uint32_t coloursUsed = 0;
  uint32_t masks[4] = {0, 0, 0, 0};  // red, green, blue, alpha
  bool hasMasks = false;
  bool core = false;
  size_t paletteOffset = 0;
};

bool ReadHeader(std::span<const uint8_t> data, size_t offset, RasterImage& image, DibHeader& h) {
  ByteReader r(data, offset);
  const uint32_t headerSize = r.U32();
  if (!r.ok()) return Fail(image, UserText("Not a BMP"));
  if (headerSize == 12) {
    h.core = true;
    h.width = r.U16();
    h.height = r.U16();
    if (r.U16() != 1) return Fail(image, UserText("Not a BMP"));
    h.bpp = r.U16();
    if (!r.ok()) return Fail(image, UserText("BMP header is truncated"));
    h.paletteOffset = offset + 12;
    return true;
  }
  const bool knownSize = headerSize == 40 || headerSize == 52 || headerSize == 56 ||
                         headerSize == 64 || headerSize == 108 || headerSize == 124;
  if (!knownSize) return Fail(image, UserText("Not a BMP"));
  if (!r.Has(headerSize - 4)) return Fail(image, UserText("BMP header is truncated"));
  h.width = r.I32();
  h.height = r.I32();
  if (r.U16() != 1) return Fail(image, UserText("Not a BMP"));
  h.bpp = r.U16();
  h.compression = r.U32();
  r.Skip(4);  // image size: recomputed from the dimensions
  h.xPelsPerMeter = r.I32();
  h.yPelsPerMeter = r.I32();
  h.coloursUsed = r.U32();
  r.Skip(4);  // important colours
  size_t paletteOffset = offset + headerSize;
  const bool fields = h.compression == kBiBitfields || h.compression == kBiAlphaBitfields;
  if (headerSize == 64 && h.compression > kBiRle4) {
    // The OS/2 2.x header gives 3 and 4 other meanings (Huffman, RLE24).
    return Fail(image, UserText("Unsupported BMP compression"));
  }
  if (headerSize >= 52 && headerSize != 64) {
    for (int i = 0; i < (headerSize >= 56 ? 4 : 3); ++i) h.masks[i] = r.U32();
    h.hasMasks = fields;
  } else if (fields) {
    // A 40-byte header is followed by the masks.
    ByteReader m(data, paletteOffset);
    const int count = h.compression == kBiAlphaBitfields ? 4 : 3;
    for (int i = 0; i < count; ++i) h.masks[i] = m.U32();
    if (!m.ok()) return Fail(image, UserText("BMP header is truncated"));
    paletteOffset += 4 * static_cast<size_t>(count);
    h.hasMasks = true;
  }
  if (!r.ok()) return Fail(image, UserText("BMP header is truncated"));
  h.paletteOffset = paletteOffset;
  if (h.height < 0) {
    h.topDown = true;
    h.height = -h.height;
  }
  return true;
}

bool ValidateHeader(const DibHeader& h, bool icon, RasterImage& image) {
  if (h.width <= 0 || h.height <= 0) return Fail(image, UserText("BMP has no pixels"));
  if (icon && (h.topDown || h.height % 2 != 0))
    return Fail(image, UserText("Icon bitmap has a bad height"));
  switch (h.compression) {
    case kBiRgb:
      if (h.bpp != 1 && h.bpp != 4 && h.bpp != 8 && h.bpp != 16 && h.bpp != 24 && h.bpp != 32) {
        return Fail(image, UserText("Unsupported BMP bit depth"));
      }
      if (h.core && (h.bpp == 16 || h.bpp == 32))
        return Fail(image, UserText("Unsupported BMP bit depth"));
      break;
    case kBiRle8:
      if (h.bpp != 8 || h.topDown) return Fail(image, UserText("Bad RLE8 BMP"));
      break;
    case kBiRle4:
      if (h.bpp != 4 || h.topDown) return Fail(image, UserText("Bad RLE4 BMP"));
      break;
    case kBiBitfields:
    case kBiAlphaBitfields:
      if (h.bpp != 16 && h.bpp != 32) return Fail(image, UserText("Bad BMP bit fields"));
      break;
    default:
      return Fail(image, UserText("Unsupported BMP compression"));
  }
  return true;
}

// With `alpha` (a kept alpha channel's row) the colours stay as they are and the alpha goes there;
// without, alpha is composited over white when useAlpha says the picture has any.
void DecodeRow(const uint8_t* src, const DibHeader& h, bool useAlpha, const Field* fields,
               uint8_t* dst, uint8_t* alpha) {
  const auto width = static_cast<size_t>(h.width);
  switch (h.bpp) {
    case 1:
    case 4:
    case 8:
      std::memcpy(dst, src, (width * h.bpp + 7) / 8);
      break;
    case 24:
      std::memcpy(dst, src, width * 3);
      break;
    default:
      for (size_t x = 0; x < width; ++x) {
        uint32_t p;
        if (h.bpp == 16) {
          p = src[2 * x] | (src[2 * x + 1] << 8);
        } else {
          p = src[4 * x] | (src[4 * x + 1] << 8) | (src[4 * x + 2] << 16) |
              (static_cast<uint32_t>(src[4 * x + 3]) << 24);
        }
        uint8_t* out = dst + 3 * x;
        out[0] = fields[2].Get(p);
        out[1] = fields[1].Get(p);
        out[2] = fields[0].Get(p);
        if (!useAlpha) continue;
        const uint8_t a = fields[3].Get(p);
        if (alpha != nullptr) {
          alpha[x] = a;
        } else {
          for (int c = 0; c < 3; ++c) out[c] = CompositeOverWhite(out[c], a);
        }
      }
  }
}

// Run-length pixels: rows bottom-up, escapes for end of line, end of bitmap, delta and absolute
// runs. Pixels the runs never reach keep index 0.
bool DecodeRle(std::span<const uint8_t> data, size_t offset, const DibHeader& h, RasterImage& image,
               size_t& end) {
  const bool rle4 = h.compression == kBiRle4;
  const auto width = static_cast<uint64_t>(h.width);
  const auto height = static_cast<uint64_t>(h.height);
  ByteReader r(data, offset);
  uint64_t x = 0;
  uint64_t y = 0;
  auto put = [&](uint8_t index) {
    if (x < width && y < height) {
      image.SetPixelIndex(static_cast<uint32_t>(x), static_cast<uint32_t>(y), index);
    }
    ++x;
  };
  while (y < height) {
    const uint8_t count = r.U8();
    const uint8_t value = r.U8();
    if (!r.ok()) return Fail(image, UserText("BMP pixel data is truncated"));
    if (count > 0) {
      for (int i = 0; i < count; ++i) {
        put(rle4 ? static_cast<uint8_t>(i % 2 == 0 ? value >> 4 : value & 0x0F) : value);
      }
      continue;
    }
    if (value == 0) {
      x = 0;
      ++y;
    } else if (value == 1) {
      break;
    } else if (value == 2) {
      x += r.U8();
      y += r.U8();
    } else {
      const size_t bytes = rle4 ? (value + 1u) / 2 : value;
      const auto run = r.Bytes(bytes);
      if (!r.ok()) return Fail(image, UserText("BMP pixel data is truncated"));
      for (int i = 0; i < value; ++i) {
        put(rle4 ? static_cast<uint8_t>(i % 2 == 0 ? run[i / 2] >> 4 : run[i / 2] & 0x0F) : run[i]);
      }
      if (bytes % 2 != 0) r.Skip(1);
    }
    if (!r.ok()) return Fail(image, UserText("BMP pixel data is truncated"));
  }
  end = r.pos();
  return true;
}

}  // namespace

bool DecodeDib(std::span<const uint8_t> data, const DibSource& source, int format,
               RasterImage& image, size_t& pixelEnd) {
  DibHeader h;
  if (!ReadHeader(data, source.infoOffset, image, h)) return false;
  if (!ValidateHeader(h, source.icon, image)) return false;
  if (source.icon) h.height /= 2;

  uint32_t paletteCount = 0;
  if (h.bpp <= 8) {
    paletteCount = 1u << h.bpp;
    if (h.coloursUsed > 0 && h.coloursUsed < paletteCount) paletteCount = h.coloursUsed;
  }
  const size_t entrySize = h.core ? 3 : 4;
  if (source.pixelOffset != 0 && source.pixelOffset >= h.paletteOffset) {
    // Some writers give fewer entries than the header claims; the pixels start where they say.
    paletteCount = static_cast<uint32_t>(
        std::min<size_t>(paletteCount, (source.pixelOffset - h.paletteOffset) / entrySize));
  }
  ByteReader paletteReader(data, h.paletteOffset);
  const auto paletteBytes = paletteReader.Bytes(paletteCount * entrySize);
  if (!paletteReader.ok()) return Fail(image, UserText("BMP palette is truncated"));
  const size_t pixelOffset =
      source.pixelOffset != 0 ? source.pixelOffset : h.paletteOffset + paletteBytes.size();
  if (pixelOffset > data.size()) return Fail(image, UserText("BMP pixel data is missing"));

  const auto width = static_cast<uint64_t>(h.width);
  const auto height = static_cast<uint64_t>(h.height);
  const uint64_t fileStride = ((width * h.bpp + 31) / 32) * 4;
  const bool runLength = h.compression == kBiRle8 || h.compression == kBiRle4;
  // Checked before allocating, so a short file cannot ask for a large picture. The last row may
  // lack its padding.
  if (!runLength && width <= kMaxImageSide && height <= kMaxImageSide &&
      data.size() - pixelOffset < fileStride * (height - 1) + (width * h.bpp + 7) / 8) {
    return Fail(image, UserText("BMP pixel data is truncated"));
  }
  const uint32_t outBpp = h.bpp <= 8 ? h.bpp : 24;
  if (!CheckImageSize(static_cast<uint64_t>(h.width), static_cast<uint64_t>(h.height), outBpp,
                      image)) {
    image.Destroy();
    return false;
  }
  if (!image.Create(static_cast<uint32_t>(h.width), static_cast<uint32_t>(h.height), outBpp,
                    format)) {
    return false;
  }
  std::span<RgbQuad> palette = image.Palette();
  for (uint32_t i = 0; i < paletteCount; ++i) {
    const uint8_t* e = paletteBytes.data() + i * entrySize;
    palette[i] = {e[0], e[1], e[2], 0};
  }
  if (h.xPelsPerMeter > 0) image.SetXPelsPerMeter(h.xPelsPerMeter);
  if (h.yPelsPerMeter > 0) image.SetYPelsPerMeter(h.yPelsPerMeter);

  if (runLength) return DecodeRle(data, pixelOffset, h, image, pixelEnd);

  uint32_t masks[4] = {h.masks[0], h.masks[1], h.masks[2], h.masks[3]};
  if (!h.hasMasks) {
    if (h.bpp == 16) {
      masks[0] = 0x7C00;
      masks[1] = 0x03E0;
      masks[2] = 0x001F;
    } else {
      masks[0] = 0xFF0000;
      masks[1] = 0x00FF00;
      masks[2] = 0x0000FF;
    }
    masks[3] = source.icon && h.bpp == 32 ? 0xFF000000 : 0;
  }
  const Field fields[4] = {Field(masks[0]), Field(masks[1]), Field(masks[2]), Field(masks[3])};
  bool useAlpha = fields[3].present() && h.bpp == 32;
  if (useAlpha) {
    // Old icons, and many writers of 32-bit files, leave the alpha byte zero everywhere: such a
    // picture is opaque, not invisible.
    useAlpha = false;
    for (uint64_t i = 0; i < height && !useAlpha; ++i) {
      const uint8_t* row = data.data() + pixelOffset + i * fileStride;
      for (uint64_t x = 0; x < width; ++x) {
        if (row[4 * x + 3] != 0) {
          useAlpha = true;
          break;
        }
      }
    }
  }
  if (useAlpha && image.KeepsAlpha() && !image.AddAlpha()) return false;
  for (uint64_t fileRow = 0; fileRow < height; ++fileRow) {
    const auto row = static_cast<uint32_t>(h.topDown ? height - 1 - fileRow : fileRow);
    DecodeRow(data.data() + pixelOffset + fileRow * fileStride, h, useAlpha, fields,
              image.GetBits(row), image.GetAlphaRow(row));
  }
  pixelEnd = static_cast<size_t>(pixelOffset + fileStride * height);
  return true;
}

bool DecodeBmp(std::span<const uint8_t> data, RasterImage& image) {
  ByteReader r(data);
  const uint8_t b = r.U8();
  const uint8_t m = r.U8();
  if (!r.ok() || b != 'B' || m != 'M') return Fail(image, UserText("Not a BMP"));
  r.Skip(8);
  const uint32_t offBits = r.U32();
  if (!r.ok()) return Fail(image, UserText("Not a BMP"));
  if (offBits < kFileHeaderSize + 12 || offBits > data.size()) {
    return Fail(image, UserText("BMP pixel offset is out of the file"));
  }
  size_t pixelEnd = 0;
  return DecodeDib(data, {kFileHeaderSize, offBits, false}, kFormatBmp, image, pixelEnd);
}

bool EncodeBmp(RasterImage& image, std::vector<uint8_t>& out) {
  const uint32_t bpp = image.GetBpp();
  if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24) {
    image.SetLastError(UserText("BMP can save only 1, 4, 8 or 24 bits per pixel"));
    return false;
  }
  const auto palette = image.Palette();
  const auto paletteSize = static_cast<uint32_t>(palette.size());
  const uint32_t offBits = kFileHeaderSize + kInfoHeaderSize + 4 * paletteSize;
  const uint64_t imageSize = static_cast<uint64_t>(image.GetStride()) * image.GetHeight();
  if (offBits + imageSize > 0xFFFFFFFFu) {
    image.SetLastError(UserText("Image too large for BMP"));
    return false;
  }
  out.reserve(out.size() + offBits + imageSize);
  ByteWriter w(out);
  w.PutU8('B');
  w.PutU8('M');
  w.PutU32(static_cast<uint32_t>(offBits + imageSize));
  w.PutU32(0);
  w.PutU32(offBits);
  w.PutU32(kInfoHeaderSize);
  w.PutU32(image.GetWidth());
  w.PutU32(image.GetHeight());
  w.PutU16(1);
  w.PutU16(bpp);
  w.PutU32(kBiRgb);
  w.PutU32(static_cast<uint32_t>(imageSize));
  w.PutU32(static_cast<uint32_t>(std::max(image.GetXPelsPerMeter(), 0)));
  w.PutU32(static_cast<uint32_t>(std::max(image.GetYPelsPerMeter(), 0)));
  w.PutU32(paletteSize);
  w.PutU32(0);
  for (const RgbQuad& e : palette) {
    w.PutU8(e.blue);
    w.PutU8(e.green);
    w.PutU8(e.red);
    w.PutU8(0);
  }
  const auto pixels = image.PixelData();
  out.insert(out.end(), pixels.begin(), pixels.end());
  return true;
}

}  // namespace tavolo::codecs
