// Reading TIFF through libtiff. The common layouts (grey, palette and RGB with 8 or 16 bits,
// contiguous samples) are unpacked here so that grey and palette pictures stay palettised;
// everything else goes through libtiff's RGBA reader.
#include <tiffio.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/imaging/PictureShrink.h"
#include "core/imaging/RasterImage.h"
#include "core/imaging/codecs/ChannelOrder.h"
#include "core/imaging/codecs/Codecs.h"
#include "core/imaging/codecs/GreyRamp.h"
#include "core/imaging/codecs/TiffStream.h"
#include "core/storage/UserText.h"

namespace tavolo::codecs {

namespace {

// The first directory's layout, as far as decoding needs it.
struct TiffLayout {
  uint32_t width = 0;
  uint32_t height = 0;
  uint16_t bitsPerSample = 1;
  uint16_t samplesPerPixel = 1;
  uint16_t photometric = 0;
  uint16_t planar = PLANARCONFIG_CONTIG;
  uint16_t sampleFormat = SAMPLEFORMAT_UINT;
  uint16_t alpha = EXTRASAMPLE_UNSPECIFIED;  // kind of the first extra sample, if any
  bool hasAlpha = false;
  uint16_t* red = nullptr;
  uint16_t* green = nullptr;
  uint16_t* blue = nullptr;
};

bool ReadLayout(TIFF* tif, TiffLayout& layout) {
  if (!TIFFGetField(tif, TIFFTAG_IMAGEWIDTH, &layout.width) ||
      !TIFFGetField(tif, TIFFTAG_IMAGELENGTH, &layout.height) ||
      !TIFFGetField(tif, TIFFTAG_PHOTOMETRIC, &layout.photometric)) {
    return false;
  }
  TIFFGetFieldDefaulted(tif, TIFFTAG_BITSPERSAMPLE, &layout.bitsPerSample);
  TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLESPERPIXEL, &layout.samplesPerPixel);
  TIFFGetFieldDefaulted(tif, TIFFTAG_PLANARCONFIG, &layout.planar);
  TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLEFORMAT, &layout.sampleFormat);
  uint16_t extraCount = 0;
  uint16_t* extraKinds = nullptr;
  if (TIFFGetField(tif, TIFFTAG_EXTRASAMPLES, &extraCount, &extraKinds) && extraCount > 0) {
    layout.alpha = extraKinds[0];
    layout.hasAlpha =
        layout.alpha == EXTRASAMPLE_ASSOCALPHA || layout.alpha == EXTRASAMPLE_UNASSALPHA;
  } else if (layout.photometric == PHOTOMETRIC_RGB && layout.samplesPerPixel == 4) {
    // Four samples with no word on the fourth: libtiff and others take it as premultiplied.
    layout.alpha = EXTRASAMPLE_ASSOCALPHA;
    layout.hasAlpha = true;
  }
  if (layout.photometric == PHOTOMETRIC_PALETTE) {
    TIFFGetField(tif, TIFFTAG_COLORMAP, &layout.red, &layout.green, &layout.blue);
  }
  return true;
}

enum class TiffKind { kGrey, kPalette, kRgb, kOther };

TiffKind Classify(const TiffLayout& l) {
  const bool contiguous = l.planar == PLANARCONFIG_CONTIG || l.samplesPerPixel == 1;
  if (!contiguous || l.sampleFormat != SAMPLEFORMAT_UINT) return TiffKind::kOther;
  const bool wide = l.bitsPerSample == 8 || l.bitsPerSample == 16;
  switch (l.photometric) {
    case PHOTOMETRIC_MINISBLACK:
    case PHOTOMETRIC_MINISWHITE:
      if (l.samplesPerPixel == 1 &&
          (l.bitsPerSample == 1 || l.bitsPerSample == 2 || l.bitsPerSample == 4 || wide)) {
        return TiffKind::kGrey;
      }
      return l.samplesPerPixel == 2 && wide ? TiffKind::kGrey : TiffKind::kOther;
    case PHOTOMETRIC_PALETTE:
      return l.samplesPerPixel == 1 && l.red != nullptr &&
                     (l.bitsPerSample == 1 || l.bitsPerSample == 2 || l.bitsPerSample == 4 ||
                      l.bitsPerSample == 8)
                 ? TiffKind::kPalette
                 : TiffKind::kOther;
    case PHOTOMETRIC_RGB:
      return l.samplesPerPixel >= 3 && wide ? TiffKind::kRgb : TiffKind::kOther;
    default:
      return TiffKind::kOther;
  }
}

