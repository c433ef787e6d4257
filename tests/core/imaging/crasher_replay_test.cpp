// Replays the inputs kept in tests/data/crashers: each must be refused with a message or give a
// sound image, decoded with its folder's format code, with detection and through a file load.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "core/imaging/RasterImage.h"
#include "tests/core/TestFolders.h"
#include "tests/core/imaging/DamagedInputs.h"

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
    const std::vector<uint8_t> bytes = test::ReadFileBytes(crasher.path);

    test::ExpectCleanDecodes(bytes, crasher.format);
    RasterImage loaded;
    test::ExpectSoundResult(loaded.Load(crasher.path, crasher.format), loaded);
  }
}

}  // namespace
}  // namespace tavolo
