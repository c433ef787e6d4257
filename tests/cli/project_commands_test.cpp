// tavolo-cli info and backgrounds, run as a user runs them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/io/ProjectFile.h"
#include "core/library/BackgroundLibraryFile.h"
#include "tests/cli/CliRun.h"
#include "tests/core/TestFolders.h"
#include "tests/core/io/ProjectSamples.h"

namespace tavolo {
namespace {

namespace fs = std::filesystem;

using test::Table;
using test::TempFolder;
using test::UnusualState;

using CommandOutput = test::ShellOutcome;
using test::RunShell;

TEST(ProjectCli, InfoPrintsTheCardAsJsonAndFailsOnDamagedFiles) {
  const fs::path cli = fs::path(TAVOLO_BIN_DIR) / "tavolo-cli";
  if (!fs::exists(cli)) GTEST_SKIP() << "tavolo-cli is not built";
  TempFolder home;  // no library file: info warns and goes on with an empty table
  CardState card = UnusualState();
  card.pnmb = 0;
  card.lines[1].line[1] = QStringLiteral("Tab\there \"quoted\" \u540d\u7247");
  BackgroundTable table = Table({"Linen"});
  const fs::path path = home.Path() / "card.tvc";
  ASSERT_TRUE(WriteProject(path, card, table).ok);
  const std::string env = "TAVOLO_HOME='" + home.Path().string() + "' ";

  CommandOutput info = RunShell(env + cli.string() + " info '" + path.string() + "' 2>/dev/null");
  EXPECT_EQ(info.code, 0) << info.output;
  EXPECT_NE(info.output.find("\"result\": \"success\""), std::string::npos) << info.output;
  EXPECT_NE(info.output.find("\"background\": \"Linen\""), std::string::npos);
  EXPECT_NE(info.output.find("\"version\": 2"), std::string::npos);
  EXPECT_NE(info.output.find("\"lnmb\": 9"), std::string::npos);
  EXPECT_NE(info.output.find("\"bgShift\": -0"), std::string::npos);
  EXPECT_NE(info.output.find("\"Tab\\there \\\"quoted\\\" \u540d\u7247\""), std::string::npos)
      << info.output;

  std::vector<uint8_t> bytes = test::ReadFileBytes(path);
  bytes.resize(bytes.size() / 2);
  {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  }
  info = RunShell(env + cli.string() + " info '" + path.string() + "' 2>/dev/null");
  EXPECT_NE(info.code, 0);
  EXPECT_NE(info.output.find("\"result\": \"file error\""), std::string::npos) << info.output;

  const CommandOutput missing =
      RunShell(env + cli.string() + " info '" + (home.Path() / "none.tvc").string() + "' 2>&1");
  EXPECT_NE(missing.code, 0);
  EXPECT_NE(missing.output.find("none.tvc"), std::string::npos) << missing.output;
}

TEST(ProjectCli, BackgroundsListsTheTableAndFailsWithoutALibrary) {
  const fs::path cli = fs::path(TAVOLO_BIN_DIR) / "tavolo-cli";
  if (!fs::exists(cli)) GTEST_SKIP() << "tavolo-cli is not built";
  TempFolder home;
  const std::string command =
      "TAVOLO_HOME='" + home.Path().string() + "' " + cli.string() + " backgrounds 2>&1";
  CommandOutput listed = RunShell(command);
  EXPECT_NE(listed.code, 0);
  EXPECT_NE(listed.output.find("fl1.tmp was not found"), std::string::npos) << listed.output;

  const std::vector<LibraryEntry> entries = {{MakeBackgroundName("Soft Blue"), 0.0f, {}},
                                             {MakeBackgroundName("Sand"), 119.5f, {}}};
  ASSERT_TRUE(WriteBackgroundLibrary(home.Path() / "fl1.tmp", entries));
  listed = RunShell(command);
  EXPECT_EQ(listed.code, 0) << listed.output;
  EXPECT_NE(listed.output.find("     0 \"Soft Blue\"            -0.5\n"), std::string::npos)
      << listed.output;
  EXPECT_NE(listed.output.find("     1 \"Sand\""), std::string::npos) << listed.output;
}

}  // namespace
}  // namespace tavolo
