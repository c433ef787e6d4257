// tavolo-cli print: prints a project's card many to a sheet into a PDF, as the print job does.
#pragma once

#include <string>
#include <vector>

namespace tavolo::cli {

int RunPrint(const std::vector<std::string>& args);

}  // namespace tavolo::cli
