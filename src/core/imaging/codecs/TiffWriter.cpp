// Writing TIFF through libtiff: LZW strips made by our own compressor, colour with a horizontal
// predictor, palette pictures with their colour map.
#include <tiffio.h>

#include <algorithm>
#include <cstring>
#include <new>

#include "core/imaging/RasterImage.h"
#include "core/imaging/codecs/ChannelOrder.h"
#include "core/imaging/codecs/Codecs.h"
#include "core/imaging/codecs/MemoryStreams.h"
#include "core/imaging/codecs/TiffLzw.h"
#include "core/imaging/codecs/TiffStream.h"
#include "core/storage/UserText.h"

namespace tavolo::codecs {

namespace {

// Strips this size compress as well as whole pictures and keep a reader's buffers small.
constexpr size_t kStripBytes = 64 * 1024;

// Strips of rows, each compressed by our own LZW writer (libtiff's took three times as long),
// colour rows first turned into differences from the pixel to the left.
bool WriteTiffStrips(TIFF* tif, const RasterImage& image, uint32_t rowsPerStrip, size_t rowBytes,
                     size_t samples) {
  const uint32_t height = image.GetHeight();
  const bool predicted = samples > 1;
  std::vector<uint8_t> row;
  std::vector<uint8_t> strip;
  TiffLzwCompressor compressor;
  try {
    row.resize(rowBytes);
    strip.resize(rowBytes * std::min(rowsPerStrip, height));
  } catch (const std::bad_alloc&) {
    return false;
  }
  for (uint32_t top = 0, index = 0; top < height; top += rowsPerStrip, ++index) {
    const uint32_t rows = std::min(rowsPerStrip, height - top);
    for (uint32_t r = 0; r < rows; ++r) {
      uint8_t* target = strip.data() + r * rowBytes;
      if (!predicted) {
        FileOrderRow(image, top + r, image.HasAlpha(), target);
        continue;
      }
      FileOrderRow(image, top + r, image.HasAlpha(), row.data());
      std::memcpy(target, row.data(), samples);
      for (size_t i = samples; i < rowBytes; ++i) {
        target[i] = static_cast<uint8_t>(row[i] - row[i - samples]);
      }
    }
    const std::span<const uint8_t> compressed =
        compressor.Compress({strip.data(), rows * rowBytes});
    // libtiff copies the strip out and does not change it.
    if (compressed.empty() || TIFFWriteRawStrip(tif, index, const_cast<uint8_t*>(compressed.data()),
                                                static_cast<tmsize_t>(compressed.size())) < 0) {
      return false;
    }
  }
  return TIFFWriteDirectory(tif) != 0;
}

}  // namespace

bool EncodeTiff(RasterImage& image, std::vector<uint8_t>& out) {
  const uint32_t bpp = image.GetBpp();
  if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24) {
    image.SetLastError(UserText("TIFF: unsupported bit depth"));
    return false;
  }
  OutputGuard guard(out);
  TiffStream stream;
  stream.output = &out;
  stream.outputBase = out.size();
  bool ok = false;
  {
    const TiffHandle tif = OpenTiff(stream, "w");
    if (tif) {
      TIFF* t = tif.get();
      // A picture with alpha, of any depth, is written as colour with an unassociated alpha.
      const bool alpha = image.HasAlpha();
      const bool rgb = bpp == 24 || alpha;
      const uint16_t samples = alpha ? 4 : rgb ? 3 : 1;
      TIFFSetField(t, TIFFTAG_IMAGEWIDTH, image.GetWidth());
      TIFFSetField(t, TIFFTAG_IMAGELENGTH, image.GetHeight());
      TIFFSetField(t, TIFFTAG_BITSPERSAMPLE, rgb ? 8 : bpp);
      TIFFSetField(t, TIFFTAG_SAMPLESPERPIXEL, samples);
      if (alpha) {
        const uint16_t kinds[1] = {EXTRASAMPLE_UNASSALPHA};
        TIFFSetField(t, TIFFTAG_EXTRASAMPLES, 1, kinds);
      }
      TIFFSetField(t, TIFFTAG_PHOTOMETRIC, rgb ? PHOTOMETRIC_RGB : PHOTOMETRIC_PALETTE);
      TIFFSetField(t, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
      TIFFSetField(t, TIFFTAG_ORIENTATION, ORIENTATION_TOPLEFT);
      TIFFSetField(t, TIFFTAG_COMPRESSION, COMPRESSION_LZW);
      if (rgb) TIFFSetField(t, TIFFTAG_PREDICTOR, PREDICTOR_HORIZONTAL);
      const size_t rowBytes = rgb ? static_cast<size_t>(image.GetWidth()) * samples
                                  : (static_cast<size_t>(image.GetWidth()) * bpp + 7) / 8;
      const auto rowsPerStrip = static_cast<uint32_t>(std::max<size_t>(
          1, std::min<size_t>(kStripBytes / std::max<size_t>(rowBytes, 1), image.GetHeight())));
      TIFFSetField(t, TIFFTAG_ROWSPERSTRIP, rowsPerStrip);
      const int32_t xDpi = image.GetXPelsPerMeter() > 0 ? image.GetXDpi() : image.GetYDpi();
      const int32_t yDpi = image.GetYPelsPerMeter() > 0 ? image.GetYDpi() : image.GetXDpi();
      if (xDpi > 0 && yDpi > 0) {
        TIFFSetField(t, TIFFTAG_XRESOLUTION, static_cast<float>(xDpi));
        TIFFSetField(t, TIFFTAG_YRESOLUTION, static_cast<float>(yDpi));
        TIFFSetField(t, TIFFTAG_RESOLUTIONUNIT, RESUNIT_INCH);
      }
      std::vector<uint16_t> red, green, blue;
      try {
        for (const RgbQuad& c : image.Palette()) {
          red.push_back(static_cast<uint16_t>(c.red * 257));
          green.push_back(static_cast<uint16_t>(c.green * 257));
          blue.push_back(static_cast<uint16_t>(c.blue * 257));
        }
      } catch (const std::bad_alloc&) {
        image.SetLastError(UserText("TIFF: out of memory"));
        return false;
      }
      if (!rgb) TIFFSetField(t, TIFFTAG_COLORMAP, red.data(), green.data(), blue.data());
      ok = WriteTiffStrips(t, image, rowsPerStrip, rowBytes, rgb ? samples : 1);
    }
  }
  if (!ok || !stream.error.Empty()) {
    image.SetLastError(stream.error.Empty() ? UserText("TIFF: can't write the image")
                                            : stream.error.text);
    return false;
  }
  guard.Commit();
  return true;
}

}  // namespace tavolo::codecs