// Composites a sample over white; premultiplied samples already hold colour × alpha.
inline uint8_t OverWhite(uint8_t colour, uint8_t alpha, bool premultiplied) {
  if (!premultiplied) return CompositeOverWhite(colour, alpha);
  return static_cast<uint8_t>(std::min(255, colour + 255 - alpha));
}

// A sample as the image keeps it beside its alpha: premultiplied samples are divided by alpha.
inline uint8_t Straight(uint8_t colour, uint8_t alpha, bool premultiplied) {
  if (!premultiplied || alpha == 255) return colour;
  if (alpha == 0) return 0;
  return static_cast<uint8_t>(std::min(255, (colour * 255 + alpha / 2) / alpha));
}

// Either of the two above, by whether the image keeps alpha in `alphaRow`.
inline uint8_t Place(uint8_t colour, uint8_t alpha, bool premultiplied, const uint8_t* alphaRow) {
  return alphaRow != nullptr ? Straight(colour, alpha, premultiplied)
                             : OverWhite(colour, alpha, premultiplied);
}

// Turns decoded rows of the common layouts into the image's rows.
class TiffRowConverter {
 public:
  TiffRowConverter(const TiffLayout& layout, TiffKind kind, RasterImage& image)
      : l_(layout), kind_(kind), image_(image) {}

  void Convert(const uint8_t* src, uint32_t y) {
    const uint32_t storageRow = l_.height - 1 - y;
    uint8_t* dst = image_.GetBits(storageRow);
    const uint32_t bits = l_.bitsPerSample;
    if (kind_ == TiffKind::kPalette || (kind_ == TiffKind::kGrey && bits == 1)) {
      if (bits == 2) {
        for (uint32_t x = 0; x < l_.width; ++x) image_.SetPixelIndex(x, storageRow, Packed(src, x));
      } else {
        std::memcpy(dst, src, (static_cast<size_t>(l_.width) * bits + 7) / 8);
      }
      return;
    }
    const bool premultiplied = l_.alpha == EXTRASAMPLE_ASSOCALPHA;
    const size_t spp = l_.samplesPerPixel;
    uint8_t* alphaRow = image_.GetAlphaRow(storageRow);
    if (kind_ == TiffKind::kGrey) {
      const bool inverted = l_.photometric == PHOTOMETRIC_MINISWHITE;
      for (uint32_t x = 0; x < l_.width; ++x) {
        uint8_t level;
        if (bits < 8) {
          level = static_cast<uint8_t>(Packed(src, x) * 255 / ((1u << bits) - 1));
          if (inverted) level = 255 - level;
        } else {
          level = Sample(src, x * spp, inverted);
        }
        if (spp == 2 && l_.hasAlpha) {
          const uint8_t alpha = Sample(src, x * 2 + 1);
          level = Place(level, alpha, premultiplied, alphaRow);
          if (alphaRow != nullptr) alphaRow[x] = alpha;
        }
        dst[x] = level;
      }
      return;
    }
    if (bits == 8 && spp == 3) {
      CopyReversingTriples(src, dst, l_.width);
      return;
    }
    for (uint32_t x = 0; x < l_.width; ++x) {
      const size_t s = x * spp;
      uint8_t* d = dst + 3 * static_cast<size_t>(x);
      d[0] = Sample(src, s + 2);
      d[1] = Sample(src, s + 1);
      d[2] = Sample(src, s);
      if (l_.hasAlpha && spp >= 4) {
        const uint8_t alpha = Sample(src, s + 3);
        for (int c = 0; c < 3; ++c) d[c] = Place(d[c], alpha, premultiplied, alphaRow);
        if (alphaRow != nullptr) alphaRow[x] = alpha;
      }
    }
  }

