// TGA: colour-mapped (8-bit indices into 15-, 16-, 24- or 32-bit map entries), true colour (15, 16,
// 24 and 32 bits) and grey, raw or run-length, from any corner. Writes 8-bit colour-mapped and
// 24-bit true-colour files, and 32-bit ones for pictures with alpha, raw, rows from the bottom.
#include <algorithm>
#include <array>
#include <cstring>

#include "core/imaging/RasterImage.h"
#include "core/imaging/codecs/Codecs.h"
#include "core/storage/ByteReader.h"
#include "core/storage/ByteWriter.h"
#include "core/storage/UserText.h"

namespace tavolo::codecs {

namespace {

constexpr size_t kHeaderSize = 18;
constexpr uint8_t kColourMapped = 1;
constexpr uint8_t kTrueColour = 2;
constexpr uint8_t kGrey = 3;
constexpr uint8_t kRunLength = 8;
constexpr uint8_t kRightToLeft = 0x10;
constexpr uint8_t kTopOrigin = 0x20;

struct TgaHeader {
  uint8_t idLength = 0;
  uint8_t mapType = 0;
  uint8_t imageType = 0;
  uint16_t mapFirst = 0;
  uint16_t mapLength = 0;
  uint8_t mapEntryBits = 0;
  uint16_t width = 0;
  uint16_t height = 0;
  uint8_t depth = 0;
  uint8_t descriptor = 0;

