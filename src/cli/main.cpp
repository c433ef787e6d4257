// tavolo-cli: the engine without windows.
#include <malloc.h>

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "CliCommands.h"
#include "CliSupport.h"
#include "core/base/CheckedCall.h"
#include "core/storage/PrintableName.h"

namespace {

void PrintUsage(std::FILE* out) {
  const std::string usage = tavolo::TrText(
      "Usage: tavolo-cli COMMAND [ARGS]\n"
      "\n"
      "Commands:\n"
      "  convert IN OUT [--format bmp|tga|pcx|png|gif|jpeg|tiff] [--quality N] [--dpi N]\n"
      "                      convert an image; the format comes from OUT's extension unless given\n"
      "  identify FILE       print width, height, bits per pixel, dpi and format of an image\n"
      "  info PROJECT        print a project or template file's card as JSON\n"
      "  backgrounds         list the background table: number, name, hue offset\n"
      "  render PROJECT -o OUT [--format F] [--quality N] [--ndiv N]\n"
      "                      render a project's card to an image, as Export Image does\n"
      "  print PROJECT -o SHEET.pdf [--paper NAME|ID] [--layout PART|NAME|FILE.ptm] [--sheets N]\n"
      "                      print a project's card many to a sheet into a PDF\n"
      "  merge PROJECT --data FILE -o OUT.pdf|'DIR/{Name}.png' [--map FIELD=COLUMN]...\n"
      "                      one card per record (CSV, vCard, .ods, .xlsx), into sheets or images\n"
      "  pdf PROJECT -o CARD.pdf [--bleed MM] [--crop-marks]\n"
      "                      one card on a page of its size, with bleed and crop marks\n"
      "  sheets [--search TEXT] [--paper NAME] [--json]\n"
      "                      list the sheet products to print on, by maker, part number or size\n"
      "  COMMAND --help      show a command's help\n"
      "  --help              show this help\n"
      "  --version           show the version\n");
  std::fputs(usage.c_str(), out);
}

}  // namespace

int main(int argc, char** argv) {
  // One command runs and the process ends: pictures freed and given back to the system between
  // the steps of a command only come back as new pages, each faulted in again, which on a sheet
  // of cards cost more processor time than drawing them. Blocks up to 32 MB stay in the heap.
  mallopt(M_MMAP_THRESHOLD, 32 << 20);
  mallopt(M_TRIM_THRESHOLD, 128 << 20);
  // A failed check prints its report and ends the run with a failure exit code.
  tavolo::SetFatalErrorReporter(
      tavolo::ExitingReporter(tavolo::cli::ExitCode(tavolo::cli::Stop::kFailure)));
  const std::string_view command = argc < 2 ? std::string_view() : argv[1];
  const tavolo::cli::Command* found = nullptr;
  for (const tavolo::cli::Command& c : tavolo::cli::Commands()) {
    if (command == c.name) found = &c;
  }
  // The messages and the help in the user's language, from the catalogues the window program
  // uses, need an application; the commands that draw need a GUI one.
  std::optional<tavolo::cli::GuiApplication> drawing;
  std::optional<QCoreApplication> plain;
  if (found != nullptr && found->draws) {
    drawing.emplace();
  } else {
    plain.emplace(argc, argv);
  }
  tavolo::InstallProgramTranslations(*QCoreApplication::instance());
  if (argc < 2) {
    PrintUsage(stderr);
    return tavolo::cli::ExitCode(tavolo::cli::Stop::kUsage);
  }
  if (found != nullptr) return found->run(std::vector<std::string>(argv + 2, argv + argc));
  if (command == "--help" || command == "-h" || command == "help") {
    PrintUsage(stdout);
    return 0;
  }
  if (command == "--version") {
    std::printf("tavolo-cli %s\n", TAVOLO_VERSION);
    return 0;
  }
  const std::string unknown = tavolo::TrMessage("tavolo-cli: unknown command '%1' (try --help)",
                                                tavolo::PrintableName(argv[1]));
  std::fprintf(stderr, "%s\n", unknown.c_str());
  return tavolo::cli::ExitCode(tavolo::cli::Stop::kUsage);
}