 private:
  // A sample of 1, 2 or 4 bits, packed from the high bit down.
  uint8_t Packed(const uint8_t* src, uint32_t x) const {
    const uint32_t bits = l_.bitsPerSample;
    const uint32_t bit = x * bits;
    return static_cast<uint8_t>((src[bit / 8] >> (8 - bits - bit % 8)) & ((1u << bits) - 1));
  }
  // An 8- or 16-bit sample scaled to 8 bits; libtiff hands 16-bit samples over in host order.
  uint8_t Sample(const uint8_t* src, size_t index, bool inverted = false) const {
    if (l_.bitsPerSample == 8) return inverted ? 255 - src[index] : src[index];
    uint16_t value;
    std::memcpy(&value, src + 2 * index, sizeof value);
    if (inverted) value = 65535 - value;
    return static_cast<uint8_t>((value + 128u) / 257u);
  }

  const TiffLayout& l_;
  TiffKind kind_;
  RasterImage& image_;
};

bool CreateTiffImage(const TiffLayout& l, TiffKind kind, RasterImage& image) {
  uint32_t bpp = 24;
  if (kind == TiffKind::kPalette) {
    bpp = l.bitsPerSample == 1 ? 1 : l.bitsPerSample <= 4 ? 4 : 8;
  } else if (kind == TiffKind::kGrey) {
    bpp = l.bitsPerSample == 1 && l.samplesPerPixel == 1 ? 1 : 8;
  }
  if (!CheckImageSize(l.width, l.height, bpp, image)) return false;
  if (!image.Create(l.width, l.height, bpp, kFormatTiff)) return false;
  const bool alphaSample =
      l.hasAlpha && (kind == TiffKind::kRgb ? l.samplesPerPixel >= 4 : l.samplesPerPixel == 2);
  if (alphaSample && image.KeepsAlpha() && !image.AddAlpha()) return false;
  if (kind == TiffKind::kGrey) {
    SetGreyRamp(image);
    if (bpp == 1 && l.photometric == PHOTOMETRIC_MINISWHITE) {
      image.Palette()[0] = {255, 255, 255, 0};
      image.Palette()[1] = {0, 0, 0, 0};
    }
  } else if (kind == TiffKind::kPalette) {
    const size_t count = std::min<size_t>(size_t{1} << l.bitsPerSample, image.GetPaletteSize());
    // Old writers stored 8-bit colour maps; a map with no entry above 255 is one of those.
    bool eightBit = true;
    for (size_t i = 0; i < count; ++i) {
      if (l.red[i] > 255 || l.green[i] > 255 || l.blue[i] > 255) eightBit = false;
    }
    const auto scale = [eightBit](uint16_t v) {
      return static_cast<uint8_t>(eightBit ? v : (v + 128u) / 257u);
    };
    auto palette = image.Palette();
    for (size_t i = 0; i < count; ++i) {
      palette[i] = {scale(l.blue[i]), scale(l.green[i]), scale(l.red[i]), 0};
    }
  }
  return true;
}

// The bytes of one decoded row as libtiff gives it; 0 (with the message) when that is too few
// for the picture's width (a picture always has at least one byte a row).
uint64_t ScanlineSize(TIFF* tif, const TiffLayout& l, RasterImage& image) {
  const uint64_t scanline = TIFFScanlineSize64(tif);
  const uint64_t needed =
      (static_cast<uint64_t>(l.width) * l.samplesPerPixel * l.bitsPerSample + 7) / 8;
  if (scanline < needed) {
    image.SetLastError(UserText("TIFF: scanline size does not match the image width"));
    return 0;
  }
  return scanline;
}

