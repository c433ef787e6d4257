#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "core/imaging/RasterImage.h"
#include "tests/core/imaging/imaging_test_util.h"

namespace tavolo {
namespace {

constexpr RgbQuad kRed{0, 0, 255, 0};
constexpr RgbQuad kBlue{255, 0, 0, 0};
constexpr RgbQuad kWhite{255, 255, 255, 0};

RasterImage Decoded(const std::filesystem::path& file, AlphaHandling handling) {
  RasterImage image;
  image.SetAlphaHandling(handling);
  image.Load(file, kFormatUnknown);
  return image;
}

void ExpectNear(RgbQuad actual, RgbQuad expected, int tolerance, const std::string& what) {
  EXPECT_LE(std::abs(actual.blue - expected.blue), tolerance) << what;
  EXPECT_LE(std::abs(actual.green - expected.green), tolerance) << what;
  EXPECT_LE(std::abs(actual.red - expected.red), tolerance) << what;
}

// Three pixels, as ImageMagick writes them: opaque red, blue at half alpha, clear green.
class AlphaDecode : public test::MagickSourceTest {
 protected:
  AlphaDecode() : MagickSourceTest(3, 1, 1) {}
};

TEST_F(AlphaDecode, EachFormatKeepsItsAlphaOnRequestAndIsLaidOverWhiteOtherwise) {
  // partial: holds partial alpha, not only a clear colour
  const std::tuple<const char*, const char*, bool, int> cases[] = {
      {"rgba.png", "", true, 0},
      {"palette.png", "-colors 3 -define png:format=png8", false, 0},
      {"clear.gif", "", false, 0},
      {"rgba.tga", "", true, 0},
      {"unassociated.tif", "-define tiff:alpha=unassociated", true, 0},
      {"associated.tif", "-define tiff:alpha=associated", true, 2},
      {"rgba.ico", "", true, 0},
      {"rgba.pcx", "", true, 0},
  };
  for (const auto& [name, options, partial, tolerance] : cases) {
    const auto file = dir_.Path() / name;
    const std::string half = partial ? "rgba(0,0,255,0.5)" : "rgba(0,0,255,1)";
    ASSERT_TRUE(test::RunConvert("-size 1x1 xc:red xc:'" + half +
                                 "' xc:'rgba(0,255,0,0)' +append " + options + " " +
                                 test::Quoted(file)))
        << name;
    const RasterImage kept = Decoded(file, AlphaHandling::kKeep);
    ASSERT_TRUE(kept.IsValid()) << name << ": " << kept.GetLastError();
    ASSERT_TRUE(kept.HasAlpha()) << name;
    EXPECT_EQ(kept.GetPixelAlpha(0, 0), 255) << name;
    ExpectNear(kept.GetPixelColour(0, 0), kRed, 0, name);
    EXPECT_EQ(kept.GetPixelAlpha(2, 0), 0) << name;
    if (partial) {
      EXPECT_NEAR(kept.GetPixelAlpha(1, 0), 128, 1) << name;
      ExpectNear(kept.GetPixelColour(1, 0), kBlue, tolerance, name);
    }

    const RasterImage flat = Decoded(file, AlphaHandling::kOverWhite);
    ASSERT_TRUE(flat.IsValid()) << name << ": " << flat.GetLastError();
    EXPECT_FALSE(flat.HasAlpha()) << name;
    ExpectNear(flat.GetPixelColour(0, 0), kRed, 0, name);
    if (partial) ExpectNear(flat.GetPixelColour(1, 0), {255, 127, 127, 0}, 1, name);
    // GIF's transparent index keeps its palette colour when alpha is not kept.
    if (std::string(name) != "clear.gif") ExpectNear(flat.GetPixelColour(2, 0), kWhite, 0, name);
  }
}

// Red on a 4-bit palette or in 24 bits, its alpha rising from 0 along the row, or only clear in
// the row's first half.
RasterImage Ramp(uint32_t bpp, bool partial = true) {
  RasterImage image;
  image.Create(16, 2, bpp, kFormatUnknown);
  if (bpp != 24) image.Palette()[1] = kRed;
  image.AddAlpha();
  for (uint32_t y = 0; y < 2; ++y) {
    for (uint32_t x = 0; x < 16; ++x) {
      image.SetPixelColour(x, y, kRed);
      image.GetAlphaRow(y)[x] = partial ? static_cast<uint8_t>(x * 17) : x < 8 ? 0 : 255;
    }
  }
  return image;
}

TEST(AlphaEncode, FormatsWithAlphaWriteItAndTheOthersLayThePictureOverWhite) {
  const std::pair<int, AlphaSupport> cases[] = {
      {kFormatPng, AlphaSupport::kFull},      {kFormatTga, AlphaSupport::kFull},
      {kFormatTiff, AlphaSupport::kFull},     {kFormatIco, AlphaSupport::kFull},
      {kFormatGif, AlphaSupport::kClearOnly}, {kFormatBmp, AlphaSupport::kNone},
      {kFormatPcx, AlphaSupport::kNone}};
  for (const auto& [format, support] : cases) {
    for (const uint32_t bpp : {4u, 24u}) {
      // GIF takes palette pictures only, with alpha that its one clear colour can hold.
      const bool gif = support == AlphaSupport::kClearOnly;
      if (gif && bpp == 24) continue;
      RasterImage ramp = Ramp(bpp, !gif);
      RasterImage back;
      back.SetAlphaHandling(AlphaHandling::kKeep);
      ASSERT_TRUE(back.Decode(test::Encode(ramp, format), format)) << back.GetLastError();
      const std::string what = std::to_string(format) + " from " + std::to_string(bpp) + " bits";
      for (const uint32_t x : {0u, 7u, 15u}) {
        const uint8_t alpha = ramp.GetPixelAlpha(x, 0);
        if (support == AlphaSupport::kNone) {
          EXPECT_FALSE(back.HasAlpha()) << what;
          const auto white = static_cast<uint8_t>(255 - alpha);
          ExpectNear(back.GetPixelColour(x, 0), {white, white, 255, 0}, 1, what);
          continue;
        }
        EXPECT_EQ(back.GetPixelAlpha(x, 0), alpha) << what << " at " << x;
        EXPECT_TRUE(alpha == 0 || back.GetPixelColour(x, 0) == kRed) << what << " at " << x;
      }
    }
  }
}

TEST(AlphaTransform, CropsKeepAlphaAndTurnsOtherThanQuarterOnesLeaveClearCorners) {
  const RasterImage ramp = Ramp(24);
  RasterImage cropped;
  ASSERT_TRUE(ramp.Crop(4, 0, 8, 2, cropped));
  EXPECT_EQ(cropped.GetPixelAlpha(0, 0), 4 * 17);
  RasterImage turned;
  ASSERT_TRUE(ramp.Rotate(30.0f, turned));
  EXPECT_EQ(turned.GetPixelAlpha(0, 0), 0);
  EXPECT_EQ(turned.GetPixelAlpha(turned.GetWidth() - 1, turned.GetHeight() - 1), 0);
  // An opaque picture turns as it always did: white corners, no alpha.
  RasterImage opaque = test::MakePhoto(16, 2);
  ASSERT_TRUE(opaque.Rotate(30.0f, turned));
  EXPECT_FALSE(turned.HasAlpha());
  EXPECT_EQ(turned.GetPixelColour(0, 0), kWhite);
}

}  // namespace
}  // namespace tavolo
