// Damaged files must give an empty image and a message, or a whole image: never a crash, a hang
// or a read outside the data (the sanitizer build checks the last). Inputs that once crashed a
// decoder are replayed here too.
#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "core/imaging/RasterImage.h"
#include "tests/core/imaging/imaging_test_util.h"

namespace tavolo {
namespace {

namespace fs = std::filesystem;

// A decode either failed cleanly, empty and with a reason, or yielded an image whose storage
// matches its size, within the size limit, with the palette its depth has.
void ExpectSoundResult(bool decoded, const RasterImage& image) {
  if (!decoded) {
    EXPECT_FALSE(image.IsValid());
    EXPECT_FALSE(image.GetLastError().empty());
    EXPECT_EQ(image.GetWidth(), 0u);
    return;
  }
  ASSERT_TRUE(image.IsValid());
  EXPECT_GT(image.GetWidth(), 0u);
  EXPECT_GT(image.GetHeight(), 0u);
  EXPECT_LE(image.GetWidth(), kMaxImageSide);
  EXPECT_LE(image.GetHeight(), kMaxImageSide);
  EXPECT_EQ(image.PixelData().size(), static_cast<size_t>(image.GetStride()) * image.GetHeight());
  EXPECT_EQ(image.GetPaletteSize(), image.GetBpp() == 24 ? 0u : 1u << image.GetBpp());
}

// Decodes the bytes with the format code and with detection, with alpha kept and not, and checks
// every result.
void ExpectCleanDecodes(std::span<const uint8_t> bytes, int format) {
  for (const int code : {format, static_cast<int>(kFormatUnknown)}) {
    SCOPED_TRACE(code == kFormatUnknown ? "detected" : "with its format");
    for (const AlphaHandling alpha : {AlphaHandling::kOverWhite, AlphaHandling::kKeep}) {
      RasterImage image;
      image.SetAlphaHandling(alpha);
      ExpectSoundResult(image.Decode(bytes, code), image);
      EXPECT_TRUE(!image.HasAlpha() || alpha == AlphaHandling::kKeep);
    }
  }
}

// Checks every damaged copy of a good file: cut at every length in the first 64 bytes and at 40
// lengths spread over the rest, and with each of its first 160 bytes flipped by five masks.
void ExpectDecodersSurvive(std::span<const uint8_t> good, int format) {
  const size_t size = good.size();
  const auto cut = [&](size_t length) {
    SCOPED_TRACE("cut at " + std::to_string(length));
    ExpectCleanDecodes(good.first(length), format);
  };
  for (size_t length = 0; length < std::min<size_t>(size, 64); ++length) cut(length);
  for (size_t step = 1; step <= 40 && size > 64; ++step) cut(64 + (size - 64) * step / 41);
  for (size_t i = 0; i < std::min<size_t>(size, 160); ++i) {
    for (const uint8_t mask : {0xFF, 0x80, 0x7F, 0x01, 0x10}) {
      SCOPED_TRACE("byte " + std::to_string(i) + " ^ " + std::to_string(mask));
      std::vector<uint8_t> bytes(good.begin(), good.end());
      bytes[i] ^= mask;
      ExpectCleanDecodes(bytes, format);
    }
  }
}

std::vector<uint8_t> Encoded(RasterImage image, int format) {
  image.SetXDpi(96);
  return test::Encode(image, format);
}

// A photo at the given depth, over a grey ramp below 24 bits.
std::vector<uint8_t> Encoded(uint32_t bpp, int format, uint32_t width = 7, uint32_t height = 5) {
  RasterImage image = test::MakePhoto(width, height);
  if (bpp != 24) image.DecreaseBpp(bpp, true);
  return Encoded(image, format);
}

std::vector<uint8_t> RleBmp() {
  std::vector<uint8_t> bytes = Encoded(8, kFormatBmp);
  // Same headers, run-length pixels: a run, an absolute run, a delta, end of line, end of bitmap.
  bytes[30] = 1;
  bytes.resize(54 + 1024);
  const std::vector<uint8_t> runs = {4, 9, 0, 3, 1, 2, 3, 0, 0, 2, 1, 1, 2, 7, 0, 0, 7, 5, 0, 1};
  bytes.insert(bytes.end(), runs.begin(), runs.end());
  return bytes;
}

// A 5 × 3 true-colour TGA from the top: a run of four, three raw pixels, a run past the end.
std::vector<uint8_t> RleTga() {
  return {0,    0, 10, 0, 0,    0, 0, 0, 0, 0, 0, 0,  5,  0,  3,    0,   24,  0x20,
          0x83, 1, 2,  3, 0x02, 4, 5, 6, 7, 8, 9, 10, 11, 12, 0x89, 200, 100, 50};
}

// A 7 × 5 icon of 4 bits, its bitmap holding colour and mask rows.
std::vector<uint8_t> Icon() {
  std::vector<uint8_t> bmp = Encoded(4, kFormatBmp);
  bmp[14 + 8] = 10;
  bmp.insert(bmp.end(), 5 * 4, 0x0F);
  std::vector<uint8_t> out;
  test::PutFields(out, "22211112244",
                  {0, 1, 1, 7, 5, 0, 0, 1, 4, static_cast<uint32_t>(bmp.size() - 14), 22});
  out.insert(out.end(), bmp.begin() + 14, bmp.end());
  return out;
}

TEST(CorruptInput, TruncatedAndFlippedCopiesOfEachSampleFailCleanlyOrDecodeSoundly) {
  // Small files of every decoder, each taking a path with its own bounds checks.
  const std::tuple<std::string, int, std::vector<uint8_t>> samples[] = {
      {"bmp8", kFormatBmp, Encoded(8, kFormatBmp)},
      {"bmp24", kFormatBmp, Encoded(24, kFormatBmp)},
      {"bmp_rle8", kFormatBmp, RleBmp()},
      {"tga8", kFormatTga, Encoded(8, kFormatTga)},
      {"tga_rle", kFormatTga, RleTga()},
      {"pcx8", kFormatPcx, Encoded(8, kFormatPcx)},
      {"pcx24", kFormatPcx, Encoded(24, kFormatPcx)},
      {"ico", kFormatIco, Icon()},
      {"wbmp", kFormatWbmp, {0, 0, 9, 3, 0xF0, 0x80, 0x0F, 0x00, 0xAA, 0x80}},
      {"png4", kFormatPng, Encoded(test::MakePaletteImage(40, 30, 4, 16), kFormatPng)},
      {"png24", kFormatPng, Encoded(24, kFormatPng, 40, 30)},
      {"tiff8", kFormatTiff, Encoded(test::MakePaletteImage(40, 30, 8, 256), kFormatTiff)},
      {"tiff24", kFormatTiff, Encoded(24, kFormatTiff, 40, 30)},
      {"gif", kFormatGif, Encoded(test::MakePaletteImage(40, 30, 8, 200), kFormatGif)},
      {"jpeg8", kFormatJpeg, Encoded(8, kFormatJpeg, 40, 30)},
      {"jpeg24", kFormatJpeg, Encoded(24, kFormatJpeg, 40, 30)},
  };
  for (const auto& [name, format, bytes] : samples) {
    SCOPED_TRACE(name);
    const RasterImage image(bytes, format);
    EXPECT_TRUE(image.IsValid()) << image.GetLastError();
    EXPECT_EQ(RasterImage(bytes, kFormatUnknown).GetType(), format);
    ExpectDecodersSurvive(bytes, format);
    // Losing half the file loses pixels (or a TIFF's colour map, which follows its pixels), which
    // must be reported, not papered over.
    for (size_t length = 0; length < bytes.size() / 2; ++length) {
      EXPECT_FALSE(RasterImage(std::span(bytes).first(length), format).IsValid()) << length;
    }
  }
}

// Tiles, separate planes, JPEG inside TIFF, progressive scans and interlaced rows, as ImageMagick
// writes them.
class CorruptMagickInput : public test::MagickSourceTest {
 protected:
  CorruptMagickInput() : MagickSourceTest(37, 29, 5) {}
};

TEST_F(CorruptMagickInput, DamagedCopiesFailCleanlyOrDecodeSoundly) {
  const std::tuple<const char*, const char*, int> cases[] = {
      {"-interlace Plane", "progressive.jpg", kFormatJpeg},
      {"-compress Zip -define tiff:tile-geometry=16x16", "tiled.tif", kFormatTiff},
      {"-compress RLE -interlace Plane", "planar.tif", kFormatTiff},
      {"-compress JPEG", "jpeg.tif", kFormatTiff},
      {"-colors 64 -interlace GIF", "interlaced.gif", kFormatGif},
  };
  for (const auto& [options, name, format] : cases) {
    SCOPED_TRACE(name);
    const auto file = dir_ / name;
    ASSERT_TRUE(test::RunConvert(test::Quoted(source_) + " " + options + " " + test::Quoted(file)));
    ExpectDecodersSurvive(test::ReadFileBytes(file), format);
  }
}

// A PNG made of a signature, an IHDR with the given size and nothing else.
std::vector<uint8_t> PngHeaderOnly(uint32_t width, uint32_t height) {
  std::vector<uint8_t> bytes = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13};
  const size_t chunk = bytes.size();
  bytes.insert(bytes.end(), {'I', 'H', 'D', 'R'});
  const auto putBigEndian = [&](uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) bytes.push_back(static_cast<uint8_t>(v >> shift));
  };
  putBigEndian(width);
  putBigEndian(height);
  bytes.insert(bytes.end(), {8, 2, 0, 0, 0});
  putBigEndian(static_cast<uint32_t>(crc32(0, bytes.data() + chunk, bytes.size() - chunk)));
  return bytes;
}

