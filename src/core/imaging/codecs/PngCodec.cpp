// PNG reading through libpng. libpng reports errors by longjmp, so every call that can fail runs in
// a small function of its own that holds setjmp and nothing with a destructor; the structures and
// buffers are owned by the callers.
#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstring>
#include <limits>
#include <memory>

#include "core/imaging/PictureShrink.h"
#include "core/imaging/RasterImage.h"
#include "core/imaging/codecs/ChannelOrder.h"
#include "core/imaging/codecs/Codecs.h"
#include "core/imaging/codecs/GreyRamp.h"
#include "core/imaging/codecs/MemoryStreams.h"
#include "core/storage/UserText.h"

namespace tavolo::codecs {

namespace {

constexpr uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
// Ancillary chunks (text, ICC profiles) larger than this are refused rather than buffered.
constexpr png_alloc_size_t kMaxChunkBytes = 16u * 1024 * 1024;
// Known ancillary chunks the decoder has no use for, five bytes each.
constexpr png_byte kIgnoredChunks[] =
    "bKGD\0cHRM\0eXIf\0gAMA\0hIST\0iCCP\0iTXt\0oFFs\0pCAL\0sBIT\0sCAL\0sPLT\0sRGB\0tEXt\0"
    "tIME\0zTXt";
// Deflate never expands data more than 1032 times, so a file this much smaller than its pixels
// is cut short or lying about its size; it is refused before the image is allocated.
constexpr uint64_t kMaxDeflateRatio = 1032;

// What libpng's callbacks reach through their user pointers.
struct PngContext {
  ByteSource* source = nullptr;
  MessageBuffer message;
};

void OnPngError(png_structp png, png_const_charp text) {
  static_cast<PngContext*>(png_get_error_ptr(png))->message.Set(text);
  png_longjmp(png, 1);
}

void OnPngWarning(png_structp png, png_const_charp text) {
  static_cast<PngContext*>(png_get_error_ptr(png))->message.Set(text);
}

void ReadPngBytes(png_structp png, png_bytep destination, size_t count) {
  if (!static_cast<PngContext*>(png_get_io_ptr(png))->source->Read(destination, count)) {
    png_error(png, UserText("Read Error: the PNG data ends too early"));
  }
}

struct PngReadDeleter {
  png_infop info = nullptr;
  void operator()(png_struct* png) { png_destroy_read_struct(&png, &info, nullptr); }
};

struct PngHeader {
  png_uint_32 width = 0;
  png_uint_32 height = 0;
  int bitDepth = 0;
  int colourType = 0;
  int interlace = 0;
  png_colorp palette = nullptr;
  int paletteSize = 0;
  png_bytep transparency = nullptr;
  int transparencySize = 0;
  png_color_16p transparentColour = nullptr;
  png_uint_32 resolutionX = 0;
  png_uint_32 resolutionY = 0;
  int resolutionUnit = -1;
};

bool ReadPngHeader(png_structp png, png_infop info, PngHeader* header) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_read_info(png, info);
  png_get_IHDR(png, info, &header->width, &header->height, &header->bitDepth, &header->colourType,
               &header->interlace, nullptr, nullptr);
  if (png_get_valid(png, info, PNG_INFO_PLTE)) {
    png_get_PLTE(png, info, &header->palette, &header->paletteSize);
  }
  if (png_get_valid(png, info, PNG_INFO_tRNS)) {
    png_get_tRNS(png, info, &header->transparency, &header->transparencySize,
                 &header->transparentColour);
  }
  if (png_get_valid(png, info, PNG_INFO_pHYs)) {
    png_get_pHYs(png, info, &header->resolutionX, &header->resolutionY, &header->resolutionUnit);
  }
  return true;
}

// With `combinePasses` false, an interlaced picture's rows come pass by pass, each holding only
// that pass's pixels.
bool StartPngRows(png_structp png, png_infop info, bool unpack, bool combinePasses,
                  size_t* rowBytes) {
  if (setjmp(png_jmpbuf(png))) return false;
  if (unpack) png_set_packing(png);
  if (combinePasses) png_set_interlace_handling(png);
  png_read_update_info(png, info);
  *rowBytes = png_get_rowbytes(png, info);
  return true;
}

bool ReadPngImage(png_structp png, png_bytepp rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_read_image(png, rows);
  return true;
}

bool ReadPngRow(png_structp png, png_bytep row) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_read_row(png, row, nullptr);
  return true;
}

