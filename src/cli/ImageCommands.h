// tavolo-cli commands that work on image files: convert and identify.
#pragma once

#include <string>
#include <vector>

namespace tavolo::cli {

int RunConvert(const std::vector<std::string>& args);
int RunIdentify(const std::vector<std::string>& args);

}  // namespace tavolo::cli
