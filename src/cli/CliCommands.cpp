#include "CliCommands.h"

#include "ImageCommands.h"
#include "MergeCommand.h"
#include "PdfCommand.h"
#include "PrintCommand.h"
#include "ProjectCommands.h"
#include "RenderCommand.h"
#include "SheetsCommand.h"

namespace tavolo::cli {

namespace {

// One line per command; main dispatches on the name.
constexpr Command kCommands[] = {
    {"convert", RunConvert},         {"identify", RunIdentify},   {"info", RunInfo},
    {"backgrounds", RunBackgrounds}, {"render", RunRender, true}, {"print", RunPrint, true},
    {"merge", RunMerge, true},       {"pdf", RunPdf, true},       {"sheets", RunSheets},
};
}  // namespace

std::span<const Command> Commands() {
  return kCommands;
}

}  // namespace tavolo::cli