// One sample of a decoded row, scaled to 8 bits: 16-bit samples are stored big-endian.
inline uint8_t Sample8(const uint8_t* row, size_t index, bool wide) {
  if (!wide) return row[index];
  const unsigned value = (row[2 * index] << 8) | row[2 * index + 1];
  return static_cast<uint8_t>((value + 128) / 257);
}

inline unsigned SampleRaw(const uint8_t* row, size_t index, bool wide) {
  return wide ? (row[2 * index] << 8) | row[2 * index + 1] : row[index];
}

// Whether the file says anything about transparency.
bool HasTransparency(const PngHeader& h) {
  return (h.colourType & PNG_COLOR_MASK_ALPHA) != 0 || h.transparency != nullptr ||
         h.transparentColour != nullptr;
}

// Fills one row of the image from a row decoded with packing applied to 2-bit palettes and 2-, 4-
// and 8-bit grey, left packed for 1- and 4-bit palettes and 1-bit grey. With an alpha channel the
// colours are kept as they are and the row's alpha is filled; without, alpha is composited over
// white (palette and grey-ramp entries were whitened already).
void ConvertPngRow(const PngHeader& h, const uint8_t* src, uint32_t y, RasterImage& image) {
  const bool wide = h.bitDepth == 16;
  const uint32_t width = h.width;
  const uint32_t storageRow = h.height - 1 - y;
  uint8_t* dst = image.GetBits(storageRow);
  uint8_t* alpha = image.GetAlphaRow(storageRow);
  switch (h.colourType) {
    case PNG_COLOR_TYPE_PALETTE:
      if (h.bitDepth == 2) {
        for (uint32_t x = 0; x < width; ++x) image.SetPixelIndex(x, storageRow, src[x]);
      } else {
        std::memcpy(dst, src, (static_cast<size_t>(width) * h.bitDepth + 7) / 8);
      }
      if (alpha != nullptr) {
        for (uint32_t x = 0; x < width; ++x) {
          const uint8_t index = image.GetPixelIndex(x, storageRow);
          alpha[x] = index < h.transparencySize ? h.transparency[index] : 255;
        }
      }
      break;
    case PNG_COLOR_TYPE_GRAY:
      if (h.bitDepth == 1) {
        std::memcpy(dst, src, (width + 7) / 8);
      } else if (wide) {
        const bool keyed = h.transparentColour != nullptr;
        for (uint32_t x = 0; x < width; ++x) {
          const bool clear = keyed && SampleRaw(src, x, true) == h.transparentColour->gray;
          dst[x] = clear && alpha == nullptr ? 255 : Sample8(src, x, true);
          if (alpha != nullptr) alpha[x] = clear ? 0 : 255;
        }
      } else {
        const unsigned top = (1u << h.bitDepth) - 1;
        for (uint32_t x = 0; x < width; ++x) dst[x] = static_cast<uint8_t>(src[x] * 255 / top);
      }
      if (alpha != nullptr && !wide && h.transparentColour != nullptr) {
        for (uint32_t x = 0; x < width; ++x) {
          const unsigned level = h.bitDepth == 1 ? image.GetPixelIndex(x, storageRow) : src[x];
          alpha[x] = level == h.transparentColour->gray ? 0 : 255;
        }
      }
      break;
    case PNG_COLOR_TYPE_GRAY_ALPHA:
      for (uint32_t x = 0; x < width; ++x) {
        const uint8_t level = Sample8(src, 2 * x, wide);
        const uint8_t coverage = Sample8(src, 2 * x + 1, wide);
        dst[x] = alpha != nullptr ? level : CompositeOverWhite(level, coverage);
        if (alpha != nullptr) alpha[x] = coverage;
      }
      break;
    case PNG_COLOR_TYPE_RGB: {
      const png_color_16p key = h.transparentColour;
      if (!wide && key == nullptr) {
        CopyReversingTriples(src, dst, width);
        break;
      }
      for (uint32_t x = 0; x < width; ++x) {
        const size_t i = 3 * static_cast<size_t>(x);
        const bool clear = key != nullptr && SampleRaw(src, i, wide) == key->red &&
                           SampleRaw(src, i + 1, wide) == key->green &&
                           SampleRaw(src, i + 2, wide) == key->blue;
        if (alpha != nullptr) alpha[x] = clear ? 0 : 255;
        if (clear && alpha == nullptr) {
          dst[i] = dst[i + 1] = dst[i + 2] = 255;
          continue;
        }
        dst[i] = Sample8(src, i + 2, wide);
        dst[i + 1] = Sample8(src, i + 1, wide);
        dst[i + 2] = Sample8(src, i, wide);
      }
      break;
    }
    case PNG_COLOR_TYPE_RGB_ALPHA:
      for (uint32_t x = 0; x < width; ++x) {
        const size_t s = 4 * static_cast<size_t>(x);
        const size_t d = 3 * static_cast<size_t>(x);
        const uint8_t coverage = Sample8(src, s + 3, wide);
        const uint8_t over = alpha != nullptr ? 255 : coverage;
        dst[d] = CompositeOverWhite(Sample8(src, s + 2, wide), over);
        dst[d + 1] = CompositeOverWhite(Sample8(src, s + 1, wide), over);
        dst[d + 2] = CompositeOverWhite(Sample8(src, s, wide), over);
        if (alpha != nullptr) alpha[x] = coverage;
      }
      break;
  }
}

