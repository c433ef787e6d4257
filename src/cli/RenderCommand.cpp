#include "RenderCommand.h"

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string_view>

#include <QGuiApplication>

#include "core/base/CheckedCall.h"
#include "core/base/ProgramFolder.h"
#include "core/card/CardLimits.h"
#include "core/card/CardRenderer.h"
#include "core/card/LineSource.h"
#include "core/io/ImageExport.h"
#include "core/io/ProjectFile.h"
#include "core/library/BackgroundLibrary.h"

namespace tavolo::cli {

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;
constexpr int kExitVersionMismatch = 3;
constexpr int kMaxNdiv = 1000;

constexpr const char* kRenderUsage =
    "Usage: tavolo-cli render PROJECT -o OUT [--format bmp|tga|pcx|png|gif|jpeg|tiff]\n"
    "                         [--quality N] [--ndiv N]\n"
    "Renders the card of a project or template file to an image, as Export Image does: at the\n"
    "card's full size, tagged with its dpi (GIF: reduced to 256 colours, no dpi). The text is the\n"
    "file's own lines. Backgrounds come from the program folder (TAVOLO_HOME), photos and logos\n"
    "from its customphotos folder.\n"
    "  -o, --output OUT  the image to write\n"
    "  --format NAME     the output format; by default it comes from OUT's extension\n"
    "                    (.bmp .tga .pcx .png .gif .jpg .jpeg .tif .tiff)\n"
    "  --quality N       JPEG quality, 0 to 100\n"
    "  --ndiv N          draw at 1/N of the full size, as the preview does\n"
    "Exit status: 0 success, 1 failure, 2 usage, 3 version mismatch.\n";

int UsageError(const std::string& message) {
  std::fprintf(stderr, "tavolo-cli render: %s (try 'tavolo-cli render --help')\n", message.c_str());
  return kExitUsage;
}

std::optional<int> ParseInt(std::string_view text, int low, int high) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) {
    return std::nullopt;
  }
  return value;
}

struct Options {
  std::string project;
  std::string output;
  std::optional<int> format;
  int quality = kNoQuality;
  int ndiv = 0;  // 0: full size through Export Image
};

// Parses the arguments; returns an exit code when the command should stop now.
std::optional<int> ParseOptions(const std::vector<std::string>& args, Options& options) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      std::fputs(kRenderUsage, stdout);
      return 0;
    }
    const bool takesValue = arg == "-o" || arg == "--output" || arg == "--format" ||
                            arg == "--quality" || arg == "--ndiv";
    if (!takesValue) {
      if (arg.starts_with("-")) return UsageError("unknown option '" + arg + "'");
      if (!options.project.empty()) return UsageError("more than one project file given");
      options.project = arg;
      continue;
    }
    if (i + 1 >= args.size()) return UsageError(arg + " needs a value");
    const std::string& value = args[++i];
    if (arg == "-o" || arg == "--output") {
      options.output = value;
    } else if (arg == "--format") {
      options.format = ExportFormatForExtension(value);
      if (!options.format) return UsageError("unknown format '" + value + "'");
    } else if (arg == "--quality") {
      const auto quality = ParseInt(value, 0, 100);
      if (!quality) return UsageError("--quality must be a number from 0 to 100");
      options.quality = *quality;
    } else {
      const auto ndiv = ParseInt(value, 1, kMaxNdiv);
      if (!ndiv) return UsageError("--ndiv must be a number from 1 to 1000");
      options.ndiv = *ndiv;
    }
  }
  if (options.project.empty()) return UsageError("needs a project file");
  if (options.output.empty()) return UsageError("needs an output file (-o OUT)");
  if (!options.format) {
    options.format = ExportFormatForExtension(std::filesystem::path(options.output).extension());
    if (!options.format) {
      return UsageError("cannot tell the format from '" + options.output +
                        "': give a known extension or --format");
    }
  }
  return std::nullopt;
}

