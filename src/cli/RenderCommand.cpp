#include "RenderCommand.h"

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include "CliSupport.h"
#include "PictureWarnings.h"
#include "core/base/CheckCounter.h"
#include "core/base/ProgramFolder.h"
#include "core/card/CardLimits.h"
#include "core/render/CardRenderer.h"
#include "core/formats/ImageExport.h"
#include "core/formats/ImageFileTypes.h"

namespace tavolo::cli {

namespace {

constexpr int kMaxDivisor = 1000;
constexpr const char* kCommand = "render";

constexpr const char* kRenderUsage = QT_TRANSLATE_NOOP(
    "Tavolo",
    "Usage: tavolo-cli render PROJECT -o OUT [--format bmp|tga|pcx|png|gif|jpeg|tiff]\n"
    "                         [--quality N] [--ndiv N] [--strict]\n"
    "Renders the card of a project or template file to an image, as Export Image does: at the\n"
    "card's full size, tagged with its dpi (GIF: reduced to 256 colours, no dpi). The text is the\n"
    "file's own lines. Backgrounds come from the program folder (TAVOLO_HOME), photos and logos\n"
    "from its customphotos folder.\n"
    "  -o, --output OUT  the image to write\n"
    "  --format NAME     the output format; by default it comes from OUT's extension\n"
    "                    (.bmp .tga .pcx .png .gif .jpg .jpeg .tif .tiff)\n"
    "  --quality N       JPEG quality, 0 to 100\n"
    "  --ndiv N          draw at 1/N of the full size, as the preview does\n"
    "  --strict          fail when the photo, the logo or the background cannot be loaded\n"
    "                    (it is left out of the picture, with a warning, either way), or a\n"
    "                    font of the card is not installed (another stands in, with a warning),\n"
    "                    or the card holds placed objects of a later version's kind (kept in\n"
    "                    the file, not drawn)\n"
    "Exit status: 0 success, 1 failure, 2 usage, 3 version mismatch.\n");

struct Options {
  std::string project;
  std::string output;
  std::optional<int> format;
  int quality = kNoQuality;
  int divisor = 0;  // 0: full size through Export Image
  bool strict = false;
};

Step<Options> ParseOptions(const std::vector<std::string>& args) {
  Step<Arguments> arguments = ParseArguments(
      kRenderUsage, args, {"--output", "--format", "--quality", "--ndiv"}, {"--strict"});
  if (!arguments) return arguments.Fault();
  Arguments& parsed = arguments.Value();
  Options options;
  options.strict = parsed.flags.contains("--strict");
  options.project = parsed.project;
  options.output = parsed.values["--output"];
  if (parsed.values.contains("--format")) {
    const std::string& value = parsed.values["--format"];
    options.format = FormatForExtension(value);
    if (!options.format) return Misused(TrMessage("unknown format '%1'", value));
  }
  if (parsed.values.contains("--quality")) {
    const auto quality = ParseInt(parsed.values["--quality"], 0, 100);
    if (!quality) return Misused(TrText("--quality must be a number from 0 to 100"));
    options.quality = *quality;
  }
  if (parsed.values.contains("--ndiv")) {
    const auto divisor = ParseInt(parsed.values["--ndiv"], 1, kMaxDivisor);
    if (!divisor) return Misused(TrText("--ndiv must be a number from 1 to 1000"));
    options.divisor = *divisor;
  }
  if (!options.format) {
    options.format = FormatForExtension(std::filesystem::path(options.output).extension().string());
    if (!options.format) {
      return Misused(TrMessage(
          "cannot tell the format from '%1': give a known extension or --format", options.output));
    }
  }
  return options;
}

// Draws the card as Export Image does, or at 1/divisor of its size, and writes it.
Outcome<> DrawAndWrite(const Options& options, CardRenderer& renderer, const CardState& card) {
  if (options.divisor == 0) {
    return ExportCard(renderer, card, options.output, *options.format, options.quality);
  }
  const CardPixelSize size = CardPixels(card.cardWidth, card.cardHeight);
  const int dx = size.width / options.divisor;
  const int dy = size.height / options.divisor;
  if (!size.Ok() || dx < 1 || dy < 1) {
    return Failure{TrMessage("The card cannot be drawn at 1/%1 of its size: %2.", options.divisor,
                             size.Ok() ? TrText("nothing would be left") : size.problem)};
  }
  QImage image = renderer.Render(card, options.divisor, dx, dy);
  if (image.isNull()) return Failure{TrMessage("The card could not be rendered.")};
  return WriteExportImage(std::move(image), options.output, *options.format, options.quality, card.dpi);
}

Step<> Render(const Options& options) {
  BackgroundTable table;
  CardState card;
  if (Step<> loaded = LoadProjectCard(kCommand, options.project, table, card); !loaded) {
    return loaded;
  }

  CheckCounter failures(std::string("tavolo-cli ") + kCommand);
  CardRenderer renderer(&table, CustomPhotosFolder());
  const Outcome<> written = DrawAndWrite(options, renderer, card);
  if (!written) return Failed(written.Fault());
  const int leftOut = WarnOfLeftOutPictures(kCommand, renderer, table, card);
  if (failures.Count() > 0) {
    return Failed(
        TrMessage("%1 check(s) failed; '%2' may be incomplete", failures.Count(), options.output));
  }
  // The warnings said which pictures were left out.
  if (options.strict && leftOut > 0) return Failed(std::string());
  return {};
}

}  // namespace

int RunRender(const std::vector<std::string>& args) {
  const Step<Options> options = ParseOptions(args);
  if (!options) return Exit(kCommand, options);

  const GuiApplication app;
  return Exit(kCommand, Render(options.Value()));
}

}  // namespace tavolo::cli
