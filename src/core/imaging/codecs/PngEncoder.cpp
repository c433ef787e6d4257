// PNG writing. The chunks are simple enough to write directly, which lets libdeflate compress the
// rows in one go: a third quicker than zlib at the level used before, and files a tenth smaller.
#include <libdeflate.h>

#include <algorithm>
#include <memory>

#include "core/imaging/RasterImage.h"
#include "core/imaging/codecs/ChannelOrder.h"
#include "core/imaging/codecs/Codecs.h"
#include "core/imaging/codecs/MemoryStreams.h"
#include "core/storage/UserText.h"

namespace tavolo::codecs {

namespace {

constexpr uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr uint8_t kPaletteType = 3, kColourType = 2, kColourAlphaType = 6;
constexpr uint8_t kNoFilter = 0, kUpFilter = 2;
// A card is written in a few milliseconds: a fast level, and for colour the "up" filter alone,
// which suits pictures whose rows resemble the row above.
constexpr int kDeflateLevel = 2;
// Readers handle IDAT chunks of any length; a few megabytes each keeps them conventional.
constexpr size_t kMaxDataChunk = size_t{4} << 20;

void PutBigEndian(std::vector<uint8_t>& bytes, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8)
    bytes.push_back(static_cast<uint8_t>(value >> shift));
}

// Appends a chunk: length, type, data and the CRC of type and data. Throws when memory ran out.
void PutChunk(std::vector<uint8_t>& out, const char (&type)[5], std::span<const uint8_t> data) {
  PutBigEndian(out, static_cast<uint32_t>(data.size()));
  const size_t typeAt = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  PutBigEndian(out,
               static_cast<uint32_t>(libdeflate_crc32(0, out.data() + typeAt, 4 + data.size())));
}

// The alpha of each palette entry when every pixel of an entry has the same alpha, which a
// palette file can then hold; empty when they differ. Entries after the last not opaque one are
// left out.
std::vector<uint8_t> PaletteAlpha(const RasterImage& image) {
  std::vector<uint8_t> alpha(image.GetPaletteSize(), 255);
  std::vector<bool> seen(alpha.size(), false);
  for (uint32_t y = 0; y < image.GetHeight(); ++y) {
    const uint8_t* row = image.GetAlphaRow(y);
    for (uint32_t x = 0; x < image.GetWidth(); ++x) {
      const uint8_t index = image.GetPixelIndex(x, y);
      if (index >= alpha.size()) continue;
      if (seen[index] && alpha[index] != row[x]) return {};
      seen[index] = true;
      alpha[index] = row[x];
    }
  }
  while (!alpha.empty() && alpha.back() == 255) alpha.pop_back();
  return alpha;
}

// The rows, each behind its filter byte: colour as the difference from the row above, indices
// as they are.
std::vector<uint8_t> FilteredRows(const RasterImage& image, bool withAlpha, size_t rowBytes) {
  const bool up = withAlpha || image.GetBpp() == 24;
  const uint32_t height = image.GetHeight();
  std::vector<uint8_t> filtered((rowBytes + 1) * height);
  std::vector<uint8_t> above(up ? rowBytes : 0, 0), current(up ? rowBytes : 0);
  for (uint32_t y = 0; y < height; ++y) {
    uint8_t* line = filtered.data() + y * (rowBytes + 1);
    line[0] = up ? kUpFilter : kNoFilter;
    if (!up) {
      FileOrderRow(image, y, false, line + 1);
      continue;
    }
    FileOrderRow(image, y, withAlpha, current.data());
    for (size_t i = 0; i < rowBytes; ++i) line[1 + i] = static_cast<uint8_t>(current[i] - above[i]);
    above.swap(current);
  }
  return filtered;
}

struct CompressorDeleter {
  void operator()(libdeflate_compressor* compressor) const {
    libdeflate_free_compressor(compressor);
  }
};

// The zlib stream of `data`; empty when memory ran out.
std::vector<uint8_t> Deflate(std::span<const uint8_t> data) {
  const std::unique_ptr<libdeflate_compressor, CompressorDeleter> compressor(
      libdeflate_alloc_compressor(kDeflateLevel));
  if (!compressor) return {};
  std::vector<uint8_t> stream(libdeflate_zlib_compress_bound(compressor.get(), data.size()));
  stream.resize(libdeflate_zlib_compress(compressor.get(), data.data(), data.size(), stream.data(),
                                         stream.size()));
  return stream;
}

}  // namespace

bool EncodePng(RasterImage& image, std::vector<uint8_t>& out) {
  const uint32_t bpp = image.GetBpp();
  if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24) {
    image.SetLastError(UserText("PNG: unsupported bit depth"));
    return false;
  }
  OutputGuard guard(out);
  const uint32_t width = image.GetWidth();
  const uint32_t height = image.GetHeight();
  try {
    std::vector<uint8_t> paletteAlpha;
    if (image.HasAlpha() && bpp != 24) paletteAlpha = PaletteAlpha(image);
    // A picture with alpha that a palette file cannot hold is written as colour with alpha.
    const bool withAlpha = image.HasAlpha() && (bpp == 24 || paletteAlpha.empty());
    const size_t rowBytes = withAlpha   ? size_t{4} * width
                            : bpp == 24 ? size_t{3} * width
                                        : (static_cast<size_t>(width) * bpp + 7) / 8;
    const std::vector<uint8_t> stream = Deflate(FilteredRows(image, withAlpha, rowBytes));
    if (stream.empty()) throw std::bad_alloc();

    out.insert(out.end(), std::begin(kSignature), std::end(kSignature));
    std::vector<uint8_t> header;
    PutBigEndian(header, width);
    PutBigEndian(header, height);
    const uint8_t colourType = withAlpha   ? kColourAlphaType
                               : bpp == 24 ? kColourType
                                           : kPaletteType;
    header.insert(header.end(),
                  {static_cast<uint8_t>(bpp == 24 || withAlpha ? 8 : bpp), colourType, 0, 0, 0});
    PutChunk(out, "IHDR", header);
    if (colourType == kPaletteType) {
      std::vector<uint8_t> palette;
      for (const RgbQuad& c : image.Palette())
        palette.insert(palette.end(), {c.red, c.green, c.blue});
      PutChunk(out, "PLTE", palette);
      if (!paletteAlpha.empty()) PutChunk(out, "tRNS", paletteAlpha);
    }
    // A resolution given only one way is written for both.
    const int32_t x =
        image.GetXPelsPerMeter() > 0 ? image.GetXPelsPerMeter() : image.GetYPelsPerMeter();
    const int32_t y =
        image.GetYPelsPerMeter() > 0 ? image.GetYPelsPerMeter() : image.GetXPelsPerMeter();
    if (x > 0 && y > 0) {
      std::vector<uint8_t> resolution;
      PutBigEndian(resolution, static_cast<uint32_t>(x));
      PutBigEndian(resolution, static_cast<uint32_t>(y));
      resolution.push_back(1);  // per metre
      PutChunk(out, "pHYs", resolution);
    }
    for (size_t at = 0; at < stream.size(); at += kMaxDataChunk) {
      PutChunk(out, "IDAT",
               std::span(stream).subspan(at, std::min(kMaxDataChunk, stream.size() - at)));
    }
    PutChunk(out, "IEND", {});
  } catch (const std::bad_alloc&) {
    image.SetLastError(UserText("PNG: out of memory"));
    return false;
  }
  guard.Commit();
  return true;
}

}  // namespace tavolo::codecs
