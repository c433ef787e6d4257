#include "RenderCommand.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string_view>

#include "CliSupport.h"
#include "core/base/CheckCounter.h"
#include "core/base/ProgramFolder.h"
#include "core/card/CardRenderer.h"
#include "core/card/LineSource.h"
#include "core/io/ImageExport.h"

namespace tavolo::cli {

namespace {

constexpr int kMaxNdiv = 1000;
constexpr const char* kCommand = "render";

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
  return cli::UsageError(kCommand, message);
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
  Arguments parsed;
  if (const std::optional<int> stop = ParseArguments(
          kCommand, kRenderUsage, args, {"--output", "--format", "--quality", "--ndiv"}, parsed)) {
    return stop;
  }
  options.project = parsed.project;
  options.output = parsed.values["--output"];
  if (parsed.values.contains("--format")) {
    const std::string& value = parsed.values["--format"];
    options.format = ExportFormatForExtension(value);
    if (!options.format) return UsageError("unknown format '" + value + "'");
  }
  if (parsed.values.contains("--quality")) {
    const auto quality = ParseInt(parsed.values["--quality"], 0, 100);
    if (!quality) return UsageError("--quality must be a number from 0 to 100");
    options.quality = *quality;
  }
  if (parsed.values.contains("--ndiv")) {
    const auto ndiv = ParseInt(parsed.values["--ndiv"], 1, kMaxNdiv);
    if (!ndiv) return UsageError("--ndiv must be a number from 1 to 1000");
    options.ndiv = *ndiv;
  }
  if (!options.format) {
    options.format = ExportFormatForExtension(std::filesystem::path(options.output).extension());
    if (!options.format) {
      return UsageError("cannot tell the format from '" + options.output +
                        "': give a known extension or --format");
    }
  }
  return std::nullopt;
}

int Render(const Options& options) {
  BackgroundTable table;
  CardState card;
  if (const std::optional<int> failed = LoadProjectCard(kCommand, options.project, table, card)) {
    return *failed;
  }

  CheckCounter failures(std::string("tavolo-cli ") + kCommand);
  CardRenderer renderer(&table, CustomPhotosFolder());
  const CardLines lines(card);
  ExportResult written;
  if (options.ndiv == 0) {
    written = ExportCard(renderer, card, lines, options.output, *options.format, options.quality);
  } else {
    const auto side = [&](float length) {
      return std::isfinite(length) ? static_cast<int>(std::clamp(length, 0.0f, 1e9f)) : 0;
    };
    const int dx = side(card.cardWidth) / options.ndiv;
    const int dy = side(card.cardHeight) / options.ndiv;
    const QImage image = renderer.Render(card, lines, options.ndiv, dx, dy);
    written = image.isNull() ? ExportResult{false, "The card could not be rendered."}
                             : WriteExportImage(image, options.output, *options.format,
                                                options.quality, card.dpi);
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

  const GuiApplication app;
  return Render(options);
}

}  // namespace tavolo::cli