// The decoded rows of a picture, top to bottom, as libtiff gives them: scanline by scanline for
// a picture in strips, a row of tiles at a time for a tiled one, so that at most one row of
// tiles is held.
class TiffRows {
 public:
  // On failure Ok() is false and the reason is in `image`.
  TiffRows(TIFF* tif, const TiffLayout& l, RasterImage& image) : tif_(tif), l_(l) {
    scanline_ = ScanlineSize(tif, l, image);
    if (scanline_ == 0) return;
    try {
      if (!TIFFIsTiled(tif)) {
        rows_.resize(scanline_);
        ok_ = true;
        return;
      }
      TIFFGetField(tif, TIFFTAG_TILEWIDTH, &tileWidth_);
      TIFFGetField(tif, TIFFTAG_TILELENGTH, &tileHeight_);
      tileRow_ = TIFFTileRowSize64(tif);
      const uint64_t tileSize = TIFFTileSize64(tif);
      if (tileWidth_ == 0 || tileHeight_ == 0 || tileRow_ == 0 ||
          tileSize < tileRow_ * tileHeight_ || scanline_ * tileHeight_ > (uint64_t{1} << 31)) {
        image.SetLastError(UserText("TIFF: bad tile size"));
        return;
      }
      tile_.resize(tileSize);
      rows_.resize(scanline_ * tileHeight_);
      ok_ = true;
    } catch (const std::bad_alloc&) {
      image.SetLastError(UserText("RasterImage::Create can't allocate memory"));
    }
  }

  bool Ok() const { return ok_; }

  // Row y of the picture, or nullptr when libtiff cannot read it.
  const uint8_t* Row(uint32_t y) {
    if (tile_.empty()) {
      return TIFFReadScanline(tif_, rows_.data(), y, 0) < 0 ? nullptr : rows_.data();
    }
    const uint32_t top = y / tileHeight_ * tileHeight_;
    if (!loaded_ || top != loadedTop_) {
      loaded_ = false;
      if (!LoadTileRow(top)) return nullptr;
      loaded_ = true;
      loadedTop_ = top;
    }
    return rows_.data() + (y - top) * scanline_;
  }

 private:
  bool LoadTileRow(uint32_t top) {
    const uint32_t rows = std::min(tileHeight_, l_.height - top);
    for (uint32_t x0 = 0; x0 < l_.width; x0 += tileWidth_) {
      if (TIFFReadTile(tif_, tile_.data(), x0, top, 0, 0) < 0) return false;
      // No tile splits a byte (checked before), so each one starts on a whole byte.
      const uint64_t offset = static_cast<uint64_t>(x0) * l_.samplesPerPixel * l_.bitsPerSample / 8;
      const uint64_t bytes = std::min(tileRow_, scanline_ - offset);
      for (uint32_t r = 0; r < rows; ++r) {
        std::memcpy(rows_.data() + r * scanline_ + offset, tile_.data() + r * tileRow_, bytes);
      }
    }
    return true;
  }

  TIFF* tif_;
  const TiffLayout& l_;
  uint64_t scanline_ = 0;
  uint32_t tileWidth_ = 0;
  uint32_t tileHeight_ = 0;
  uint64_t tileRow_ = 0;
  std::vector<uint8_t> tile_;
  std::vector<uint8_t> rows_;
  bool loaded_ = false;
  uint32_t loadedTop_ = 0;
  bool ok_ = false;
};

// Rows first … first + l.height − 1 of the picture into `image`, which is l.height rows high.
bool ReadRows(TiffRows& rows, const TiffLayout& l, TiffKind kind, uint32_t first,
              RasterImage& image) {
  TiffRowConverter converter(l, kind, image);
  for (uint32_t y = 0; y < l.height; ++y) {
    const uint8_t* row = rows.Row(first + y);
    if (row == nullptr) return false;
    converter.Convert(row, y);
  }
  return true;
}

