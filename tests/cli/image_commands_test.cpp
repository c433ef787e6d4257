// tavolo-cli convert and identify, run as a user runs them.
#include "core/imaging/RasterImage.h"
#include "tests/cli/CliRun.h"
#include "tests/core/imaging/imaging_test_util.h"

namespace tavolo {
namespace {

using Outcome = test::ShellOutcome;
using test::RunCli;

class CliImageCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!test::fs::exists(test::TavoloCli())) GTEST_SKIP() << "tavolo-cli is not built";
    RasterImage photo = test::MakePhoto(31, 17);
    photo.SetXDpi(72);
    photo.SetYDpi(72);
    ASSERT_TRUE(photo.Save(input_, kFormatBmp));
  }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  RasterImage Read(const std::string& name) const {
    return RasterImage(test::fs::path(Path(name)), kFormatUnknown);
  }

  test::TempFolder dir_;
  const std::string input_ = Path("in.bmp");
};

TEST_F(CliImageCommands, ConvertTakesTheFormatFromTheExtensionOrTheOptionAndSetsTheDpi) {
  const std::tuple<const char*, const char*, int, int> cases[] = {
      {"OUT.BMP", " --dpi 300", kFormatBmp, 300},
      {"picture.dat", " --format=pcx", kFormatPcx, 72},  // the resolution kept
  };
  for (const auto& [name, options, format, dpi] : cases) {
    const Outcome run = RunCli("convert " + input_ + " " + Path(name) + options);
    ASSERT_EQ(run.code, 0) << run.output;
    const RasterImage written = Read(name);
    ASSERT_TRUE(written.IsValid()) << name;
    EXPECT_EQ(written.GetType(), format) << name;
    EXPECT_EQ(written.GetXDpi(), dpi) << name;
    EXPECT_EQ(test::ImagePixels(written).rgb, test::ImagePixels(Read("in.bmp")).rgb) << name;
  }
}

TEST_F(CliImageCommands, GifKeepsEveryColourOfASmallPictureAndAPaletteEntryForEntry) {
  RasterImage few;
  ASSERT_TRUE(few.Create(40, 20, 24, kFormatUnknown));
  for (uint32_t y = 0; y < 20; ++y) {
    for (uint32_t x = 0; x < 40; ++x) {
      // Blocks of four by four: fifty colours.
      few.SetPixelColour(
          x, y, {static_cast<uint8_t>(x / 4 * 25), static_cast<uint8_t>(y / 4 * 60), 77, 0});
    }
  }
  RasterImage indexed = test::MakePaletteImage(8, 2, 8, 16);
  for (const auto& [name, picture] : {std::pair{"few", &few}, {"indexed", &indexed}}) {
    ASSERT_TRUE(picture->Save(Path(std::string(name) + ".bmp"), kFormatBmp));
    const Outcome run = RunCli("convert " + Path(std::string(name) + ".bmp") + " " +
                               Path(std::string(name) + ".gif"));
    ASSERT_EQ(run.code, 0) << run.output;
    const RasterImage gif = Read(std::string(name) + ".gif");
    ASSERT_TRUE(gif.IsValid()) << gif.GetLastError();
    EXPECT_EQ(gif.GetType(), kFormatGif);
    EXPECT_EQ(gif.GetBpp(), 8u);
    EXPECT_EQ(test::ImagePixels(gif).rgb, test::ImagePixels(*picture).rgb) << name;
  }
  const RasterImage kept = Read("indexed.gif");
  for (uint32_t i = 0; i < 16; ++i) {
    EXPECT_EQ(kept.GetPixelIndex(i % 8, i / 8), indexed.GetPixelIndex(i % 8, i / 8));
    EXPECT_EQ(kept.Palette()[i], indexed.Palette()[i]);
  }
}

