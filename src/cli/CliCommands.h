// The commands of tavolo-cli. Each returns the process exit code: 0 on success, non-zero with a
// message on standard error otherwise.
#pragma once

#include <span>
#include <string>
#include <vector>

namespace tavolo::cli {

using CommandFn = int (*)(const std::vector<std::string>& args);

struct Command {
  const char* name;
  CommandFn run;
  // Whether it draws cards (fonts, PDF): it then runs in an offscreen GUI application, the others
  // in a plain one, which starts faster.
  bool draws = false;
};

std::span<const Command> Commands();

}  // namespace tavolo::cli
