// tavolo-cli render, run as a user runs it, on a project that names a shipped background.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

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

TEST_F(CliRender, FailuresSayWhyExitNonZeroAndWriteNothing) {
  ASSERT_TRUE(test::WriteFileBytes(dir_ / "broken.tvc", {2, 0, 0}));
  for (const auto& [project, out] : {std::pair{dir_ / "missing.tvc", dir_ / "x.png"},
                                     {dir_ / "broken.tvc", dir_ / "x.png"},
                                     {fs::path(project_), dir_ / "x.webp"}}) {
    const Outcome run = RunCli("render " + project.string() + " -o " + out.string());
    EXPECT_NE(run.code, 0) << project;
    EXPECT_FALSE(run.output.empty()) << project;
    EXPECT_FALSE(fs::exists(out)) << project;
  }
}

}  // namespace
}  // namespace tavolo
