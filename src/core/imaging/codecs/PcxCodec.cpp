// PCX: 1 bit; 2 to 4 bits as planes of single bits or packed in one plane, with the 16-colour
// header palette; 8 bits with the 256-colour palette that trails the file; 24 bits as three planes
// (a fourth plane is alpha). Writes 8-bit and 24-bit files, run-length encoded, with the dpi.
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

constexpr size_t kHeaderSize = 128;
constexpr uint8_t kManufacturer = 0x0A;
constexpr uint8_t kPaletteMarker = 0x0C;
constexpr size_t kTrailingPaletteSize = 769;

// Reads run-length bytes; a run may carry on from one scanline into the next.
class RleReader {
 public:
  explicit RleReader(std::span<const uint8_t> data, bool encoded)
      : data_(data), encoded_(encoded) {}

  bool Fill(uint8_t* out, size_t count) {
    size_t done = 0;
    while (done < count) {
      if (runLeft_ == 0) {
        if (pos_ >= data_.size()) return false;
        const uint8_t b = data_[pos_++];
        if (encoded_ && (b & 0xC0) == 0xC0) {
          if (pos_ >= data_.size()) return false;
          runLeft_ = b & 0x3F;
          runValue_ = data_[pos_++];
          continue;
        }
        out[done++] = b;
        continue;
      }
      const size_t n = std::min<size_t>(runLeft_, count - done);
      std::memset(out + done, runValue_, n);
      done += n;
      runLeft_ -= n;
    }
    return true;
  }

 private:
  std::span<const uint8_t> data_;
  bool encoded_;
  size_t pos_ = 0;
  size_t runLeft_ = 0;
  uint8_t runValue_ = 0;
};

void PutRun(std::vector<uint8_t>& out, const uint8_t* line, size_t length) {
  size_t i = 0;
  while (i < length) {
    const uint8_t value = line[i];
    size_t run = 1;
    while (i + run < length && run < 63 && line[i + run] == value) ++run;
    if (run > 1 || (value & 0xC0) == 0xC0) out.push_back(static_cast<uint8_t>(0xC0 | run));
    out.push_back(value);
    i += run;
  }
}

}  // namespace

bool DecodePcx(std::span<const uint8_t> data, RasterImage& image) {
  ByteReader r(data);
  const uint8_t manufacturer = r.U8();
  const uint8_t version = r.U8();
  const uint8_t encoding = r.U8();
  const uint8_t bits = r.U8();
  const uint16_t xMin = r.U16();
  const uint16_t yMin = r.U16();
  const uint16_t xMax = r.U16();
  const uint16_t yMax = r.U16();
  const uint16_t hDpi = r.U16();
  const uint16_t vDpi = r.U16();
  const auto headerPalette = r.Bytes(48);
  r.Skip(1);
  const uint8_t planes = r.U8();
  const uint16_t bytesPerLine = r.U16();
  const uint16_t paletteInfo = r.U16();
  if (!r.ok() || data.size() < kHeaderSize || manufacturer != kManufacturer ||
      (version != 0 && version != 2 && version != 3 && version != 4 && version != 5) ||
      encoding > 1 || xMax < xMin || yMax < yMin) {
    return Fail(image, UserText("Not a PCX"));
  }
  const uint32_t width = xMax - xMin + 1u;
  const uint32_t height = yMax - yMin + 1u;
  const uint32_t depth = bits * planes;
  const bool planarBits = bits == 1 && planes >= 1 && planes <= 4;
  const bool packed = planes == 1 && (bits == 2 || bits == 4 || bits == 8);
  const bool trueColour = bits == 8 && (planes == 3 || planes == 4);
  if (!planarBits && !packed && !trueColour)
    return Fail(image, UserText("Unsupported PCX bit depth"));
  if (static_cast<uint64_t>(bytesPerLine) * 8 < static_cast<uint64_t>(width) * bits) {
    return Fail(image, UserText("PCX line length is too short"));
  }
  const uint32_t outBpp = trueColour ? 24 : RoundBpp(depth);
  if (!CheckImageSize(width, height, outBpp, image)) {
    image.Destroy();
    return false;
  }

  std::span<const uint8_t> body = data.subspan(kHeaderSize);
  bool trailingPalette = false;
  if (bits == 8 && planes == 1 && data.size() >= kHeaderSize + kTrailingPaletteSize &&
      data[data.size() - kTrailingPaletteSize] == kPaletteMarker) {
    trailingPalette = true;
    body = body.first(body.size() - kTrailingPaletteSize);
  }
  // Without its trailing palette an 8-bit file is only readable when it says it is grey.
  constexpr uint16_t kGreyPalette = 2;
  if (bits == 8 && planes == 1 && !trailingPalette && paletteInfo != kGreyPalette) {
    return Fail(image, UserText("PCX palette is missing"));
  }
  // A run-length byte pair stands for at most 63 bytes, which bounds the size of a whole file.
  const uint64_t lineBytes = static_cast<uint64_t>(bytesPerLine) * planes;
  const uint64_t allBytes = lineBytes * height;
  if (body.size() < (encoding == 1 ? (allBytes + 62) / 63 : allBytes)) {
    return Fail(image, UserText("PCX pixel data is truncated"));
  }
  if (!image.Create(width, height, outBpp, kFormatPcx)) return false;

  std::span<RgbQuad> palette = image.Palette();
  if (depth == 1) {
    palette[1] = {255, 255, 255, 0};
  } else if (trailingPalette) {
    const uint8_t* p = data.data() + data.size() - kTrailingPaletteSize + 1;
    for (size_t i = 0; i < 256; ++i) palette[i] = {p[3 * i + 2], p[3 * i + 1], p[3 * i], 0};
  } else if (depth == 8) {
    for (uint32_t i = 0; i < 256; ++i) {
      const auto v = static_cast<uint8_t>(i);
      palette[i] = {v, v, v, 0};
    }
  } else if (!trueColour) {
    for (size_t i = 0; i < 16; ++i) {
      palette[i] = {headerPalette[3 * i + 2], headerPalette[3 * i + 1], headerPalette[3 * i], 0};
    }
  }
  if (hDpi > 0) image.SetXDpi(hDpi);
  if (vDpi > 0) image.SetYDpi(vDpi);

  const bool keepAlpha = trueColour && planes == 4 && image.KeepsAlpha();
  if (keepAlpha && !image.AddAlpha()) return false;
  RleReader reader(body, encoding == 1);
  std::vector<uint8_t> line(lineBytes);
  for (uint32_t fileRow = 0; fileRow < height; ++fileRow) {
    if (!reader.Fill(line.data(), line.size()))
      return Fail(image, UserText("PCX pixel data is truncated"));
    const uint32_t y = height - 1 - fileRow;
    uint8_t* out = image.GetBits(y);
    if (trueColour) {
      const uint8_t* red = line.data();
      const uint8_t* green = red + bytesPerLine;
      const uint8_t* blue = green + bytesPerLine;
      const uint8_t* alpha = planes == 4 ? blue + bytesPerLine : nullptr;
      uint8_t* keptAlpha = image.GetAlphaRow(y);
      for (uint32_t x = 0; x < width; ++x) {
        uint8_t* p = out + 3 * static_cast<size_t>(x);
        p[0] = blue[x];
        p[1] = green[x];
        p[2] = red[x];
        if (keptAlpha != nullptr) {
          keptAlpha[x] = alpha[x];
        } else if (alpha != nullptr) {
          for (int c = 0; c < 3; ++c) p[c] = CompositeOverWhite(p[c], alpha[x]);
        }
      }
    } else if (planes == 1 && bits == outBpp) {
      std::memcpy(out, line.data(), (static_cast<size_t>(width) * bits + 7) / 8);
    } else {
      for (uint32_t x = 0; x < width; ++x) {
        uint32_t index = 0;
        if (bits == 1) {
          for (uint32_t plane = 0; plane < planes; ++plane) {
            const uint8_t byte = line[plane * bytesPerLine + x / 8];
            index |= ((byte >> (7 - x % 8)) & 1u) << plane;
          }
        } else {
          index = (line[x / 4] >> (6 - 2 * (x % 4))) & 3u;
        }
        image.SetPixelIndex(x, y, static_cast<uint8_t>(index));
      }
    }
  }
  return true;
}

