#include "CliCommands.h"

namespace tavolo::cli {

std::span<const Command> Commands() { return {}; }

}  // namespace tavolo::cli
