#include "CliCommands.h"

#include "ImageCommands.h"
#include "ProjectCommands.h"

namespace tavolo::cli {

namespace {

// One line per command; main dispatches on the name.
constexpr Command kCommands[] = {
    {"convert", RunConvert},
    {"identify", RunIdentify},
    {"info", RunInfo},
    {"backgrounds", RunBackgrounds},
};

}  // namespace

std::span<const Command> Commands() {
  return kCommands;
}

}  // namespace tavolo::cli
