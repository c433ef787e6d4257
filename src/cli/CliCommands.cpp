#include "CliCommands.h"

#include "ImageCommands.h"

namespace tavolo::cli {

namespace {

// One line per command; main dispatches on the name.
constexpr Command kCommands[] = {
    {"convert", RunConvert},
    {"identify", RunIdentify},
};

}  // namespace

std::span<const Command> Commands() {
  return kCommands;
}

}  // namespace tavolo::cli