// Creates the image for the decoded colour type, with its palette, and an alpha channel when the
// image keeps alpha and the file has any; without one, transparency is composited into the
// palette entries, or into the ramp entry of the transparent grey level.
bool CreatePngImage(const PngHeader& h, RasterImage& image) {
  uint32_t bpp = 8;
  if (h.colourType == PNG_COLOR_TYPE_PALETTE) {
    bpp = h.bitDepth == 1 ? 1 : h.bitDepth <= 4 ? 4 : 8;
  } else if (h.colourType == PNG_COLOR_TYPE_GRAY) {
    bpp = h.bitDepth == 1 ? 1 : 8;
  } else if (h.colourType == PNG_COLOR_TYPE_RGB || h.colourType == PNG_COLOR_TYPE_RGB_ALPHA) {
    bpp = 24;
  }
  if (!CheckImageSize(h.width, h.height, bpp, image)) return false;
  if (!image.Create(h.width, h.height, bpp, kFormatPng)) return false;
  const bool keepAlpha = image.KeepsAlpha() && HasTransparency(h);
  if (keepAlpha && !image.AddAlpha()) return false;
  if (h.colourType == PNG_COLOR_TYPE_PALETTE) {
    auto palette = image.Palette();
    const size_t count = std::min<size_t>(palette.size(), h.palette ? h.paletteSize : 0);
    for (size_t i = 0; i < count; ++i) {
      const png_color& c = h.palette[i];
      const uint8_t alpha =
          !keepAlpha && i < static_cast<size_t>(h.transparencySize) && h.transparency
              ? h.transparency[i]
              : 255;
      palette[i] = {CompositeOverWhite(c.blue, alpha), CompositeOverWhite(c.green, alpha),
                    CompositeOverWhite(c.red, alpha), 0};
    }
  } else if (bpp != 24) {
    SetGreyRamp(image);
    if (h.colourType == PNG_COLOR_TYPE_GRAY && h.bitDepth < 16 && h.transparentColour &&
        !keepAlpha) {
      const unsigned top = (1u << h.bitDepth) - 1;
      const unsigned level = h.transparentColour->gray;
      if (level <= top) {
        const size_t index = h.bitDepth == 1 ? level : level * 255 / top;
        image.Palette()[index] = {255, 255, 255, 0};
      }
    }
  }
  if (h.resolutionUnit == PNG_RESOLUTION_METER) {
    constexpr png_uint_32 kMax = std::numeric_limits<int32_t>::max();
    image.SetXPelsPerMeter(static_cast<int32_t>(std::min(h.resolutionX, kMax)));
    image.SetYPelsPerMeter(static_cast<int32_t>(std::min(h.resolutionY, kMax)));
  }
  return true;
}

