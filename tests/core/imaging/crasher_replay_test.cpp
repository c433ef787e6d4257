// Replays the inputs kept in tests/data/crashers: each must be refused with a message or give a
// sound image, decoded with its folder's format code, with detection and through a file load.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "core/imaging/RasterImage.h"

namespace tavolo {
namespace {

namespace fs = std::filesystem;

const std::map<std::string, int> kFolderFormats = {
    {"bmp", kFormatBmp},   {"gif", kFormatGif},        {"jpeg", kFormatJpeg}, {"png", kFormatPng},
    {"ico", kFormatIco},   {"tiff", kFormatTiff},      {"tga", kFormatTga},   {"pcx", kFormatPcx},
    {"wbmp", kFormatWbmp}, {"detect", kFormatUnknown},
};

struct Crasher {
  fs::path path;
  int format;
};

std::vector<Crasher> CollectCrashers() {
  std::vector<Crasher> found;
  const fs::path root = fs::path(TAVOLO_TEST_DATA) / "crashers";
  for (const auto& folder : fs::directory_iterator(root)) {
    if (!folder.is_directory()) continue;
    const auto format = kFolderFormats.find(folder.path().filename().string());
    if (format == kFolderFormats.end()) continue;
    for (const auto& file : fs::directory_iterator(folder.path())) {
      if (file.is_regular_file()) found.push_back({file.path(), format->second});
    }
  }
  return found;
}

std::vector<uint8_t> ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A decode either fails cleanly, empty and with a reason, or yields an image whose storage matches
// its declared size and whose every pixel can be read.
void ExpectSoundResult(bool decoded, const RasterImage& image) {
  if (!decoded) {
    EXPECT_FALSE(image.IsValid());
    EXPECT_FALSE(image.GetLastError().empty());
    return;
  }
  ASSERT_TRUE(image.IsValid());
  EXPECT_GT(image.GetWidth(), 0u);
  EXPECT_GT(image.GetHeight(), 0u);
  EXPECT_LE(image.GetWidth(), kMaxImageSide);
  EXPECT_LE(image.GetHeight(), kMaxImageSide);
  EXPECT_EQ(image.PixelData().size(), static_cast<size_t>(image.GetStride()) * image.GetHeight());
  const uint32_t expectedPalette = image.GetBpp() == 24 ? 0u : 1u << image.GetBpp();
  EXPECT_EQ(image.GetPaletteSize(), expectedPalette);
}

TEST(CrasherReplay, FolderHoldsTheHandMadeInputs) {
  const auto crashers = CollectCrashers();
  std::map<int, int> perFormat;
  for (const auto& crasher : crashers) ++perFormat[crasher.format];
  for (const auto& [name, format] : kFolderFormats) {
    EXPECT_GT(perFormat[format], 0) << "no input for " << name;
  }
}

TEST(CrasherReplay, EveryInputFailsCleanlyOrDecodesSoundly) {
  for (const auto& crasher : CollectCrashers()) {
    SCOPED_TRACE(crasher.path.string());
    const std::vector<uint8_t> bytes = ReadAll(crasher.path);

    RasterImage withCode;
    ExpectSoundResult(withCode.Decode(bytes, crasher.format), withCode);

    RasterImage detected;
    ExpectSoundResult(detected.Decode(bytes, kFormatUnknown), detected);

    RasterImage loaded;
    ExpectSoundResult(loaded.Load(crasher.path, crasher.format), loaded);
  }
}

}  // namespace
}  // namespace tavolo