  uint8_t kind() const { return static_cast<uint8_t>(imageType & ~kRunLength); }
  bool runLength() const { return (imageType & kRunLength) != 0; }
  uint32_t alphaBits() const { return descriptor & 0x0F; }
};

// TGA carries no signature, so a header is only accepted when every field is one a writer could
// have produced.
bool Plausible(const TgaHeader& h) {
  if (h.mapType > 1) return false;
  const uint8_t kind = h.kind();
  if (kind != kColourMapped && kind != kTrueColour && kind != kGrey) return false;
  if (kind == kColourMapped && h.mapType != 1) return false;
  if (h.mapType == 1) {
    if (h.mapLength == 0) return false;
    if (h.mapEntryBits != 15 && h.mapEntryBits != 16 && h.mapEntryBits != 24 &&
        h.mapEntryBits != 32) {
      return false;
    }
  } else if (h.mapLength != 0) {
    return false;
  }
  if (h.width == 0 || h.height == 0) return false;
  if ((h.descriptor & 0xC0) != 0 || h.alphaBits() > 8) return false;
  switch (kind) {
    case kColourMapped:
      return h.depth == 8;
    case kTrueColour:
      return h.depth == 15 || h.depth == 16 || h.depth == 24 || h.depth == 32;
    default:
      return h.depth == 8 || h.depth == 16;
  }
}

// The alpha of one stored value: the fourth byte of 32 bits, the top bit of 16 bits (an attribute
// that only counts as coverage when some pixel of the picture sets it), opaque otherwise.
uint8_t AlphaOf(const uint8_t* p, uint32_t bits) {
  if (bits == 32) return p[3];
  if (bits == 16) return (p[1] & 0x80) != 0 ? 255 : 0;
  return 255;
}

// Converts one stored value to blue, green and red; 32-bit values with alpha bits are composited
// over white unless the alpha is kept. The top bit of 16-bit values is left to AlphaOf.
void ToBgr(const uint8_t* p, uint32_t bits, bool alpha, uint8_t* out) {
  switch (bits) {
    case 15:
    case 16: {
      const uint32_t v = p[0] | (p[1] << 8);
      out[0] = WidenBits(v & 0x1F, 5);
      out[1] = WidenBits((v >> 5) & 0x1F, 5);
      out[2] = WidenBits((v >> 10) & 0x1F, 5);
      break;
    }
    case 24:
      std::memcpy(out, p, 3);
      break;
    default:
      std::memcpy(out, p, 3);
      if (alpha) {
        for (int c = 0; c < 3; ++c) out[c] = CompositeOverWhite(out[c], p[3]);
      }
  }
}

// Many writers of 16-bit pixels leave the attribute bit clear everywhere: such a picture is
// opaque, not invisible.
void OpaqueWhenNoAttributeIsSet(bool attributeAlpha, RasterImage& image) {
  if (!attributeAlpha || !image.HasAlpha()) return;
  for (uint32_t y = 0; y < image.GetHeight(); ++y) {
    const uint8_t* alpha = image.GetAlphaRow(y);
    if (std::any_of(alpha, alpha + image.GetWidth(), [](uint8_t a) { return a != 0; })) return;
  }
  for (uint32_t y = 0; y < image.GetHeight(); ++y) {
    std::fill_n(image.GetAlphaRow(y), image.GetWidth(), uint8_t{255});
  }
}

// A picture with alpha, of any depth: 32-bit true colour with 8 alpha bits.
bool EncodeTga32(RasterImage& image, std::vector<uint8_t>& out) {
  const uint32_t width = image.GetWidth();
  const uint32_t height = image.GetHeight();
  if (width > 0xFFFF || height > 0xFFFF) {
    image.SetLastError(UserText("Image too large for TGA"));
    return false;
  }
  out.reserve(out.size() + kHeaderSize + static_cast<size_t>(width) * height * 4);
  ByteWriter w(out);
  w.PutU8(0);
  w.PutU8(0);
  w.PutU8(kTrueColour);
  w.PutU16(0);
  w.PutU16(0);
  w.PutU8(0);
  w.PutU16(0);
  w.PutU16(0);
  w.PutU16(width);
  w.PutU16(height);
  w.PutU8(32);
  w.PutU8(8);  // rows from the bottom, left to right, 8 alpha bits
  for (uint32_t y = 0; y < height; ++y) {
    const uint8_t* alpha = image.GetAlphaRow(y);
    for (uint32_t x = 0; x < width; ++x) {
      const RgbQuad c = image.GetPixelColour(x, y);
      w.PutU8(c.blue);
      w.PutU8(c.green);
      w.PutU8(c.red);
      w.PutU8(alpha[x]);
    }
  }
  return true;
}

}  // namespace

bool DecodeTga(std::span<const uint8_t> data, RasterImage& image) {
  ByteReader r(data);
  TgaHeader h;
  h.idLength = r.U8();
  h.mapType = r.U8();
  h.imageType = r.U8();
  h.mapFirst = r.U16();
  h.mapLength = r.U16();
  h.mapEntryBits = r.U8();
  r.Skip(4);  // origin on screen
  h.width = r.U16();
  h.height = r.U16();
  h.depth = r.U8();
  h.descriptor = r.U8();
  if (!r.ok() || !Plausible(h)) return Fail(image, UserText("Not a TGA"));

  r.Skip(h.idLength);
  const size_t entryBytes = (h.mapEntryBits + 7u) / 8;
  const auto map = r.Bytes(h.mapType == 1 ? entryBytes * h.mapLength : 0);
  if (!r.ok()) return Fail(image, UserText("Not a TGA"));
  const size_t pixelBytes = (h.depth + 7u) / 8;
  const uint64_t total = static_cast<uint64_t>(h.width) * h.height;
  // Raw pixels must all be there; run-length packets cover at most 128 pixels each.
  const uint64_t least =
      h.runLength() ? (total + 127) / 128 * (1 + pixelBytes) : total * pixelBytes;
  if (r.remaining() < least) return Fail(image, UserText("TGA pixel data is truncated"));

  const uint8_t kind = h.kind();
  const uint32_t outBpp = kind == kTrueColour ? 24 : 8;
  if (!CheckImageSize(h.width, h.height, outBpp, image)) {
    image.Destroy();
    return false;
  }
  if (!image.Create(h.width, h.height, outBpp, kFormatTga)) return false;
  // Pixels carry alpha: bits a true-colour or grey pixel holds, or those of the colour map.
  const uint32_t alphaDepth = kind == kColourMapped ? h.mapEntryBits : h.depth;
  const bool carriesAlpha = h.alphaBits() > 0 && (alphaDepth == 32 || alphaDepth == 16);
  const bool keepAlpha = carriesAlpha && image.KeepsAlpha();
  const bool attributeAlpha = alphaDepth == 16 && kind != kGrey;
  if (keepAlpha && !image.AddAlpha()) return false;
  // Without kept alpha, 32-bit values are composited over white as they are read.
  const bool alpha = h.alphaBits() > 0 && !keepAlpha;
  std::span<RgbQuad> palette = image.Palette();
  std::array<uint8_t, 256> mapAlpha;
  mapAlpha.fill(255);
  if (kind == kColourMapped) {
    for (uint32_t i = 0; i < h.mapLength && h.mapFirst + i < 256u; ++i) {
      uint8_t bgr[3];
      const uint8_t* entry = map.data() + i * entryBytes;
      ToBgr(entry, h.mapEntryBits, alpha, bgr);
      palette[h.mapFirst + i] = {bgr[0], bgr[1], bgr[2], 0};
      mapAlpha[h.mapFirst + i] = AlphaOf(entry, h.mapEntryBits);
    }
  } else if (kind == kGrey) {
    for (uint32_t i = 0; i < 256; ++i) {
      palette[i] = {static_cast<uint8_t>(i), static_cast<uint8_t>(i), static_cast<uint8_t>(i), 0};
    }
  }

  const bool topOrigin = (h.descriptor & kTopOrigin) != 0;
  const bool rightToLeft = (h.descriptor & kRightToLeft) != 0;
  uint32_t column = 0;
  uint32_t fileRow = 0;
  uint8_t* row = image.GetBits(topOrigin ? h.height - 1 : 0);
  uint8_t* alphaRow = image.GetAlphaRow(topOrigin ? h.height - 1 : 0);
  auto put = [&](const uint8_t* p) {
    const uint32_t x = rightToLeft ? h.width - 1 - column : column;
    if (kind == kTrueColour) {
      ToBgr(p, h.depth, alpha, row + 3 * static_cast<size_t>(x));
      if (keepAlpha) alphaRow[x] = AlphaOf(p, h.depth);
    } else if (kind == kGrey && h.depth == 16) {
      row[x] = alpha ? CompositeOverWhite(p[0], p[1]) : p[0];
      if (keepAlpha) alphaRow[x] = p[1];
    } else {
      row[x] = p[0];
      if (keepAlpha) alphaRow[x] = mapAlpha[p[0]];
    }
    if (++column == h.width) {
      column = 0;
      ++fileRow;
      if (fileRow < h.height) {
        const uint32_t next = topOrigin ? h.height - 1 - fileRow : fileRow;
        row = image.GetBits(next);
        alphaRow = image.GetAlphaRow(next);
      }
    }
  };

  if (!h.runLength()) {
    const uint8_t* p = r.Bytes(total * pixelBytes).data();
    const size_t rowBytes = static_cast<size_t>(h.width) * pixelBytes;
    if (!rightToLeft && !keepAlpha && (h.depth == 24 || (h.depth == 8 && kind != kTrueColour))) {
      // Stored exactly as the image holds them: whole rows at once.
      for (uint32_t y = 0; y < h.height; ++y, p += rowBytes) {
        std::memcpy(image.GetBits(topOrigin ? h.height - 1 - y : y), p, rowBytes);
      }
      return true;
    }
    for (uint64_t i = 0; i < total; ++i, p += pixelBytes) put(p);
    OpaqueWhenNoAttributeIsSet(attributeAlpha, image);
    return true;
  }
  uint64_t done = 0;
  while (done < total) {
    const uint8_t packet = r.U8();
    const uint32_t count = (packet & 0x7F) + 1u;
    const bool repeat = (packet & 0x80) != 0;
    const auto bytes = r.Bytes(repeat ? pixelBytes : pixelBytes * count);
    if (!r.ok()) return Fail(image, UserText("TGA pixel data is truncated"));
    // A packet may run past the last pixel in a damaged file; the excess is dropped.
    for (uint32_t i = 0; i < count && done < total; ++i, ++done) {
      put(bytes.data() + (repeat ? 0 : i * pixelBytes));
    }
  }
  OpaqueWhenNoAttributeIsSet(attributeAlpha, image);
  return true;
}

bool EncodeTga(RasterImage& image, std::vector<uint8_t>& out) {
  if (image.HasAlpha()) return EncodeTga32(image, out);
  const uint32_t bpp = image.GetBpp();
  if (bpp != 8 && bpp != 24) {
    image.SetLastError(UserText("Bit depth must be 8 or 24"));
    return false;
  }
  if (image.GetWidth() > 0xFFFF || image.GetHeight() > 0xFFFF) {
    image.SetLastError(UserText("Image too large for TGA"));
    return false;
  }
  const bool mapped = bpp == 8;
  const auto palette = image.Palette();
  const size_t rowBytes = static_cast<size_t>(image.GetWidth()) * (bpp / 8);
  out.reserve(out.size() + kHeaderSize + palette.size() * 3 + rowBytes * image.GetHeight());
  ByteWriter w(out);
  w.PutU8(0);
  w.PutU8(mapped ? 1 : 0);
  w.PutU8(mapped ? kColourMapped : kTrueColour);
  w.PutU16(0);
  w.PutU16(mapped ? static_cast<uint32_t>(palette.size()) : 0);
  w.PutU8(mapped ? 24 : 0);
  w.PutU16(0);
  w.PutU16(0);
  w.PutU16(image.GetWidth());
  w.PutU16(image.GetHeight());
  w.PutU8(bpp);
  w.PutU8(0);  // rows from the bottom, left to right, no alpha
  for (const RgbQuad& e : palette) {
    w.PutU8(e.blue);
    w.PutU8(e.green);
    w.PutU8(e.red);
  }
  for (uint32_t y = 0; y < image.GetHeight(); ++y) {
    const uint8_t* row = image.GetBits(y);
    out.insert(out.end(), row, row + rowBytes);
  }
  return true;
}

}  // namespace tavolo::codecs
