// tavolo-cli commands that read project files and the background table: info and backgrounds.
#pragma once

#include <string>
#include <vector>

namespace tavolo::cli {

int RunInfo(const std::vector<std::string>& args);
int RunBackgrounds(const std::vector<std::string>& args);

}  // namespace tavolo::cli
