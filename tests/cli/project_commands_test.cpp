// tavolo-cli info, backgrounds and render, run as a user runs them.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/formats/ProjectFile.h"
#include "core/imaging/RasterImage.h"
#include "core/library/BackgroundLibrary.h"
#include "core/library/BackgroundLibraryFile.h"
#include "tests/cli/CliRun.h"
#include "tests/core/TestFolders.h"
#include "tests/core/formats/ProjectSamples.h"

namespace tavolo {
namespace {

namespace fs = std::filesystem;

class ProjectCli : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!fs::exists(test::TavoloCli())) GTEST_SKIP() << "tavolo-cli is not built";
  }
  // Standard error is left out unless `errors` asks for it.
  test::ShellOutcome Run(const std::string& arguments, bool errors = false) const {
    return test::RunShell("TAVOLO_HOME='" + home_.Path().string() + "' " +
                          test::TavoloCli().string() + " " + arguments +
                          (errors ? " 2>&1" : " 2>/dev/null"));
  }

  test::TempFolder home_;  // no library file: info warns and goes on with an empty table
};

TEST_F(ProjectCli, InfoPrintsTheCardAsJsonAndFailsOnDamagedFiles) {
  CardState card = test::UnusualState();
  card.backgroundIndex = 0;
  card.lines[1].line[1] = QStringLiteral("Tab\there \"quoted\" \u540d\u7247");
  const fs::path path = home_ / "card.tvc";
  ASSERT_TRUE(WriteProject(path, card, test::Table({"Linen"})).ok);

  test::ShellOutcome info = Run("info '" + path.string() + "'");
  EXPECT_EQ(info.code, 0) << info.output;
  for (const char* field :
       {"\"result\": \"success\"", "\"background\": \"Linen\"", "\"version\": 2", "\"lnmb\": 9",
        "\"bgShift\": -0", "\"Tab\\there \\\"quoted\\\" \u540d\u7247\""}) {
    EXPECT_NE(info.output.find(field), std::string::npos) << field << "\n" << info.output;
  }

  std::vector<uint8_t> bytes = test::ReadFileBytes(path);
  bytes.resize(bytes.size() / 2);
  ASSERT_TRUE(test::WriteFileBytes(path, bytes));
  info = Run("info '" + path.string() + "'");
  EXPECT_NE(info.code, 0);
  EXPECT_NE(info.output.find("\"result\": \"file error\""), std::string::npos) << info.output;

  const test::ShellOutcome missing = Run("info '" + (home_ / "none.tvc").string() + "'", true);
  EXPECT_NE(missing.code, 0);
  EXPECT_NE(missing.output.find("none.tvc"), std::string::npos) << missing.output;
}

TEST_F(ProjectCli, BackgroundsListsTheTableAndFailsWithoutALibrary) {
  test::ShellOutcome listed = Run("backgrounds", true);
  EXPECT_NE(listed.code, 0);
  EXPECT_NE(listed.output.find("fl1.tmp was not found"), std::string::npos) << listed.output;

  const std::vector<LibraryEntry> entries = {{MakeBackgroundName("Soft Blue"), 0.0f, {}},
                                             {MakeBackgroundName("Sand"), 119.5f, {}}};
  ASSERT_TRUE(WriteBackgroundLibrary(home_ / "fl1.tmp", entries));
  listed = Run("backgrounds", true);
  EXPECT_EQ(listed.code, 0) << listed.output;
  EXPECT_NE(listed.output.find("     0 \"Soft Blue\"            -0.5\n"), std::string::npos)
      << listed.output;
  EXPECT_NE(listed.output.find("     1 \"Sand\""), std::string::npos) << listed.output;
}

const fs::path kBin = TAVOLO_BIN_DIR;

using Outcome = test::ShellOutcome;

// Render on a project that names a shipped background, with the program folder the tool's own.
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
    card.backgroundIndex = 5;
    card.layoutIndex = 2;
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
