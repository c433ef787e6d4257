// What the commands of tavolo-cli share: exit codes, argument parsing, messages on standard error
// (names in them with their control characters escaped), the offscreen application that fonts
// need, and the loading of the program folder's background table (without writing into it) and of
// a project's card.
#pragma once

#include <initializer_list>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <QGuiApplication>

#include "core/base/CheckedCall.h"
#include "core/base/Translation.h"
#include "core/card/BackgroundTable.h"
#include "core/card/CardState.h"

namespace tavolo::cli {

inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitVersionMismatch = 3;

bool IsHelp(const std::string& arg);
// A whole decimal number from `low` to `high`; empty otherwise.
std::optional<int> ParseInt(std::string_view text, int low, int high);
// A decimal number ("1.5", "-2") from `low` to `high`; empty otherwise.
std::optional<double> ParseNumber(std::string_view text, double low, double high);

// "tavolo-cli COMMAND: TEXT" on standard error; TEXT's control characters are escaped.
void PrintError(std::string_view command, std::string_view text);
// The same as a warning: "tavolo-cli COMMAND: warning: TEXT".
void PrintWarning(std::string_view command, std::string_view text);
// Prints "tavolo-cli COMMAND: MESSAGE (try ...)" and returns the usage exit code.
int UsageError(std::string_view command, std::string_view message);

struct Arguments {
  std::string project;                        // the one argument that is not an option
  std::map<std::string, std::string> values;  // the value of each option given, by long name
  std::set<std::string> flags;                 // the options without a value that were given
  // Every option with its value in the order given, for options that may be repeated.
  std::vector<std::pair<std::string, std::string>> inOrder;
};

// Whether writing `output` would replace `input`: the same file, whatever the names or links.
bool IsSameFile(const std::string& input, const std::string& output);
// A usage error when the output is the input file: a command never writes over what it reads.
std::optional<int> RefuseOutputOverInput(std::string_view command, const std::string& input,
                                         const std::string& output);

// Reads a command's arguments: one project, options that each take a value ("-o" standing for
// "--output") and flags that take none. "--help" prints `usage` and stops with 0; an unknown
// option, a missing value, a second project or an output that is the project stops with a usage
// error. Returns the exit code when the command should stop.
std::optional<int> ParseArguments(const char* command, const char* usage,
                                  const std::vector<std::string>& args,
                                  std::initializer_list<std::string_view> options,
                                  Arguments& parsed,
                                  std::initializer_list<std::string_view> flags = {});

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

// The background table as the application builds it from the program folder, measuring the hue
// of an imported picture without a companion rather than writing one. Prints the loader's
// warnings; false (with the message printed) when the library file could not be read whole.
bool LoadBackgroundTable(std::string_view command, BackgroundTable& table);

// Loads the program folder's background table and the project's card. On failure prints why
// and returns the exit code: 1 for a file error, 3 for a version mismatch.
std::optional<int> LoadProjectCard(const char* command, const std::string& project,
                                   BackgroundTable& table, CardState& card);

// LoadProjectCard for a command that prints the card: a card whose resolution is not above 0
// is refused too (exit code 1).
std::optional<int> LoadCardToPrint(const char* command, const std::string& project,
                                   BackgroundTable& table, CardState& card);

}  // namespace tavolo::cli
