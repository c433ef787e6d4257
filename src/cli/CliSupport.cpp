#include "CliSupport.h"

#include <charconv>
#include <cstdio>

#include "core/files/PrintableName.h"
#include "core/library/BackgroundLibrary.h"

namespace tavolo::cli {

namespace {

void Print(std::string_view command, std::string_view kind, std::string_view text) {
  const std::string line =
      "tavolo-cli " + std::string(command) + ": " + std::string(kind) + PrintableName(text) + "\n";
  std::fwrite(line.data(), 1, line.size(), stderr);
}

}  // namespace

bool IsHelp(const std::string& arg) {
  return arg == "--help" || arg == "-h";
}

std::optional<int> ParseInt(std::string_view text, int low, int high) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) {
    return std::nullopt;
  }
  return value;
}

void PrintError(std::string_view command, std::string_view text) {
  Print(command, "", text);
}

void PrintWarning(std::string_view command, std::string_view text) {
  Print(command, "warning: ", text);
}

int UsageError(std::string_view command, std::string_view message) {
  PrintError(command,
             std::string(message) + " (try 'tavolo-cli " + std::string(command) + " --help')");
  return kExitUsage;
}

bool LoadBackgroundTable(std::string_view command, BackgroundTable& table) {
  const BackgroundLoadResult loaded = ReadBGFile(table, "fl1.tmp", HueCompanions::kMeasureOnly);
  if (loaded.tableFull) {
    PrintWarning(command, "more than " + std::to_string(kMaxBackgrounds) +
                              " backgrounds; the rest are left out");
  }
  for (const std::string& warning : loaded.warnings) PrintWarning(command, warning);
  if (!loaded.Ok()) PrintError(command, loaded.message);
  return loaded.Ok();
}

}  // namespace tavolo::cli
