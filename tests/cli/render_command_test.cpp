// tavolo-cli render, run as a user runs it, on a project that names a shipped background.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/imaging/RasterImage.h"
#include "core/io/ProjectFile.h"
#include "core/library/BackgroundLibrary.h"
#include "tests/cli/CliRun.h"
#include "tests/core/TestFolders.h"

namespace tavolo {
namespace {

namespace fs = std::filesystem;

const fs::path kBin = TAVOLO_BIN_DIR;

using Outcome = test::ShellOutcome;

// The program folder is the tool's own, where the build put the background library.
Outcome RunCli(const std::string& arguments) {
  return test::RunCli(arguments, "TAVOLO_HOME= ");
}

class CliRender : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!fs::exists(kBin / "tavolo-cli") || !fs::exists(kBin / "fl1.tmp")) {
      GTEST_SKIP() << "tavolo-cli or the background library is not built";
    }
    BackgroundTable table;
    ASSERT_TRUE(ReadBGFileIn(table, kBin).Ok());
    CardState card;
    card.pnmb = 5;
    card.lnmb = 2;
    card.boxCount = 3;
    card.dpi = 600;
    card.lines[0].count = 1;
    card.lines[0].line[0] = QStringLiteral("Ferro & Figli");
    ASSERT_TRUE(WriteProject(project_ = (dir_ / "card.tvc").string(), card, table).ok);
  }

  test::TempFolder dir_;
  std::string project_;
};

TEST_F(CliRender, RendersFullSizeOrDividedWithTheCardsDpi) {
  const std::string png = (dir_ / "card.png").string();
  Outcome run = RunCli("render " + project_ + " -o " + png);
  ASSERT_EQ(run.code, 0) << run.output;
  RasterImage full(fs::path(png), kFormatPng);
  ASSERT_TRUE(full.IsValid());
  EXPECT_EQ(full.GetWidth(), 1062u);
  EXPECT_EQ(full.GetHeight(), 615u);
  EXPECT_EQ(full.GetXDpi(), 600);

  const std::string small = (dir_ / "small.img").string();
  run = RunCli("render " + project_ + " -o " + small + " --format gif --ndiv 3");
  ASSERT_EQ(run.code, 0) << run.output;
  RasterImage gif(fs::path(small), kFormatUnknown);
  ASSERT_TRUE(gif.IsValid());
  EXPECT_EQ(gif.GetType(), kFormatGif);
  EXPECT_EQ(gif.GetWidth(), 354u);
  EXPECT_EQ(gif.GetHeight(), 205u);
}

TEST_F(CliRender, FailuresSayWhyAndExitNonZero) {
  Outcome run =
      RunCli("render " + (dir_ / "missing.tvc").string() + " -o " + (dir_ / "x.png").string());
  EXPECT_NE(run.code, 0);
  EXPECT_FALSE(run.output.empty());
  EXPECT_FALSE(fs::exists(dir_ / "x.png"));

  run = RunCli("render " + project_ + " -o " + (dir_ / "x.webp").string());
  EXPECT_NE(run.code, 0);
  EXPECT_FALSE(run.output.empty());

  std::ofstream(dir_ / "broken.tvc", std::ios::binary) << "\x02\x00\x00";
  run = RunCli("render " + (dir_ / "broken.tvc").string() + " -o " + (dir_ / "y.png").string());
  EXPECT_NE(run.code, 0);
  EXPECT_FALSE(fs::exists(dir_ / "y.png"));
}

TEST_F(CliRender, OutputsThatAreNotRegularFilesAreRefusedAndLeftAlone) {
  ASSERT_TRUE(test::WriteFileBytes(dir_ / "victim.png", {'o', 'l', 'd'}));
  RasterImage picture;
  ASSERT_TRUE(picture.Create(3, 2, 24, kFormatUnknown) &&
              picture.Save(dir_ / "in.bmp", kFormatBmp));
  ASSERT_EQ(::mkfifo((dir_ / "pipe.png").c_str(), 0600), 0);
  fs::create_directory(dir_ / "folder.png");
  fs::create_symlink(dir_ / "victim.png", dir_ / "link.png");
  struct Case {
    const char* name;
    const char* says;
    fs::file_type type;
  };
  const Case cases[] = {
      {"pipe.png", "is a named pipe, not a file.", fs::file_type::fifo},
      {"folder.png", "is a folder, not a file.", fs::file_type::directory},
      {"link.png", "is a symbolic link, not a file.", fs::file_type::symlink},
  };
  for (const Case& c : cases) {
    const std::string out = (dir_ / c.name).string();
    for (const std::string& command :
         {"render " + project_ + " -o " + out,
          "convert " + (dir_ / "in.bmp").string() + " " + out + " --format bmp"}) {
      const Outcome run = RunCli(command);
      EXPECT_EQ(run.code, 1) << command << "\n" << run.output;
      EXPECT_NE(run.output.find(out + " " + c.says), std::string::npos) << run.output;
      EXPECT_EQ(fs::symlink_status(dir_ / c.name).type(), c.type) << command;
    }
  }
  EXPECT_EQ(test::ReadFileBytes(dir_ / "victim.png"), (std::vector<uint8_t>{'o', 'l', 'd'}));
}

}  // namespace
}  // namespace tavolo
