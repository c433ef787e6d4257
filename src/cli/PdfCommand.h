// tavolo-cli pdf: one card on a page of its own size, with bleed and crop marks, for a print shop.
#pragma once

#include <string>
#include <vector>

namespace tavolo::cli {

int RunPdf(const std::vector<std::string>& args);

}  // namespace tavolo::cli
