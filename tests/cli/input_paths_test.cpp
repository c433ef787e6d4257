// Every command refuses at once an input that is not a regular file, and a named pipe among the
// imported backgrounds holds nothing up.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "core/library/BackgroundLibraryFile.h"
#include "tests/cli/CliRun.h"
#include "tests/core/TestFolders.h"

namespace tavolo {
namespace {

namespace fs = std::filesystem;

// A command that waits on a pipe is stopped after this long and fails the test (exit code 124).
const std::string kTimeout = "timeout 20 ";

TEST(CliInputPaths, APipeOrAFolderAsInputIsRefusedAtOnce) {
  if (!fs::exists(test::TavoloCli())) GTEST_SKIP() << "tavolo-cli is not built";
  test::TempFolder dir;
  ASSERT_TRUE(WriteBackgroundLibrary(dir / "fl1.tmp", {}));
  const std::string home = "TAVOLO_HOME='" + dir.Path().string() + "' " + kTimeout;
  ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
  fs::create_directory(dir / "folder");
  for (const char* name : {"pipe", "folder"}) {
    const std::string path = (dir / name).string();
    const std::string says = path + (name == std::string("pipe") ? " is a named pipe, not a file."
                                                                 : " is a folder, not a file.");
    for (const std::string& command :
         {"info " + path, "render " + path + " -o " + (dir / "out.png").string(),
          "identify " + path, "convert " + path + " " + (dir / "out.bmp").string()}) {
      const test::ShellOutcome run = test::RunCli(command, home);
      EXPECT_EQ(run.code, 1) << command << "\n" << run.output;
      EXPECT_NE(run.output.find(says), std::string::npos) << command << "\n" << run.output;
    }
  }
  EXPECT_FALSE(fs::exists(dir / "out.png"));
  EXPECT_FALSE(fs::exists(dir / "out.bmp"));
}

TEST(CliInputPaths, APipeNamedLikeAHueFileHoldsNothingUp) {
  if (!fs::exists(test::TavoloCli())) GTEST_SKIP() << "tavolo-cli is not built";
  test::TempFolder dir;
  ASSERT_TRUE(WriteBackgroundLibrary(dir / "fl1.tmp", {}));
  fs::create_directory(dir / "custombg");
  ASSERT_TRUE(test::WriteFileBytes(
      dir / "custombg" / "sky.png",
      test::ReadFileBytes(fs::path(TAVOLO_TEST_DATA) / "library/blue8x8.jpg")));
  ASSERT_EQ(::mkfifo((dir / "custombg" / "sky.hue").c_str(), 0600), 0);
  const test::ShellOutcome run =
      test::RunCli("backgrounds", "TAVOLO_HOME='" + dir.Path().string() + "' " + kTimeout);
  EXPECT_EQ(run.code, 0) << run.output;
  EXPECT_NE(run.output.find("\"sky\""), std::string::npos) << run.output;
}

}  // namespace
}  // namespace tavolo