// Any other layout libtiff understands, through its RGBA reader (premultiplied, bottom row first).
bool ReadThroughRgba(TIFF* tif, const TiffLayout& l, RasterImage& image) {
  char message[1024] = {};
  if (!TIFFRGBAImageOK(tif, message)) {
    image.SetLastError(message);
    return false;
  }
  if (!CheckImageSize(l.width, l.height, 24, image)) return false;
  std::vector<uint32_t> raster;
  try {
    raster.resize(static_cast<size_t>(l.width) * l.height);
  } catch (const std::bad_alloc&) {
    image.SetLastError(UserText("RasterImage::Create can't allocate memory"));
    return false;
  }
  if (!TIFFReadRGBAImageOriented(tif, l.width, l.height, raster.data(), ORIENTATION_BOTLEFT, 1)) {
    return false;
  }
  if (!image.Create(l.width, l.height, 24, kFormatTiff)) return false;
  if (image.KeepsAlpha() && l.hasAlpha && !image.AddAlpha()) return false;
  for (uint32_t y = 0; y < l.height; ++y) {
    uint8_t* dst = image.GetBits(y);
    uint8_t* alphaRow = image.GetAlphaRow(y);
    const uint32_t* src = raster.data() + static_cast<size_t>(y) * l.width;
    for (uint32_t x = 0; x < l.width; ++x) {
      const auto alpha = static_cast<uint8_t>(TIFFGetA(src[x]));
      dst[3 * x] = Place(static_cast<uint8_t>(TIFFGetB(src[x])), alpha, true, alphaRow);
      dst[3 * x + 1] = Place(static_cast<uint8_t>(TIFFGetG(src[x])), alpha, true, alphaRow);
      dst[3 * x + 2] = Place(static_cast<uint8_t>(TIFFGetR(src[x])), alpha, true, alphaRow);
      if (alphaRow != nullptr) alphaRow[x] = alpha;
    }
  }
  return true;
}

int32_t ResolutionToPelsPerMeter(float resolution, uint16_t unit) {
  if (!std::isfinite(resolution) || resolution <= 0 || resolution > 1e6f) return 0;
  const double perMetre = unit == RESUNIT_CENTIMETER ? 100.0 : 39.37007874015748;
  return static_cast<int32_t>(resolution * perMetre + 0.5);
}

void ReadResolution(TIFF* tif, RasterImage& image) {
  uint16_t unit = RESUNIT_INCH;
  TIFFGetFieldDefaulted(tif, TIFFTAG_RESOLUTIONUNIT, &unit);
  if (unit != RESUNIT_INCH && unit != RESUNIT_CENTIMETER) return;
  float x = 0;
  float y = 0;
  if (TIFFGetField(tif, TIFFTAG_XRESOLUTION, &x) && TIFFGetField(tif, TIFFTAG_YRESOLUTION, &y)) {
    image.SetXPelsPerMeter(ResolutionToPelsPerMeter(x, unit));
    image.SetYPelsPerMeter(ResolutionToPelsPerMeter(y, unit));
  }
}

// Tiles are multiples of 16 pixels a side, so one may overhang the picture up to the next
// multiple of 16; writers often pick their tile size before they look at the picture, so tiles
// of up to this many pixels a side are taken whatever the picture's size. Anything bigger would
// cost memory for pixels that do not exist.
constexpr uint64_t kAnyTileSide = 1024;

bool TilesFit(TIFF* tif, const TiffLayout& l) {
  if (!TIFFIsTiled(tif)) return true;
  uint32_t tileWidth = 0;
  uint32_t tileHeight = 0;
  TIFFGetField(tif, TIFFTAG_TILEWIDTH, &tileWidth);
  TIFFGetField(tif, TIFFTAG_TILELENGTH, &tileHeight);
  const auto allowed = [](uint32_t side) {
    return std::max((static_cast<uint64_t>(side) + 15) / 16 * 16, kAnyTileSide);
  };
  return tileWidth <= allowed(l.width) && tileHeight <= allowed(l.height);
}

