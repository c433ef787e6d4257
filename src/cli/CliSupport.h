// What the commands of tavolo-cli share: exit codes, option parsing, messages on standard error
// (names in them with their control characters escaped) and the background table of the program
// folder, loaded without writing into it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/library/BackgroundTable.h"

namespace tavolo::cli {

inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitVersionMismatch = 3;

bool IsHelp(const std::string& arg);
// The whole text as a number from low to high; nothing otherwise.
std::optional<int> ParseInt(std::string_view text, int low, int high);

// "tavolo-cli COMMAND: TEXT" on standard error; TEXT's control characters are escaped.
void PrintError(std::string_view command, std::string_view text);
// The same as a warning: "tavolo-cli COMMAND: warning: TEXT".
void PrintWarning(std::string_view command, std::string_view text);
// Says how to get help and returns kExitUsage.
int UsageError(std::string_view command, std::string_view message);

// The background table as the application builds it from the program folder, measuring the hue
// of an imported picture without a companion rather than writing one. Prints the loader's
// warnings; false (with the message printed) when the library file could not be read whole.
bool LoadBackgroundTable(std::string_view command, BackgroundTable& table);

}  // namespace tavolo::cli
