// Damaged files must give an empty image and a message, or a whole image: never a crash, a hang
// or a read outside the data (the sanitizer build checks the last).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/imaging/RasterImage.h"
#include "imaging_test_util.h"
#include "tests/core/imaging/DamagedInputs.h"

namespace tavolo {
namespace {

struct Sample {
  std::string name;
  int format;
  std::vector<uint8_t> bytes;
};

std::vector<uint8_t> Encoded(uint32_t bpp, int format) {
  RasterImage image = test::MakePhoto(7, 5);
  if (bpp != 24) image.DecreaseBpp(bpp, true);
  image.SetXDpi(96);
  std::vector<uint8_t> out;
  EXPECT_TRUE(image.Encode(out, format)) << image.GetLastError();
  return out;
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

std::vector<uint8_t> RleTga() {
  std::vector<uint8_t> bytes = {0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 5, 0, 3, 0, 24, 0x20};
  const std::vector<uint8_t> packets = {0x83, 1, 2,  3,  0x02, 4,    5,   6,   7,
                                        8,    9, 10, 11, 12,   0x89, 200, 100, 50};
  bytes.insert(bytes.end(), packets.begin(), packets.end());
  return bytes;
}

std::vector<uint8_t> Icon() {
  std::vector<uint8_t> bmp = Encoded(4, kFormatBmp);
  std::vector<uint8_t> dib(bmp.begin() + 14, bmp.end());
  dib[8] = 10;  // colour and mask rows
  dib.insert(dib.end(), 5 * 4, 0x0F);
  std::vector<uint8_t> out = {0, 0, 1, 0, 1, 0, 7, 5, 0, 0, 1, 0, 4, 0};
  const auto size = static_cast<uint32_t>(dib.size());
  out.insert(out.end(), {static_cast<uint8_t>(size), static_cast<uint8_t>(size >> 8), 0, 0});
  out.insert(out.end(), {22, 0, 0, 0});
  out.insert(out.end(), dib.begin(), dib.end());
  return out;
}

std::vector<Sample> Samples() {
  return {
      {"bmp1", kFormatBmp, Encoded(1, kFormatBmp)},
      {"bmp4", kFormatBmp, Encoded(4, kFormatBmp)},
      {"bmp8", kFormatBmp, Encoded(8, kFormatBmp)},
      {"bmp24", kFormatBmp, Encoded(24, kFormatBmp)},
      {"bmp_rle8", kFormatBmp, RleBmp()},
      {"tga8", kFormatTga, Encoded(8, kFormatTga)},
      {"tga24", kFormatTga, Encoded(24, kFormatTga)},
      {"tga_rle", kFormatTga, RleTga()},
      {"pcx8", kFormatPcx, Encoded(8, kFormatPcx)},
      {"pcx24", kFormatPcx, Encoded(24, kFormatPcx)},
      {"ico", kFormatIco, Icon()},
      {"wbmp", kFormatWbmp, {0, 0, 9, 3, 0xF0, 0x80, 0x0F, 0x00, 0xAA, 0x80}},
  };
}

// A decode either fails with a message and no pixels, or yields a complete image.
void ExpectCleanResult(std::span<const uint8_t> bytes, int format, const std::string& what) {
  const RasterImage image(bytes, format);
  if (!image.IsValid()) {
    EXPECT_FALSE(image.GetLastError().empty()) << what;
    EXPECT_EQ(image.GetWidth(), 0u) << what;
    return;
  }
  EXPECT_GT(image.GetWidth(), 0u) << what;
  EXPECT_EQ(image.PixelData().size(), static_cast<size_t>(image.GetStride()) * image.GetHeight())
      << what;
}

TEST(CorruptInput, TheSamplesDecode) {
  for (const Sample& s : Samples()) {
    const RasterImage image(s.bytes, s.format);
    EXPECT_TRUE(image.IsValid()) << s.name << ": " << image.GetLastError();
    const RasterImage detected(s.bytes, kFormatUnknown);
    EXPECT_EQ(detected.GetType(), s.format) << s.name;
  }
}

TEST(CorruptInput, EveryTruncationFailsCleanly) {
  for (const Sample& s : Samples()) {
    for (size_t length = 0; length < s.bytes.size(); ++length) {
      const std::span<const uint8_t> cut(s.bytes.data(), length);
      const std::string what = s.name + " cut to " + std::to_string(length);
      ExpectCleanResult(cut, s.format, what);
      ExpectCleanResult(cut, kFormatUnknown, what + " (detected)");
      // Losing half the file loses pixels, which must be reported, not papered over.
      if (length < s.bytes.size() / 2) {
        EXPECT_FALSE(RasterImage(cut, s.format).IsValid()) << what;
      }
    }
  }
}

TEST(CorruptInput, FlippedHeaderBytesNeverCrash) {
  for (const Sample& s : Samples()) {
    const size_t span = std::min<size_t>(s.bytes.size(), 160);
    for (size_t i = 0; i < span; ++i) {
      for (const uint8_t mask : {0xFF, 0x80, 0x7F, 0x01, 0x10}) {
        std::vector<uint8_t> bytes = s.bytes;
        bytes[i] ^= mask;
        const std::string what =
            s.name + " byte " + std::to_string(i) + " ^ " + std::to_string(mask);
        ExpectCleanResult(bytes, s.format, what);
        ExpectCleanResult(bytes, kFormatUnknown, what + " (detected)");
      }
    }
  }
}

void Patch32(std::vector<uint8_t>& bytes, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(v >> (8 * i));
}
void Patch16(std::vector<uint8_t>& bytes, size_t at, uint32_t v) {
  bytes[at] = static_cast<uint8_t>(v);
  bytes[at + 1] = static_cast<uint8_t>(v >> 8);
}

TEST(CorruptInput, HostileHeadersFailWithAMessage) {
  struct Case {
    const char* name;
    int format;
    std::vector<uint8_t> bytes;
  };
  std::vector<Case> cases;
  auto bmp = [&](const char* name, auto patch) {
    std::vector<uint8_t> b = Encoded(24, kFormatBmp);
    patch(b);
    cases.push_back({name, kFormatBmp, b});
  };
  bmp("bmp huge width", [](auto& b) { Patch32(b, 18, 0x7FFFFFFF); });
  bmp("bmp negative width", [](auto& b) { Patch32(b, 18, 0xFFFFFFF0); });
  bmp("bmp most negative height", [](auto& b) { Patch32(b, 22, 0x80000000); });
  bmp("bmp pixels past the end", [](auto& b) { Patch32(b, 10, 0x00FFFFFF); });
  bmp("bmp many pixels, no data", [](auto& b) {
    Patch32(b, 18, 20000);
    Patch32(b, 22, 10000);
  });
  bmp("bmp unknown header size", [](auto& b) { Patch32(b, 14, 41); });
  bmp("bmp rle8 at 24 bits", [](auto& b) { b[30] = 1; });
  bmp("bmp bit fields at 8 bits", [](auto& b) {
    b[28] = 8;
    b[30] = 3;
  });
  bmp("bmp two planes", [](auto& b) { b[26] = 2; });
  {
    std::vector<uint8_t> tga = Encoded(24, kFormatTga);
    Patch16(tga, 12, 65535);
    Patch16(tga, 14, 65535);
    cases.push_back({"tga huge", kFormatTga, tga});
    std::vector<uint8_t> mapped = Encoded(8, kFormatTga);
    mapped[7] = 13;  // map entry size
    cases.push_back({"tga odd map entries", kFormatTga, mapped});
  }
  {
    std::vector<uint8_t> pcx = Encoded(24, kFormatPcx);
    Patch16(pcx, 8, 65535);
    cases.push_back({"pcx too wide", kFormatPcx, pcx});
    std::vector<uint8_t> shortLines = Encoded(24, kFormatPcx);
    Patch16(shortLines, 66, 1);
    cases.push_back({"pcx lines too short", kFormatPcx, shortLines});
  }
  {
    std::vector<uint8_t> ico = Icon();
    Patch32(ico, 18, 0xFFFFFFF0);
    cases.push_back({"ico picture past the end", kFormatIco, ico});
  }
  cases.push_back({"wbmp huge", kFormatWbmp, {0, 0, 0xFF, 0xFF, 0xFF, 0x7F, 1, 0}});
  cases.push_back({"wbmp endless width", kFormatWbmp, {0, 0, 0x81, 0x81, 0x81, 0x81, 0x81}});

  for (const Case& c : cases) {
    const RasterImage image(c.bytes, c.format);
    EXPECT_FALSE(image.IsValid()) << c.name;
    EXPECT_FALSE(image.GetLastError().empty()) << c.name;
    ExpectCleanResult(c.bytes, kFormatUnknown, std::string(c.name) + " (detected)");
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

TEST(CorruptInput, ForeignBytesNameTheFormatAndDamagedFilesOfEachCodecFailCleanly) {
  RasterImage grey = test::MakeTestImage(40, 30);
  ASSERT_TRUE(grey.DecreaseBpp(8, false));  // a grey ramp, as JPEG takes palettes
  const std::vector<uint8_t> junk(200, 0x55);
  const struct {
    int format;
    std::vector<uint8_t> foreign;
    const char* says;
    std::vector<RasterImage> damaged;  // encoded, then damaged in every way
  } cases[] = {
      {kFormatBmp, junk, "Not a BMP", {}},
      {kFormatTga, junk, "Not a TGA", {}},
      {kFormatPng,
       {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0},
       "Not a PNG",
       {test::MakeTestImage(40, 30), test::MakePaletteImage(40, 30, 4, 16)}},
      {kFormatTiff,
       {'B', 'M', 0, 0, 0, 0, 0, 0},
       "Not a TIFF",
       {test::MakeTestImage(40, 30), test::MakePaletteImage(40, 30, 8, 256)}},
      {kFormatGif,
       {0xFF, 0xD8, 0xFF, 0xE0, 0, 16},
       "Not a GIF",
       {test::MakePaletteImage(40, 30, 8, 200)}},
      {kFormatJpeg,
       {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'},
       "Not a JPEG",
       {test::MakeTestImage(40, 30), grey}},
  };
  for (const auto& c : cases) {
    RasterImage image;
    EXPECT_FALSE(image.Decode(c.foreign, c.format)) << c.says;
    EXPECT_EQ(image.GetLastError(), c.says);
    for (RasterImage picture : c.damaged) {
      test::ExpectDecodersSurvive(test::Encode(picture, c.format), c.format);
    }
  }
}

}  // namespace
}  // namespace tavolo
