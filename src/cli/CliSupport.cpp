#include "CliSupport.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>

#include "core/base/ProgramFolder.h"
#include "core/io/ProjectFile.h"
#include "core/library/BackgroundLibrary.h"

namespace tavolo::cli {

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

int UsageError(const char* command, const std::string& message) {
  std::fprintf(stderr, "tavolo-cli %s: %s (try 'tavolo-cli %s --help')\n", command, message.c_str(),
               command);
  return kExitUsage;
}

std::optional<int> ParseArguments(const char* command, const char* usage,
                                  const std::vector<std::string>& args,
                                  std::initializer_list<std::string_view> options,
                                  Arguments& parsed) {
  for (size_t i = 0; i < args.size(); ++i) {
    if (IsHelp(args[i])) {
      std::fputs(usage, stdout);
      return 0;
    }
    const std::string option = args[i] == "-o" ? "--output" : args[i];
    if (std::ranges::find(options, option) == options.end()) {
      if (option.starts_with("-")) return UsageError(command, "unknown option '" + option + "'");
      if (!parsed.project.empty()) return UsageError(command, "more than one project file given");
      parsed.project = option;
      continue;
    }
    if (i + 1 >= args.size()) return UsageError(command, args[i] + " needs a value");
    parsed.values[option] = args[++i];
  }
  if (parsed.project.empty()) return UsageError(command, "needs a project file");
  if (!parsed.values.contains("--output")) {
    return UsageError(command, "needs an output file (-o FILE)");
  }
  return std::nullopt;
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

std::optional<int> LoadProjectCard(const char* command, const std::string& project,
                                   BackgroundTable& table, CardState& card) {
  const BackgroundLoadResult library = ReadBGFile(table);
  if (!library.Ok()) {
    std::fprintf(stderr, "tavolo-cli %s: cannot load the backgrounds of '%s': %s\n", command,
                 ProgramFolder().string().c_str(), library.message.c_str());
    return kExitFailure;
  }
  const ReadProjectResult read =
      ReadProject(std::filesystem::path(project), card, table, ReadMode::kKeepOnFileError);
  if (!read.Ok()) {
    std::fprintf(stderr, "tavolo-cli %s: %s: %s (%s)\n", command, project.c_str(),
                 ProjectResultMessage(read.result), read.detail.c_str());
    return read.result == ProjectResult::kVersionMismatch ? kExitVersionMismatch : kExitFailure;
  }
  if (read.backgroundNameRead && card.pnmb >= 0 && card.pnmb < table.Count() &&
      table.Record(card.pnmb).name != read.backgroundName) {
    std::fprintf(stderr,
                 "tavolo-cli %s: warning: the project's background is not in the table; "
                 "background %d is drawn instead\n",
                 command, card.pnmb);
  }
  return std::nullopt;
}

}  // namespace tavolo::cli
