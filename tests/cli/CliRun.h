// Running the built command-line tool from a test, as a user runs it from a shell; what every
// command-line test includes.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "core/formats/ProjectFile.h"
#include "core/library/BackgroundLibraryFile.h"
#include "tests/core/TestFolders.h"

namespace tavolo::test {

struct ShellOutcome {
  int code = -1;       // the exit code, or -1 when the command did not exit normally
  std::string output;  // what it wrote to standard output (append "2>&1" for both)
};

inline ShellOutcome RunShell(const std::string& command) {
  ShellOutcome result;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return result;
  char buffer[4096];
  size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.output.append(buffer, n);
  const int status = ::pclose(pipe);
  result.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

// Whether the output holds `text`; a failure shows the whole output.
inline ::testing::AssertionResult Says(const ShellOutcome& run, const std::string& text) {
  if (run.output.find(text) != std::string::npos) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "no \"" << text << "\" in:\n" << run.output;
}

inline std::filesystem::path TavoloCli() {
  return std::filesystem::path(TAVOLO_BIN_DIR) / "tavolo-cli";
}

// tavolo-cli with the arguments (already quoted for the shell), standard error included in the
// output; `environment` is put in front, e.g. "TAVOLO_HOME='/tmp/x' ".
inline ShellOutcome RunCli(const std::string& arguments, const std::string& environment = "") {
  return RunShell(environment + TavoloCli().string() + " " + arguments + " 2>&1");
}

// A program folder with a library of one small background, "Sky", and empty photo and imported
// background folders; projects and outputs go into a scratch folder, so that the program folder
// shows whatever a command wrote into it.
class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(TavoloCli())) GTEST_SKIP() << "tavolo-cli is not built";
    const LibraryEntry sky = {MakeBackgroundName("Sky"), 160.0f, TinyJpeg()};
    ASSERT_TRUE(WriteBackgroundLibrary(home_ / "fl1.tmp", {&sky, 1}));
    std::filesystem::create_directories(home_ / "customphotos");
    std::filesystem::create_directories(home_ / "custombg");
  }

  std::string Scratch(const std::string& name) const { return (scratch_ / name).string(); }

  // Writes the card, on the background of that name, as a project in the scratch folder.
  std::string Project(CardState card, const std::string& name = "card.tvc",
                      const char* background = "Sky") const {
    BackgroundTable table;
    table.Append(MakeBackgroundName(background), RasterImage(), 0.0f);
    card.backgroundIndex = 0;
    EXPECT_TRUE(WriteProject(Scratch(name), card, table).Ok());
    return Scratch(name);
  }

  // The command line that runs the tool on the program folder; a command that would wait on
  // something is ended after a minute, with exit code 124.
  std::string Command(const std::string& arguments) const {
    return "TAVOLO_HOME='" + home_.Path().string() + "' timeout 60 " + TavoloCli().string() + " " +
           arguments;
  }
  ShellOutcome Run(const std::string& arguments) const {
    return RunShell(Command(arguments) + " 2>&1");
  }

  TempFolder home_;
  TempFolder scratch_;
};

}  // namespace tavolo::test
