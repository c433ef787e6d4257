// tavolo-cli merge: one card per record of a CSV, vCard or spreadsheet file, into a PDF of sheets
// or into one image per record.
#pragma once

#include <string>
#include <vector>

namespace tavolo::cli {

int RunMerge(const std::vector<std::string>& args);

}  // namespace tavolo::cli