bool DecodeFirstDirectory(TIFF* tif, RasterImage& image) {
  TiffLayout layout;
  if (!ReadLayout(tif, layout)) return false;
  if (!TilesFit(tif, layout)) {
    image.SetLastError(UserText("TIFF: a tile is larger than the picture needs"));
    return false;
  }
  TiffKind kind = Classify(layout);
  // Tiles are copied into rows by whole bytes; a non-standard tile width that splits a byte
  // is left to libtiff's own reader.
  uint32_t tileWidth = 0;
  if (TIFFIsTiled(tif) && TIFFGetField(tif, TIFFTAG_TILEWIDTH, &tileWidth) &&
      static_cast<uint64_t>(tileWidth) * layout.samplesPerPixel * layout.bitsPerSample % 8 != 0) {
    kind = TiffKind::kOther;
  }
  // A picture that will only be shown smaller is shrunk band by band as its rows are read, so
  // that it is never held whole; the other layouts are read whole.
  const uint64_t budget = image.GetDecodePixelBudget();
  const uint32_t factor = budget > 0 && kind != TiffKind::kOther
                              ? ShrinkFactorWithin(layout.width, layout.height, budget)
                              : 1;
  if (kind == TiffKind::kOther) {
    if (!ReadThroughRgba(tif, layout, image)) return false;
  } else if (factor > 1) {
    // The file's own size is held to the limit all the same.
    if (!CheckImageSize(layout.width, layout.height, 8, image)) return false;
    TiffLayout shrunk = layout;
    shrunk.width = ShrunkLength(layout.width, factor);
    shrunk.height = ShrunkLength(layout.height, factor);
    if (!CreateTiffImage(shrunk, kind, image)) return false;
    image.SetDecodeShrink(factor, layout.width, layout.height);
    TiffRows rows(tif, layout, image);
    if (!rows.Ok()) return false;
    TiffLayout bandLayout = layout;
    const bool read = ShrinkByBands(layout.height, factor, image,
                                    [&](RasterImage& band, uint32_t first, uint32_t count) {
                                      if (band.GetHeight() != count) {
                                        bandLayout.height = count;
                                        if (!CreateTiffImage(bandLayout, kind, band)) return false;
                                      }
                                      return ReadRows(rows, bandLayout, kind, first, band);
                                    });
    if (!read) return false;
  } else {
    if (!CreateTiffImage(layout, kind, image)) return false;
    TiffRows rows(tif, layout, image);
    if (!rows.Ok() || !ReadRows(rows, layout, kind, 0, image)) return false;
  }
  ReadResolution(tif, image);
  return true;
}

}  // namespace

bool DecodeTiff(std::span<const uint8_t> data, RasterImage& image) {
  const bool little = data.size() >= 4 && data[0] == 'I' && data[1] == 'I' && data[3] == 0 &&
                      (data[2] == 42 || data[2] == 43);
  const bool big = data.size() >= 4 && data[0] == 'M' && data[1] == 'M' && data[2] == 0 &&
                   (data[3] == 42 || data[3] == 43);
  if (!little && !big) {
    image.SetLastError(UserText("Not a TIFF"));
    return false;
  }
  TiffStream stream;
  stream.input = data;
  image.SetLastError("");
  const TiffHandle tif = OpenTiff(stream, "rm");
  bool ok = tif != nullptr && DecodeFirstDirectory(tif.get(), image);
  // libtiff can report a damaged strip and still return success for it.
  if (!stream.error.Empty()) ok = false;
  if (!ok) {
    // libtiff's error first, then our own, then a warning that may explain the failure.
    if (!stream.error.Empty()) {
      image.SetLastError(stream.error.text);
    } else if (image.GetLastError().empty()) {
      image.SetLastError(stream.warning.Empty() ? UserText("TIFF: can't read the image")
                                                : stream.warning.text);
    }
    return false;
  }
  if (!stream.warning.Empty()) image.SetLastError(stream.warning.text);
  return true;
}

}  // namespace tavolo::codecs
