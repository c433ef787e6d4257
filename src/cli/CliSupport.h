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
#include "core/storage/Outcome.h"

namespace tavolo::cli {

// How a command stops short of its work; Exit gives each its exit status (0 for the help,
// 1 for a failure, 2 for a usage error, 3 for a version mismatch).
enum class Stop { kHelpShown, kFailure, kUsage, kVersionMismatch };

struct CliFailure {
  std::string message;  // the reason; a usage error gets the pointer to the command's help
  Stop stop = Stop::kFailure;
  std::string listing;  // lines printed after the message as they stand (what could be given)
};

// A step of a command: its value, or why the command stops.
template <typename T = void>
using Step = Outcome<T, CliFailure>;

CliFailure Failed(std::string message);
CliFailure Misused(std::string message, std::string listing = {});
// A failure of the engine, as a command failure.
CliFailure Failed(const Failure& failure);

// The exit status of each way of stopping.
int ExitCode(Stop stop);
// The one place a command's end becomes its exit status: prints a failure's message
// ("tavolo-cli COMMAND: MESSAGE") and its listing on standard error and returns its exit code;
// 0 when the step succeeded.
int Exit(std::string_view command, const CliFailure& failure);
template <typename T>
int Exit(std::string_view command, const Step<T>& step) {
  return step ? 0 : Exit(command, step.Fault());
}

bool IsHelp(const std::string& arg);
// A whole decimal number from `low` to `high`; empty otherwise.
std::optional<int> ParseInt(std::string_view text, int low, int high);
// A decimal number ("1.5", "-2") from `low` to `high`; empty otherwise.
std::optional<double> ParseNumber(std::string_view text, double low, double high);

// "tavolo-cli COMMAND: TEXT" on standard error; TEXT's control characters are escaped.
void PrintError(std::string_view command, std::string_view text);
// The same as a warning: "tavolo-cli COMMAND: warning: TEXT".
void PrintWarning(std::string_view command, std::string_view text);

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
Step<> RefuseOutputOverInput(const std::string& input, const std::string& output);

// Reads a command's arguments: one project, options that each take a value ("-o" standing for
// "--output") and flags that take none. "--help" prints `usage` and stops with 0; an unknown
// option, a missing value, a second project or an output that is the project stops with a usage
// error.
Step<Arguments> ParseArguments(const char* usage, const std::vector<std::string>& args,
                               std::initializer_list<std::string_view> options,
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
// warnings; fails when the library file could not be read whole.
Step<> LoadBackgroundTable(std::string_view command, BackgroundTable& table);

// Loads the program folder's background table and the project's card, printing the warnings;
// a file that does not read is a failure, a version mismatch one of its own.
Step<> LoadProjectCard(const char* command, const std::string& project, BackgroundTable& table,
                       CardState& card);

// LoadProjectCard for a command that prints the card: a card whose resolution is not above 0
// is refused too.
Step<> LoadCardToPrint(const char* command, const std::string& project, BackgroundTable& table,
                       CardState& card);

}  // namespace tavolo::cli