TEST_F(CliImageCommands, ConvertKeepsAlphaWhereTheTargetHoldsItAndLaysItOverWhiteElsewhere) {
  // Red: clear in the first column, half transparent in the second, opaque after.
  RasterImage clear;
  ASSERT_TRUE(clear.Create(8, 4, 24, kFormatUnknown));
  ASSERT_TRUE(clear.AddAlpha());
  for (uint32_t y = 0; y < 4; ++y) {
    for (uint32_t x = 0; x < 8; ++x) {
      clear.SetPixelColour(x, y, {0, 0, 255, 0});
      clear.GetAlphaRow(y)[x] = x == 0 ? 0 : x == 1 ? 128 : 255;
    }
  }
  ASSERT_TRUE(clear.Save(Path("clear.png"), kFormatPng));
  // The file, and the alpha it holds in the first and the second column.
  const std::tuple<const char*, uint8_t, uint8_t> cases[] = {
      {"out.png", 0, 128}, {"out.tga", 0, 128},   {"out.tif", 0, 128},
      {"out.gif", 0, 255}, {"out.bmp", 255, 255}, {"out.jpg", 255, 255}};
  for (const auto& [name, clearAlpha, halfAlpha] : cases) {
    const Outcome run = RunCli("convert " + Path("clear.png") + " " + Path(name));
    ASSERT_EQ(run.code, 0) << name << ": " << run.output;
    RasterImage written;
    written.SetAlphaHandling(AlphaHandling::kKeep);
    ASSERT_TRUE(written.Load(Path(name), kFormatUnknown)) << name;
    EXPECT_EQ(written.GetPixelAlpha(0, 0), clearAlpha) << name;
    EXPECT_EQ(written.GetPixelAlpha(1, 0), halfAlpha) << name;
    // Laid over white where the file holds no alpha: white, and red half way to white.
    EXPECT_TRUE(clearAlpha != 255 || written.GetPixelColour(0, 0).green >= 250) << name;
    EXPECT_TRUE(halfAlpha != 255 || std::abs(written.GetPixelColour(1, 0).green - 127) <= 3)
        << name;
  }
}

TEST_F(CliImageCommands, IdentifyDescribesTheFileAndEachCommandHasHelp) {
  const Outcome run = RunCli("identify " + input_);
  ASSERT_EQ(run.code, 0) << run.output;
  for (const char* line :
       {"format: BMP", "width: 31", "height: 17", "bits per pixel: 24", "dpi: 72 x 72"}) {
    EXPECT_TRUE(test::Says(run, line));
  }
  for (const char* command : {"convert", "identify"}) {
    const Outcome help = RunCli(std::string(command) + " --help");
    EXPECT_EQ(help.code, 0);
    EXPECT_TRUE(test::Says(help, std::string("Usage: tavolo-cli ") + command));
    EXPECT_TRUE(test::Says(help, "(default 67108864, 64 megapixels)"));
  }
  EXPECT_EQ(RunCli("identify --max-pixels 527 " + input_).code, 0);
}

TEST_F(CliImageCommands, EveryFailureExitsNonZeroWithAMessage) {
  ASSERT_TRUE(test::WriteFileBytes(Path("junk.bmp"), {'n', 'o', 't'}));
  const std::string to = input_ + " " + Path("x.bmp");
  const std::tuple<std::string, int, const char*> cases[] = {
      {"convert " + input_, 2, "needs an input and an output"},
      {"convert " + to + " " + Path("y.bmp"), 2, "needs an input and an output"},
      {"convert " + to + " --bogus", 2, "unknown option '--bogus'"},
      {"convert " + to + " --dpi", 2, "--dpi needs a value"},
      {"convert " + to + " --dpi 0", 2, "--dpi must be"},
      {"convert " + input_ + " " + Path("x.jpg") + " --quality 101", 2, "--quality must be"},
      {"convert " + input_ + " " + Path("x.xyz"), 2, "cannot tell the format"},
      {"convert " + to + " --format wmf", 2, "unknown format 'wmf'"},
      {"convert " + Path("missing.bmp") + " " + Path("x.bmp"), 1, "Can't open file"},
      {"convert " + Path("junk.bmp") + " " + Path("x.bmp"), 1, "Decode: Unknown or wrong format"},
      {"convert " + input_ + " " + Path("no/such/folder/x.bmp"), 1, "cannot write"},
      {"identify " + Path("missing.bmp"), 1, "cannot read"},
      {"identify", 2, "needs exactly one file"},
      {"identify " + input_ + " --verbose", 2, "unknown option"},
      // 31 x 17 is 527 pixels: a limit below refuses it, before its pixels are held.
      {"convert " + to + " --max-pixels 526", 1, "Image too large"},
      {"identify " + input_ + " --max-pixels=526", 1, "Image too large"},
      {"identify " + input_ + " --max-pixels 0", 2, "--max-pixels must be"},
      {"convert " + input_ + " " + dir_.Path().string() + "/./in.bmp", 2, "is the input file"},
  };
  for (const auto& [arguments, code, message] : cases) {
    const Outcome run = RunCli(arguments);
    EXPECT_EQ(run.code, code) << arguments << "\n" << run.output;
    EXPECT_TRUE(test::Says(run, message)) << arguments;
  }
}

}  // namespace
}  // namespace tavolo