// Reads the rows of `h` into `image`, which is 1/factor of the file's size, a band at a time.
bool ReadShrunkPngRows(png_structp png, const PngHeader& h, uint32_t factor, uint8_t* pixels,
                       RasterImage& image) {
  PngHeader bandHeader = h;
  return ShrinkByBands(h.height, factor, image, [&](RasterImage& band, uint32_t, uint32_t rows) {
    if (band.GetHeight() != rows) {
      bandHeader.height = rows;
      if (!CreatePngImage(bandHeader, band)) return false;
    }
    for (uint32_t r = 0; r < rows; ++r) {
      if (!ReadPngRow(png, pixels)) return false;
      ConvertPngRow(bandHeader, pixels, r, band);
    }
    return true;
  });
}

// Reads an interlaced picture's seven passes into `image`, which is 1/factor of the file's size:
// each pass's rows are spread over the blocks they belong to, and the file is never held whole.
bool ReadShrunkPngPasses(png_structp png, const PngHeader& h, uint32_t factor, uint8_t* pixels,
                         RasterImage& image) {
  ScatteredShrink shrink(h.width, h.height, factor, image);
  RasterImage passRow;
  passRow.SetAlphaHandling(image.GetAlphaHandling());
  PngHeader rowHeader = h;
  rowHeader.height = 1;
  for (int pass = 0; pass < 7; ++pass) {
    const png_uint_32 columns = PNG_PASS_COLS(h.width, pass);
    const png_uint_32 rows = PNG_PASS_ROWS(h.height, pass);
    // libpng skips the passes that hold no pixel.
    if (columns == 0 || rows == 0) continue;
    rowHeader.width = columns;
    if (!CreatePngImage(rowHeader, passRow)) {
      image.SetLastError(passRow.GetLastError());
      return false;
    }
    for (png_uint_32 r = 0; r < rows; ++r) {
      if (!ReadPngRow(png, pixels)) return false;
      ConvertPngRow(rowHeader, pixels, 0, passRow);
      shrink.AddRow(passRow, PNG_ROW_FROM_PASS_ROW(r, pass), PNG_PASS_START_COL(pass),
                    1u << PNG_PASS_COL_SHIFT(pass));
    }
  }
  shrink.Finish();
  return true;
}

}  // namespace