bool EncodePcx(RasterImage& image, std::vector<uint8_t>& out) {
  const uint32_t bpp = image.GetBpp();
  const uint32_t width = image.GetWidth();
  const uint32_t height = image.GetHeight();
  if (width > 0xFFFF || height > 0xFFFF) {
    image.SetLastError(UserText("Image too large for PCX"));
    return false;
  }
  const bool trueColour = bpp == 24;
  // Lines hold an even number of bytes.
  const uint32_t bytesPerLine = (width + 1) & ~1u;
  const auto palette = image.Palette();
  const auto dpi = [](int32_t v) { return static_cast<uint32_t>(std::clamp(v, 0, 0xFFFF)); };
  ByteWriter w(out);
  w.PutU8(kManufacturer);
  w.PutU8(5);
  w.PutU8(1);
  w.PutU8(8);
  w.PutU16(0);
  w.PutU16(0);
  w.PutU16(width - 1);
  w.PutU16(height - 1);
  w.PutU16(dpi(image.GetXDpi()));
  w.PutU16(dpi(image.GetYDpi()));
  for (size_t i = 0; i < 16; ++i) {
    const RgbQuad e = i < palette.size() ? palette[i] : RgbQuad{};
    w.PutU8(e.red);
    w.PutU8(e.green);
    w.PutU8(e.blue);
  }
  w.PutU8(0);
  w.PutU8(trueColour ? 3 : 1);
  w.PutU16(bytesPerLine);
  w.PutU16(1);  // colour palette
  out.resize(out.size() + (kHeaderSize - 70), 0);

  std::vector<uint8_t> line(bytesPerLine, 0);
  for (uint32_t fileRow = 0; fileRow < height; ++fileRow) {
    const uint32_t y = height - 1 - fileRow;
    const uint8_t* row = image.GetBits(y);
    if (trueColour) {
      for (int plane = 2; plane >= 0; --plane) {
        for (uint32_t x = 0; x < width; ++x) line[x] = row[3 * static_cast<size_t>(x) + plane];
        PutRun(out, line.data(), line.size());
      }
    } else {
      // 1- and 4-bit pictures are written as 8-bit ones with the same colours.
      for (uint32_t x = 0; x < width; ++x) line[x] = image.GetPixelIndex(x, y);
      PutRun(out, line.data(), line.size());
    }
  }
  if (!trueColour) {
    w.PutU8(kPaletteMarker);
    for (size_t i = 0; i < 256; ++i) {
      const RgbQuad e = i < palette.size() ? palette[i] : RgbQuad{};
      w.PutU8(e.red);
      w.PutU8(e.green);
      w.PutU8(e.blue);
    }
  }
  return true;
}

}  // namespace tavolo::codecs
