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

CliFailure Failed(std::string message) {
  return {std::move(message), Stop::kFailure, {}};
}

CliFailure Failed(const Failure& failure) {
  return Failed(failure.message);
}

CliFailure Misused(std::string message, std::string listing) {
  return {std::move(message), Stop::kUsage, std::move(listing)};
}

int ExitCode(Stop stop) {
  static constexpr std::pair<Stop, int> kExitCodes[] = {
      {Stop::kHelpShown, 0}, {Stop::kFailure, 1}, {Stop::kUsage, 2}, {Stop::kVersionMismatch, 3}};
  return std::ranges::find(kExitCodes, stop, &std::pair<Stop, int>::first)->second;
}

int Exit(std::string_view command, const CliFailure& failure) {
  if (failure.stop == Stop::kUsage) {
    PrintError(command, TrMessage("%1 (try 'tavolo-cli %2 --help')", failure.message, command));
  } else if (!failure.message.empty()) {
    PrintError(command, failure.message);
  }
  if (!failure.listing.empty()) std::fprintf(stderr, "%s\n", failure.listing.c_str());
  return ExitCode(failure.stop);
}

Step<Arguments> ParseArguments(const char* usage, const std::vector<std::string>& args,
                               std::initializer_list<std::string_view> options,
                               std::initializer_list<std::string_view> flags) {
  Arguments parsed;
  for (size_t i = 0; i < args.size(); ++i) {
    if (IsHelp(args[i])) {
      std::fputs(TrText(usage).c_str(), stdout);
      return CliFailure{{}, Stop::kHelpShown, {}};
    }
    if (std::ranges::find(flags, args[i]) != flags.end()) {
      parsed.flags.insert(args[i]);
      continue;
    }
    const std::string option = args[i] == "-o" ? "--output" : args[i];
    if (std::ranges::find(options, option) == options.end()) {
      if (option.starts_with("-")) return Misused(TrMessage("unknown option '%1'", option));
      if (!parsed.project.empty()) return Misused(TrText("more than one project file given"));
      parsed.project = option;
      continue;
    }
    if (i + 1 >= args.size()) return Misused(TrMessage("%1 needs a value", args[i]));
    parsed.values[option] = args[++i];
    parsed.inOrder.emplace_back(option, args[i]);
  }
  if (parsed.project.empty()) return Misused(TrText("needs a project file"));
  if (!parsed.values.contains("--output")) {
    return Misused(TrText("needs an output file (-o FILE)"));
  }
  if (Step<> refused = RefuseOutputOverInput(parsed.project, parsed.values.at("--output"));
      !refused) {
    return refused.Fault();
  }
  return parsed;
}

bool IsSameFile(const std::string& input, const std::string& output) {
  std::error_code error;
  return std::filesystem::equivalent(input, output, error) && !error;
}

Step<> RefuseOutputOverInput(const std::string& input, const std::string& output) {
  if (!IsSameFile(input, output)) return {};
  return Misused(TrMessage("the output '%1' is the input file; give another", output));
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

Step<> LoadBackgroundTable(std::string_view command, BackgroundTable& table) {
  const BackgroundLoading loading =
      ReadBGFile(table, kBackgroundLibraryFileName, HueCompanions::kMeasureOnly);
  const BackgroundsLoaded& loaded = LoadedOf(loading);
  if (loaded.tableFull) {
    PrintWarning(command,
                 TrMessage("more than %1 backgrounds; the rest are left out", kMaxBackgrounds));
  }
  for (const std::string& warning : loaded.warnings) PrintWarning(command, warning);
  if (!loading) return Failed(loading.Message());
  return {};
}

Step<> LoadProjectCard(const char* command, const std::string& project, BackgroundTable& table,
                       CardState& card) {
  if (Step<> loaded = LoadBackgroundTable(command, table); !loaded) return loaded;
  const ProjectReading read =
      ReadProject(std::filesystem::path(project), card, table, ReadMode::kKeepOnFileError);
  if (!read) {
    const ProjectReadFailure& failure = read.Fault();
    return CliFailure{
        TrMessage("%1: %2 (%3)", project, ProjectFaultMessage(failure.kind), failure.message),
        failure.kind == ProjectFault::kVersionMismatch ? Stop::kVersionMismatch : Stop::kFailure,
        {}};
  }
  if (!read.Value().extensionProblem.empty()) {
    PrintWarning(command, TrMessage("%1: %2; the card itself is read whole", project,
                                    read.Value().extensionProblem));
  }
  const ProjectHead& head = read.Value().head;
  if (head.backgroundNameRead && card.backgroundIndex >= 0 &&
      card.backgroundIndex < table.Count() &&
      table.Record(card.backgroundIndex).name != head.backgroundName) {
    PrintWarning(command, TrMessage("the project's background is not in the table; background "
                                    "%1 is drawn instead",
                                    card.backgroundIndex));
  }
  return {};
}

Step<> LoadCardToPrint(const char* command, const std::string& project, BackgroundTable& table,
                       CardState& card) {
  if (Step<> loaded = LoadProjectCard(command, project, table, card); !loaded) return loaded;
  if (card.dpi > 0) return {};
  return Failed(TrMessage("the card's resolution is %1 dpi; printing needs one above 0", card.dpi));
}

}  // namespace tavolo::cli
