#include "tests/core/imaging/MagickInterop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace tavolo::test {

namespace {

std::string RunAndCapture(const std::string& command) {
  std::string output;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return output;
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
  if (pclose(pipe) != 0) output.clear();
  return output;
}

}  // namespace

bool HaveMagick() {
  static const bool have = std::system("convert -version >/dev/null 2>&1") == 0 &&
                           std::system("identify -version >/dev/null 2>&1") == 0;
  return have;
}

std::string Quoted(const std::filesystem::path& file) {
  std::string quoted = "'";
  for (char c : file.string()) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

bool RunConvert(const std::string& args) {
  const std::string command = "convert " + args + " >/dev/null 2>&1";
  return std::system(command.c_str()) == 0;
}

std::string Identify(const std::filesystem::path& file, const std::string& format) {
  return RunAndCapture("identify -format " + Quoted(format) + " " + Quoted(file) + " 2>/dev/null");
}

std::optional<RgbPixels> MagickPixels(const std::filesystem::path& file,
                                      const std::string& options) {
  // A binary PPM of the first frame: "P6", the size, 255, one whitespace byte, then the pixels.
  const std::string ppm = RunAndCapture("convert " + Quoted(file.string() + "[0]") + " " + options +
                                        " -depth 8 ppm:- 2>/dev/null");
  RgbPixels pixels;
  int header = 0;
  if (std::sscanf(ppm.c_str(), "P6 %u %u 255%n", &pixels.width, &pixels.height, &header) != 2 ||
      header == 0 || static_cast<size_t>(header) >= ppm.size()) {
    return std::nullopt;
  }
  pixels.rgb.assign(ppm.begin() + header + 1, ppm.end());
  if (pixels.rgb.size() != static_cast<size_t>(pixels.width) * pixels.height * 3) {
    return std::nullopt;
  }
  return pixels;
}

void ExpectMagickDecodesAs(const std::vector<uint8_t>& bytes, const RasterImage& ours,
                           const std::string& name, const std::string& options, int tolerance) {
  if (!HaveMagick()) return;
  TempFolder dir;
  WriteFileBytes(dir / name, bytes);
  const auto theirs = MagickPixels(dir / name, options);
  ASSERT_TRUE(theirs.has_value()) << name;
  EXPECT_LE(MaxChannelDifference(ImagePixels(ours), *theirs), tolerance) << name;
}

RgbPixels ImagePixels(const RasterImage& image) {
  RgbPixels pixels;
  pixels.width = image.GetWidth();
  pixels.height = image.GetHeight();
  pixels.rgb.reserve(static_cast<size_t>(pixels.width) * pixels.height * 3);
  for (uint32_t row = 0; row < pixels.height; ++row) {
    const uint32_t y = pixels.height - 1 - row;
    for (uint32_t x = 0; x < pixels.width; ++x) {
      const RgbQuad c = image.GetPixelColour(x, y);
      pixels.rgb.insert(pixels.rgb.end(), {c.red, c.green, c.blue});
    }
  }
  return pixels;
}

int MaxChannelDifference(const RgbPixels& a, const RgbPixels& b) {
  if (a.width != b.width || a.height != b.height || a.rgb.size() != b.rgb.size()) return 256;
  int worst = 0;
  for (size_t i = 0; i < a.rgb.size(); ++i) {
    worst = std::max(worst, std::abs(static_cast<int>(a.rgb[i]) - static_cast<int>(b.rgb[i])));
  }
  return worst;
}

double MeanChannelDifference(const RgbPixels& a, const RgbPixels& b) {
  if (a.width != b.width || a.height != b.height || a.rgb.size() != b.rgb.size() || a.rgb.empty()) {
    return 255;
  }
  double sum = 0;
  for (size_t i = 0; i < a.rgb.size(); ++i) {
    sum += std::abs(static_cast<int>(a.rgb[i]) - static_cast<int>(b.rgb[i]));
  }
  return sum / static_cast<double>(a.rgb.size());
}

RasterImage MakePaletteImage(uint32_t width, uint32_t height, uint32_t bpp, uint32_t colours) {
  RasterImage image;
  image.Create(width, height, bpp, kFormatUnknown);
  auto palette = image.Palette();
  for (size_t i = 0; i < palette.size(); ++i) {
    palette[i] = {static_cast<uint8_t>(i * 3), static_cast<uint8_t>(i * 101),
                  static_cast<uint8_t>(250 - i), 0};
  }
  for (uint32_t y = 0; y < height; ++y) {
    for (uint32_t x = 0; x < width; ++x) {
      image.SetPixelIndex(x, y, static_cast<uint8_t>((x * 7 + y * 3) % colours));
    }
  }
  return image;
}

std::vector<uint8_t> Encode(RasterImage& image, int format) {
  std::vector<uint8_t> bytes;
  EXPECT_TRUE(image.Encode(bytes, format)) << image.GetLastError();
  return bytes;
}

void MagickSourceTest::SetUp() {
  if (!HaveMagick()) GTEST_SKIP() << "ImageMagick's convert is not installed";
  source_ = dir_ / "source.png";
  ASSERT_TRUE(RunConvert(plasma_ + " -depth 8 " + Quoted(source_)));
}

}  // namespace tavolo::test
