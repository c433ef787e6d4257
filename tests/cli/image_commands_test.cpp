// tavolo-cli convert and identify, run as a user runs them.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "core/imaging/RasterImage.h"
#include "tests/cli/CliRun.h"
#include "tests/core/imaging/imaging_test_util.h"

namespace tavolo {
namespace {

using test::TempFolder;

using Outcome = test::ShellOutcome;
using test::RunCli;

const std::string kCli = test::TavoloCli().string();

class CliImageCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!test::fs::exists(kCli)) GTEST_SKIP() << "tavolo-cli is not built";
    RasterImage photo = test::MakePhoto(31, 17);
    photo.SetXDpi(72);
    photo.SetYDpi(72);
    ASSERT_TRUE(photo.Save(input_, kFormatBmp));
  }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

  TempFolder dir_;
  const std::string input_ = Path("in.bmp");
};

TEST_F(CliImageCommands, ConvertTakesTheFormatFromTheExtensionAndSetsTheDpi) {
  for (const auto& [name, format] :
       {std::pair{"out.tga", kFormatTga}, {"out.pcx", kFormatPcx}, {"OUT.BMP", kFormatBmp}}) {
    const Outcome run = RunCli("convert " + input_ + " " + Path(name) + " --dpi 300");
    ASSERT_EQ(run.code, 0) << run.output;
    const RasterImage written(test::fs::path(Path(name)), kFormatUnknown);
    ASSERT_TRUE(written.IsValid()) << name;
    EXPECT_EQ(written.GetType(), format) << name;
    EXPECT_EQ(test::TopDownRgb(written),
              test::TopDownRgb(RasterImage(test::fs::path(input_), kFormatBmp)));
    if (format != kFormatTga) {
      EXPECT_EQ(written.GetXDpi(), 300) << name;
    }
  }
}

TEST_F(CliImageCommands, FormatOptionOverridesTheExtensionAndKeepsTheResolution) {
  const Outcome run = RunCli("convert " + input_ + " " + Path("picture.dat") + " --format=pcx");
  ASSERT_EQ(run.code, 0) << run.output;
  const RasterImage written(test::fs::path(Path("picture.dat")), kFormatPcx);
  EXPECT_EQ(written.GetType(), kFormatPcx);
  EXPECT_EQ(written.GetXDpi(), 72);
}

TEST_F(CliImageCommands, GifKeepsEveryColourOfASmallPalette) {
  RasterImage few;
  ASSERT_TRUE(few.Create(40, 20, 24, kFormatUnknown));
  for (uint32_t y = 0; y < 20; ++y) {
    for (uint32_t x = 0; x < 40; ++x) {
      // Blocks of four by four: fifty colours.
      few.SetPixelColor(
          x, y, {static_cast<uint8_t>(x / 4 * 25), static_cast<uint8_t>(y / 4 * 60), 77, 0});
    }
  }
  ASSERT_TRUE(few.Save(Path("few.bmp"), kFormatBmp));
  const Outcome run = RunCli("convert " + Path("few.bmp") + " " + Path("few.gif"));
  ASSERT_EQ(run.code, 0) << run.output;
  const RasterImage gif(test::fs::path(Path("few.gif")), kFormatGif);
  ASSERT_TRUE(gif.IsValid()) << gif.GetLastError();
  EXPECT_EQ(gif.GetBpp(), 8u);
  EXPECT_EQ(test::TopDownRgb(gif), test::TopDownRgb(few));

  // A picture with a palette keeps it, entry for entry.
  RasterImage indexed;
  ASSERT_TRUE(indexed.Create(8, 2, 8, kFormatUnknown));
  for (uint8_t i = 0; i < 16; ++i) {
    indexed.Palette()[i] = {static_cast<uint8_t>(i * 16), 200, static_cast<uint8_t>(255 - i), 0};
    indexed.SetPixelIndex(i % 8, i / 8, i);
  }
  ASSERT_TRUE(indexed.Save(Path("indexed.bmp"), kFormatBmp));
  ASSERT_EQ(RunCli("convert " + Path("indexed.bmp") + " " + Path("indexed.gif")).code, 0);
  const RasterImage kept(test::fs::path(Path("indexed.gif")), kFormatGif);
  ASSERT_TRUE(kept.IsValid()) << kept.GetLastError();
  for (uint8_t i = 0; i < 16; ++i) {
    EXPECT_EQ(kept.GetPixelIndex(i % 8, i / 8), i);
    EXPECT_EQ(kept.Palette()[i], indexed.Palette()[i]);
  }
}

TEST_F(CliImageCommands, IdentifyDescribesTheFile) {
  const Outcome run = RunCli("identify " + input_);
  ASSERT_EQ(run.code, 0) << run.output;
  EXPECT_NE(run.output.find("format: BMP"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("width: 31"), std::string::npos);
  EXPECT_NE(run.output.find("height: 17"), std::string::npos);
  EXPECT_NE(run.output.find("bits per pixel: 24"), std::string::npos);
  EXPECT_NE(run.output.find("dpi: 72 x 72"), std::string::npos);
}

TEST_F(CliImageCommands, EveryFailureExitsNonZeroWithAMessage) {
  struct Case {
    std::string arguments;
    int code;
    std::string message;
  };
  const Case cases[] = {
      {"convert " + input_, 2, "needs an input and an output"},
      {"convert " + input_ + " " + Path("x.bmp") + " --bogus", 2, "unknown option '--bogus'"},
      {"convert " + input_ + " " + Path("x.bmp") + " --dpi", 2, "--dpi needs a value"},
      {"convert " + input_ + " " + Path("x.bmp") + " --dpi 0", 2, "--dpi must be"},
      {"convert " + input_ + " " + Path("x.jpg") + " --quality 101", 2, "--quality must be"},
      {"convert " + input_ + " " + Path("x.xyz"), 2, "cannot tell the format"},
      {"convert " + input_ + " " + Path("x.bmp") + " --format wmf", 2, "unknown format 'wmf'"},
      {"convert " + Path("missing.bmp") + " " + Path("x.bmp"), 1, "Can't open file"},
      {"convert " + input_ + " " + Path("no/such/folder/x.bmp"), 1, "cannot write"},
      {"identify " + Path("missing.bmp"), 1, "cannot read"},
      {"identify", 2, "needs exactly one file"},
      {"identify " + input_ + " --verbose", 2, "unknown option"},
  };
  for (const Case& c : cases) {
    const Outcome run = RunCli(c.arguments);
    EXPECT_EQ(run.code, c.code) << c.arguments << "\n" << run.output;
    EXPECT_NE(run.output.find(c.message), std::string::npos) << c.arguments << "\n" << run.output;
  }
  std::ofstream(Path("junk.bmp")) << "not a picture";
  const Outcome junk = RunCli("convert " + Path("junk.bmp") + " " + Path("x.bmp"));
  EXPECT_EQ(junk.code, 1);
  EXPECT_NE(junk.output.find("Decode: Unknown or wrong format"), std::string::npos) << junk.output;
}

TEST_F(CliImageCommands, EachCommandHasHelp) {
  for (const char* command : {"convert", "identify"}) {
    const Outcome run = RunCli(std::string(command) + " --help");
    EXPECT_EQ(run.code, 0);
    EXPECT_NE(run.output.find(std::string("Usage: tavolo-cli ") + command), std::string::npos);
  }
}

}  // namespace
}  // namespace tavolo
