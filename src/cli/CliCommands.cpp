#include "CliCommands.h"

#include "ImageCommands.h"
#include "MergeCommand.h"
#include "PdfCommand.h"
#include "PrintCommand.h"
#include "ProjectCommands.h"
#include "RenderCommand.h"

namespace tavolo::cli {

namespace {

// One line per command; main dispatches on the name.
constexpr Command kCommands[] = {
    {"convert", RunConvert},         {"identify", RunIdentify}, {"info", RunInfo},
    {"backgrounds", RunBackgrounds}, {"render", RunRender},     {"print", RunPrint},
    {"merge", RunMerge},
    {"pdf", RunPdf},
};

}  // namespace

std::span<const Command> Commands() {
  return kCommands;
}

}  // namespace tavolo::cli