// One case per check a decoder makes of its header before it trusts it; foreign bytes name the
// format expected.
TEST(CorruptInput, HostileHeadersFailWithAMessage) {
  const std::vector<uint8_t> bmp = Encoded(24, kFormatBmp);
  const std::vector<uint8_t> junk(200, 0x55);
  const std::vector<uint8_t> gif = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0};
  const std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  const char* tooLarge = "Image too large";
  const char* bigTile = "TIFF: a tile is larger than the picture needs";
  const struct {
    const char* name;
    int format;
    std::vector<uint8_t> bytes;
    // Each writes a value, little-endian, at an offset over a width in bytes.
    std::vector<std::tuple<size_t, uint32_t, int>> patches;
    const char* says = nullptr;  // the message, where it is fixed
  } cases[] = {
      {"bmp huge width", kFormatBmp, bmp, {{18, 0x7FFFFFFF, 4}}},
      {"bmp negative width", kFormatBmp, bmp, {{18, 0xFFFFFFF0, 4}}},
      {"bmp most negative height", kFormatBmp, bmp, {{22, 0x80000000, 4}}},
      {"bmp pixels past the end", kFormatBmp, bmp, {{10, 0x00FFFFFF, 4}}},
      {"bmp many pixels, no data", kFormatBmp, bmp, {{18, 20000, 4}, {22, 10000, 4}}},
      {"bmp unknown header size", kFormatBmp, bmp, {{14, 41, 4}}},
      {"bmp rle8 at 24 bits", kFormatBmp, bmp, {{30, 1, 1}}},
      {"bmp bit fields at 8 bits", kFormatBmp, bmp, {{28, 8, 1}, {30, 3, 1}}},
      {"bmp two planes", kFormatBmp, bmp, {{26, 2, 1}}},
      {"tga huge", kFormatTga, Encoded(24, kFormatTga), {{12, 65535, 2}, {14, 65535, 2}}},
      {"tga odd map entries", kFormatTga, Encoded(8, kFormatTga), {{7, 13, 1}}},
      {"pcx lines too short", kFormatPcx, Encoded(24, kFormatPcx), {{66, 1, 2}}},
      {"ico picture past the end", kFormatIco, Icon(), {{18, 0xFFFFFFF0, 4}}},
      {"wbmp huge", kFormatWbmp, {0, 0, 0xFF, 0xFF, 0xFF, 0x7F, 1, 0}, {}},
      {"wbmp endless width", kFormatWbmp, {0, 0, 0x81, 0x81, 0x81, 0x81, 0x81}, {}},
      {"png too wide", kFormatPng, PngHeaderOnly(40000, 10), {}},
      {"png too many pixels", kFormatPng, PngHeaderOnly(20000, 20000), {}},
      {"png more pixels than deflate could give", kFormatPng, PngHeaderOnly(8000, 8000), {}},
      {"tiff huge", kFormatTiff, test::GreyTiff(30000, 30000, 900000000, 100), {}, tooLarge},
      {"tiff too wide", kFormatTiff, test::GreyTiff(40000, 2, 80000, 100), {}, tooLarge},
      {"tiff strip past the end", kFormatTiff, test::GreyTiff(64, 64, 4096, 1000), {}},
      // Tile bombs: a few hundred bytes whose one tile would take a gigabyte.
      {"tiff tile bomb", kFormatTiff, test::GreyTiff(16, 16, 16, 16, 32768), {}, bigTile},
      {"tiff tall tile bomb", kFormatTiff, test::GreyTiff(20, 4000, 16, 16, 4096), {}, bigTile},
      {"junk as bmp", kFormatBmp, junk, {}, "Not a BMP"},
      {"junk as tga", kFormatTga, junk, {}, "Not a TGA"},
      {"gif as png", kFormatPng, gif, {}, "Not a PNG"},
      {"bmp as tiff", kFormatTiff, {'B', 'M', 0, 0, 0, 0, 0, 0}, {}, "Not a TIFF"},
      {"jpeg as gif", kFormatGif, {0xFF, 0xD8, 0xFF, 0xE0, 0, 16}, {}, "Not a GIF"},
      {"png as jpeg", kFormatJpeg, png, {}, "Not a JPEG"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<uint8_t> bytes = c.bytes;
    for (const auto& [at, value, width] : c.patches) {
      for (int i = 0; i < width; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
    }
    const RasterImage image(bytes, c.format);
    EXPECT_FALSE(image.IsValid());
    EXPECT_FALSE(image.GetLastError().empty());
    if (c.says) {
      EXPECT_TRUE(image.GetLastError().starts_with(c.says)) << image.GetLastError();
    }
    ExpectCleanDecodes(bytes, c.format);
  }
}

TEST(CorruptInput, RunLengthPixelsOutsideThePictureAreDropped) {
  std::vector<uint8_t> rle = RleBmp();
  // Before the end marker: a delta far to the right, a run there, and a run on the next line.
  rle.insert(rle.end() - 2, {0, 2, 255, 0, 5, 1, 0, 0, 1, 3});
  const RasterImage image(rle, kFormatBmp);
  ASSERT_TRUE(image.IsValid()) << image.GetLastError();
  EXPECT_EQ(image.GetPixelIndex(0, 2), 5);
  EXPECT_EQ(image.GetPixelIndex(0, 3), 3);
  EXPECT_EQ(image.GetPixelIndex(1, 3), 0);
}

// The inputs kept in tests/data/crashers, one folder per format code ("detect": code 0), are
// replayed with their code, with detection and through a file load; no folder may be empty.
const std::map<std::string, int> kFolderFormats = {
    {"bmp", kFormatBmp},   {"gif", kFormatGif},        {"jpeg", kFormatJpeg}, {"png", kFormatPng},
    {"ico", kFormatIco},   {"tiff", kFormatTiff},      {"tga", kFormatTga},   {"pcx", kFormatPcx},
    {"wbmp", kFormatWbmp}, {"detect", kFormatUnknown},
};

TEST(CrasherReplay, EveryInputFailsCleanlyOrDecodesSoundly) {
  for (const auto& [name, format] : kFolderFormats) {
    int inputs = 0;
    for (const auto& file :
         fs::directory_iterator(fs::path(TAVOLO_TEST_DATA) / "crashers" / name)) {
      SCOPED_TRACE(file.path().string());
      ++inputs;
      ExpectCleanDecodes(test::ReadFileBytes(file.path()), format);
      RasterImage loaded;
      ExpectSoundResult(loaded.Load(file.path(), format), loaded);
    }
    EXPECT_GT(inputs, 0) << "no input for " << name;
  }
}

}  // namespace
}  // namespace tavolo
