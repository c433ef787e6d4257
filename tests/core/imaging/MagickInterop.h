#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/imaging/RasterImage.h"
#include "tests/core/TestFolders.h"

namespace tavolo::test {

bool HaveMagick();

// ImageMagick options that composite a picture over white, so pictures with alpha compare as
// plain colour.
inline constexpr char kOverWhite[] = "-background white -alpha remove -alpha off";

// Runs `convert ARGS` with the output discarded; true when it exits with 0.
bool RunConvert(const std::string& args);
// Runs `identify -format FORMAT FILE` and returns what it printed (empty on failure).
std::string Identify(const std::filesystem::path& file, const std::string& format);

std::string Quoted(const std::filesystem::path& file);

// Pixels as top-down rows of red, green, blue bytes.
struct RgbPixels {
  uint32_t width = 0;
  uint32_t height = 0;
  std::vector<uint8_t> rgb;
};

// ImageMagick's reading of a file's first frame: `convert FILE[0] OPTIONS -depth 8 ppm:-`. OPTIONS
// go between the input and the output, for example kOverWhite.
std::optional<RgbPixels> MagickPixels(const std::filesystem::path& file,
                                      const std::string& options = "");

// Writes the bytes to a file of the given name and checks, when ImageMagick is there, that it
// decodes them (with OPTIONS) to the pixels we decoded, within the tolerance.
void ExpectMagickDecodesAs(const std::vector<uint8_t>& bytes, const RasterImage& ours,
                           const std::string& name, const std::string& options = "",
                           int tolerance = 0);

// Our reading: the image's pixels (through its palette) in the same layout.
RgbPixels ImagePixels(const RasterImage& image);

// Largest difference of any channel; 256 when the sizes differ.
int MaxChannelDifference(const RgbPixels& a, const RgbPixels& b);
// Mean difference over all channels, for lossy formats; 255 when the sizes differ.
double MeanChannelDifference(const RgbPixels& a, const RgbPixels& b);

// A picture of `bpp` bits a pixel over a palette of distinct colours, its indices a diagonal
// pattern of the first `colours` entries.
RasterImage MakePaletteImage(uint32_t width, uint32_t height, uint32_t bpp, uint32_t colours);

// The image encoded in the format; a failure to encode fails the test.
std::vector<uint8_t> Encode(RasterImage& image, int format);

// A fixture for checks against ImageMagick: skips the test without it, and otherwise has it draw
// a plasma picture of the given size and seed as source_, in a folder of the test's own.
class MagickSourceTest : public ::testing::Test {
 protected:
  MagickSourceTest(uint32_t width, uint32_t height, int seed)
      : plasma_("-size " + std::to_string(width) + "x" + std::to_string(height) + " -seed " +
                std::to_string(seed) + " plasma:") {}
  void SetUp() override;

  TempFolder dir_;
  std::filesystem::path source_;

 private:
  std::string plasma_;
};

}  // namespace tavolo::test