bool DecodePng(std::span<const uint8_t> data, RasterImage& image) {
  if (data.size() < sizeof kSignature || std::memcmp(data.data(), kSignature, sizeof kSignature)) {
    image.SetLastError(UserText("Not a PNG"));
    return false;
  }
  PngContext context;
  ByteSource source(data);
  context.source = &source;
  PngReadDeleter deleter;
  std::unique_ptr<png_struct, PngReadDeleter&> png(
      png_create_read_struct(PNG_LIBPNG_VER_STRING, &context, OnPngError, OnPngWarning), deleter);
  if (!png || !(deleter.info = png_create_info_struct(png.get()))) {
    image.SetLastError(UserText("PNG: out of memory"));
    return false;
  }
  png_set_read_fn(png.get(), &context, ReadPngBytes);
  png_set_user_limits(png.get(), kMaxImageSide, kMaxImageSide);
  png_set_chunk_malloc_max(png.get(), kMaxChunkBytes);
  // Every chunk's CRC is checked, which already catches damaged data; zlib's own checksum of
  // the same bytes would be a tenth of the decoding.
  png_set_option(png.get(), PNG_IGNORE_ADLER32, PNG_OPTION_ON);
  // Of the ancillary chunks only the transparency and the resolution are used; libpng would
  // buffer a text chunk of any declared length before finding that the file is far shorter.
  png_set_keep_unknown_chunks(png.get(), PNG_HANDLE_CHUNK_NEVER, nullptr, 0);
  png_set_keep_unknown_chunks(png.get(), PNG_HANDLE_CHUNK_NEVER, kIgnoredChunks,
                              static_cast<int>(sizeof kIgnoredChunks / 5));

  PngHeader header;
  if (!ReadPngHeader(png.get(), deleter.info, &header)) {
    image.SetLastError(context.message.text);
    return false;
  }
  const uint64_t pixelBytes = static_cast<uint64_t>(header.width) * header.height *
                              png_get_channels(png.get(), deleter.info) * header.bitDepth / 8;
  if (pixelBytes / kMaxDeflateRatio > data.size()) {
    image.SetLastError(UserText("PNG data too short for the image size"));
    return false;
  }
  // A picture that will only be shown smaller is shrunk as its rows arrive, band by band or,
  // interlaced, pass by pass, so that it is never held whole.
  const bool interlaced = header.interlace != PNG_INTERLACE_NONE;
  const uint64_t budget = image.GetDecodePixelBudget();
  const uint32_t factor = budget > 0 ? ShrinkFactorWithin(header.width, header.height, budget) : 1;
  if (factor > 1) {
    // The file's own size is held to the limit all the same.
    if (!CheckImageSize(header.width, header.height, 8, image)) return false;
    PngHeader shrunk = header;
    shrunk.width = ShrunkLength(header.width, factor);
    shrunk.height = ShrunkLength(header.height, factor);
    if (!CreatePngImage(shrunk, image)) return false;
    image.SetDecodeShrink(factor, header.width, header.height);
  } else if (!CreatePngImage(header, image)) {
    return false;
  }

  const bool packed = (header.colourType == PNG_COLOR_TYPE_PALETTE &&
                       (header.bitDepth == 1 || header.bitDepth == 4)) ||
                      (header.colourType == PNG_COLOR_TYPE_GRAY && header.bitDepth == 1);
  size_t rowBytes = 0;
  const bool wholeInterlaced = interlaced && factor == 1;
  if (!StartPngRows(png.get(), deleter.info, header.bitDepth < 8 && !packed, factor == 1,
                    &rowBytes)) {
    image.SetLastError(context.message.text);
    return false;
  }
  // Interlaced pictures shown at their own size fill their rows in several passes, so they are
  // decoded whole first.
  std::vector<uint8_t> pixels;
  std::vector<png_bytep> rows;
  try {
    pixels.resize(wholeInterlaced ? rowBytes * header.height : rowBytes);
    if (wholeInterlaced) rows.resize(header.height);
  } catch (const std::bad_alloc&) {
    image.SetLastError(UserText("RasterImage::Create can't allocate memory"));
    return false;
  }
  if (wholeInterlaced) {
    for (size_t y = 0; y < header.height; ++y) rows[y] = pixels.data() + y * rowBytes;
    if (!ReadPngImage(png.get(), rows.data())) {
      image.SetLastError(context.message.text);
      return false;
    }
  }
  if (factor > 1) {
    const bool read = interlaced
                          ? ReadShrunkPngPasses(png.get(), header, factor, pixels.data(), image)
                          : ReadShrunkPngRows(png.get(), header, factor, pixels.data(), image);
    if (!read) {
      if (!context.message.Empty()) image.SetLastError(context.message.text);
      return false;
    }
  } else {
    for (uint32_t y = 0; y < header.height; ++y) {
      if (!wholeInterlaced && !ReadPngRow(png.get(), pixels.data())) {
        image.SetLastError(context.message.text);
        return false;
      }
      ConvertPngRow(header, wholeInterlaced ? rows[y] : pixels.data(), y, image);
    }
  }
  if (!context.message.Empty()) image.SetLastError(context.message.text);
  return true;
}

}  // namespace tavolo::codecs
