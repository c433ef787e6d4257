// What the commands of tavolo-cli share: exit codes, argument parsing, the offscreen application
// that fonts need, the count of failed checks and the loading of a project's card.
#pragma once

#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <QGuiApplication>

#include "core/base/CheckedCall.h"
#include "core/card/CardState.h"
#include "core/library/BackgroundTable.h"

namespace tavolo::cli {

inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitVersionMismatch = 3;

bool IsHelp(const std::string& arg);
// A whole decimal number from `low` to `high`; empty otherwise.
std::optional<int> ParseInt(std::string_view text, int low, int high);
// Prints "tavolo-cli COMMAND: MESSAGE (try ...)" and returns the usage exit code.
int UsageError(const char* command, const std::string& message);

struct Arguments {
  std::string project;                        // the one argument that is not an option
  std::map<std::string, std::string> values;  // the value of each option given, by long name
};

// Reads a command's arguments: one project and options that each take a value, "-o" standing
// for "--output". "--help" prints `usage` and stops with 0; an unknown option, a missing value or
// a second project stops with a usage error. Returns the exit code when the command should stop.
std::optional<int> ParseArguments(const char* command, const char* usage,
                                  const std::vector<std::string>& args,
                                  std::initializer_list<std::string_view> options,
                                  Arguments& parsed);

// A GUI application on the offscreen platform, unless one runs already: fonts and the PDF
// writer need one, a command line has no display.
class GuiApplication {
 public:
  GuiApplication();
  GuiApplication(const GuiApplication&) = delete;
  GuiApplication& operator=(const GuiApplication&) = delete;

 private:
  int argc_ = 1;
  char name_[11] = "tavolo-cli";
  char* argv_[2] = {name_, nullptr};
  std::optional<QGuiApplication> app_;
};

// Loads the program folder's background table and the project's card. On failure prints why
// and returns the exit code: 1 for a file error, 3 for a version mismatch.
std::optional<int> LoadProjectCard(const char* command, const std::string& project,
                                   BackgroundTable& table, CardState& card);

}  // namespace tavolo::cli
