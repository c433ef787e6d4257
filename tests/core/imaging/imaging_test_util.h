// Helpers shared by the imaging tests: small synthetic pictures and ImageMagick as an independent
// decoder and encoder.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "core/imaging/RasterImage.h"
#include "tests/core/TestFolders.h"
#include "tests/core/imaging/MagickInterop.h"

namespace tavolo::test {

namespace fs = std::filesystem;

// A 24-bit picture with smooth gradients and some texture, so every byte position matters.
inline RasterImage MakePhoto(uint32_t width, uint32_t height) {
  RasterImage image;
  image.Create(width, height, 24, kFormatUnknown);
  for (uint32_t y = 0; y < height; ++y) {
    for (uint32_t x = 0; x < width; ++x) {
      image.SetPixelColor(x, y,
                          {static_cast<uint8_t>(x * 255 / (width - 1 ? width - 1 : 1)),
                           static_cast<uint8_t>((x * 7 + y * 13) & 0xFF),
                           static_cast<uint8_t>(y * 255 / (height - 1 ? height - 1 : 1)), 0});
    }
  }
  return image;
}

// Picture rows from the top, three bytes red-green-blue a pixel: ImageMagick's "rgb:" layout.
inline std::vector<uint8_t> TopDownRgb(const RasterImage& image) {
  return ImagePixels(image).rgb;
}

// Little-endian writers for hand-built files.
inline void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
inline void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

// The picture as a binary PPM, a lossless input for ImageMagick.
inline void WritePpm(const RasterImage& image, const fs::path& path) {
  const std::string header = "P6\n" + std::to_string(image.GetWidth()) + " " +
                             std::to_string(image.GetHeight()) + "\n255\n";
  std::vector<uint8_t> bytes(header.begin(), header.end());
  const auto rgb = TopDownRgb(image);
  bytes.insert(bytes.end(), rgb.begin(), rgb.end());
  WriteFileBytes(path, bytes);
}

// The ImageMagick installed by the dependency script; empty when it is missing.
inline std::string ConvertTool() {
  for (const char* candidate : {"/usr/bin/convert", "/usr/bin/convert-im6.q16"}) {
    if (fs::exists(candidate)) return candidate;
  }
  return std::system("command -v convert >/dev/null 2>&1") == 0 ? "convert" : "";
}

inline std::string IdentifyTool() {
  if (fs::exists("/usr/bin/identify")) return "/usr/bin/identify";
  return "identify";
}

inline int Run(const std::string& command) {
  return std::system((command + " >/dev/null 2>&1").c_str());
}

// ImageMagick's own decode of a file, as rows from the top in red-green-blue bytes.
inline std::vector<uint8_t> MagickRgb(const fs::path& file, const std::string& options = "") {
  const fs::path raw = file.string() + ".rgb";
  const std::string command = ConvertTool() + " '" + file.string() + "' " + options +
                              " -depth 8 'rgb:" + raw.string() + "'";
  if (Run(command) != 0) {
    ADD_FAILURE() << "ImageMagick failed: " << command;
    return {};
  }
  return ReadFileBytes(raw);
}

// Runs ImageMagick's identify with a format string and returns what it prints.
inline std::string MagickIdentify(const fs::path& file, const std::string& format) {
  const fs::path text = file.string() + ".txt";
  const std::string command = IdentifyTool() + " -format '" + format + "' '" + file.string() +
                              "' > '" + text.string() + "' 2>/dev/null";
  if (std::system(command.c_str()) != 0) ADD_FAILURE() << "identify failed: " << command;
  const auto bytes = ReadFileBytes(text);
  return {bytes.begin(), bytes.end()};
}

#define TAVOLO_REQUIRE_MAGICK()                                 \
  do {                                                          \
    if (::tavolo::test::ConvertTool().empty()) {                \
      GTEST_SKIP() << "ImageMagick's convert is not installed"; \
    }                                                           \
  } while (0)

}  // namespace tavolo::test
