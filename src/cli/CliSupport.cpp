#include "CliSupport.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>

#include "core/formats/ProjectFile.h"
#include "core/library/BackgroundLibrary.h"
#include "core/storage/PrintableName.h"

namespace tavolo::cli {

namespace {

void Print(std::string_view command, std::string_view text) {
  const std::string line = "tavolo-cli " + std::string(command) + ": " + std::string(text) + "\n";
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

std::optional<double> ParseNumber(std::string_view text, double low, double high) {
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || !(value >= low) ||
      !(value <= high)) {
    return std::nullopt;
  }
  return value;
}

void PrintError(std::string_view command, std::string_view text) {
  Print(command, PrintableName(text));
}

void PrintWarning(std::string_view command, std::string_view text) {
  Print(command, TrMessage("warning: %1", PrintableName(text)));
}

int UsageError(std::string_view command, std::string_view message) {
  PrintError(command, TrMessage("%1 (try 'tavolo-cli %2 --help')", message, command));
  return kExitUsage;
}

std::optional<int> ParseArguments(const char* command, const char* usage,
                                  const std::vector<std::string>& args,
                                  std::initializer_list<std::string_view> options,
                                  Arguments& parsed,
                                  std::initializer_list<std::string_view> flags) {
  for (size_t i = 0; i < args.size(); ++i) {
    if (IsHelp(args[i])) {
      std::fputs(TrText(usage).c_str(), stdout);
      return 0;
    }
    if (std::ranges::find(flags, args[i]) != flags.end()) {
      parsed.flags.insert(args[i]);
      continue;
    }
    const std::string option = args[i] == "-o" ? "--output" : args[i];
    if (std::ranges::find(options, option) == options.end()) {
      if (option.starts_with("-")) {
        return UsageError(command, TrMessage("unknown option '%1'", option));
      }
      if (!parsed.project.empty()) {
        return UsageError(command, TrText("more than one project file given"));
      }
      parsed.project = option;
      continue;
    }
    if (i + 1 >= args.size()) return UsageError(command, TrMessage("%1 needs a value", args[i]));
    parsed.values[option] = args[++i];
    parsed.inOrder.emplace_back(option, args[i]);
  }
  if (parsed.project.empty()) return UsageError(command, TrText("needs a project file"));
  if (!parsed.values.contains("--output")) {
    return UsageError(command, TrText("needs an output file (-o FILE)"));
  }
  return RefuseOutputOverInput(command, parsed.project, parsed.values.at("--output"));
}

bool IsSameFile(const std::string& input, const std::string& output) {
  std::error_code error;
  return std::filesystem::equivalent(input, output, error) && !error;
}

std::optional<int> RefuseOutputOverInput(std::string_view command, const std::string& input,
                                         const std::string& output) {
  if (!IsSameFile(input, output)) return std::nullopt;
  return UsageError(command, TrMessage("the output '%1' is the input file; give another", output));
}

GuiApplication::GuiApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Starting the platform only complains about a runtime folder the command never uses.
  const QtMessageHandler previous =
      qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  app_.emplace(argc_, argv_);
  qInstallMessageHandler(previous);
}

bool LoadBackgroundTable(std::string_view command, BackgroundTable& table) {
  const BackgroundLoadResult loaded =
      ReadBGFile(table, kBackgroundLibraryFileName, HueCompanions::kMeasureOnly);
  if (loaded.tableFull) {
    PrintWarning(command,
                 TrMessage("more than %1 backgrounds; the rest are left out", kMaxBackgrounds));
  }
  for (const std::string& warning : loaded.warnings) PrintWarning(command, warning);
  if (!loaded.Ok()) PrintError(command, loaded.message);
  return loaded.Ok();
}

std::optional<int> LoadProjectCard(const char* command, const std::string& project,
                                   BackgroundTable& table, CardState& card) {
  if (!LoadBackgroundTable(command, table)) return kExitFailure;
  const ReadProjectResult read =
      ReadProject(std::filesystem::path(project), card, table, ReadMode::kKeepOnFileError);
  if (!read.Ok()) {
    PrintError(command,
               TrMessage("%1: %2 (%3)", project, ProjectResultMessage(read.result), read.detail));
    return read.result == ProjectResult::kVersionMismatch ? kExitVersionMismatch : kExitFailure;
  }
  if (!read.extensionProblem.empty()) {
    PrintWarning(command, TrMessage("%1: %2; the card itself is read whole", project,
                                    read.extensionProblem));
  }
  if (read.backgroundNameRead && card.backgroundIndex >= 0 &&
      card.backgroundIndex < table.Count() &&
      table.Record(card.backgroundIndex).name != read.backgroundName) {
    PrintWarning(command, TrMessage("the project's background is not in the table; background "
                                    "%1 is drawn instead",
                                    card.backgroundIndex));
  }
  return std::nullopt;
}

std::optional<int> LoadCardToPrint(const char* command, const std::string& project,
                                   BackgroundTable& table, CardState& card) {
  if (const std::optional<int> failed = LoadProjectCard(command, project, table, card)) {
    return failed;
  }
  if (card.dpi > 0) return std::nullopt;
  PrintError(command,
             TrMessage("the card's resolution is %1 dpi; printing needs one above 0", card.dpi));
  return kExitFailure;
}

}  // namespace tavolo::cli