// Counts failed checks and lets the rendering go on, so that one bad value gives a clear exit
// status instead of ending the run as if it had succeeded.
class FailureCounter {
 public:
  FailureCounter()
      : previous_(SetFatalErrorReporter([this](const std::string& report) {
          std::fprintf(stderr, "tavolo-cli render: a check failed\n%s\n", report.c_str());
          ++count_;
          return FatalChoice::Retry;
        })) {}
  ~FailureCounter() { SetFatalErrorReporter(std::move(previous_)); }
  FailureCounter(const FailureCounter&) = delete;
  FailureCounter& operator=(const FailureCounter&) = delete;
  int Count() const { return count_; }

 private:
  FatalErrorReporter previous_;
  int count_ = 0;
};

int Render(const Options& options) {
  BackgroundTable table;
  const BackgroundLoadResult library = ReadBGFile(table);
  if (!library.Ok()) {
    std::fprintf(stderr, "tavolo-cli render: cannot load the backgrounds of '%s': %s\n",
                 ProgramFolder().string().c_str(), library.message.c_str());
    return kExitFailure;
  }

  CardState card;
  const ReadProjectResult read =
      ReadProject(std::filesystem::path(options.project), card, table, ReadMode::kKeepOnFileError);
  if (!read.Ok()) {
    std::fprintf(stderr, "tavolo-cli render: %s: %s (%s)\n", options.project.c_str(),
                 ProjectResultMessage(read.result), read.detail.c_str());
    return read.result == ProjectResult::kVersionMismatch ? kExitVersionMismatch : kExitFailure;
  }
  if (read.backgroundNameRead && card.pnmb >= 0 && card.pnmb < table.Count() &&
      table.Record(card.pnmb).name != read.backgroundName) {
    std::fprintf(stderr,
                 "tavolo-cli render: warning: the project's background is not in the table; "
                 "background %d is drawn instead\n",
                 card.pnmb);
  }

  FailureCounter failures;
  CardRenderer renderer(&table, CustomPhotosFolder());
  const CardLines lines(card);
  ExportResult written;
  if (options.ndiv == 0) {
    written = ExportCard(renderer, card, lines, options.output, *options.format, options.quality);
  } else {
    const CardPixelSize size = CardPixels(card.cardWidth, card.cardHeight);
    const int dx = size.width / options.ndiv;
    const int dy = size.height / options.ndiv;
    if (!size.Ok() || dx < 1 || dy < 1) {
      written = {false,
                 "The card cannot be drawn at 1/" + std::to_string(options.ndiv) +
                     " of its size: " + (size.Ok() ? "nothing would be left" : size.problem) + "."};
    } else {
      const QImage image = renderer.Render(card, lines, options.ndiv, dx, dy);
      written = image.isNull() ? ExportResult{false, "The card could not be rendered."}
                               : WriteExportImage(image, options.output, *options.format,
                                                  options.quality, card.dpi);
    }
  }
  if (!written.ok) {
    std::fprintf(stderr, "tavolo-cli render: %s\n", written.message.c_str());
    return kExitFailure;
  }
  if (failures.Count() > 0) {
    std::fprintf(stderr, "tavolo-cli render: %d check(s) failed; '%s' may be incomplete\n",
                 failures.Count(), options.output.c_str());
    return kExitFailure;
  }
  return 0;
}

}  // namespace

int RunRender(const std::vector<std::string>& args) {
  Options options;
  if (const std::optional<int> stop = ParseOptions(args, options)) return *stop;

  // Fonts need a GUI application; without a display the offscreen platform serves.
  std::optional<QGuiApplication> app;
  int argc = 1;
  char name[] = "tavolo-cli";
  char* argv[] = {name, nullptr};
  if (QCoreApplication::instance() == nullptr) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Starting the platform only complains about a runtime folder a render never uses.
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    app.emplace(argc, argv);
    qInstallMessageHandler(previous);
  }
  return Render(options);
}

}  // namespace tavolo::cli
