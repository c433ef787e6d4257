// tavolo-cli render: draws a project's card to an image file, as Export Image does.
#pragma once

#include <string>
#include <vector>

namespace tavolo::cli {

int RunRender(const std::vector<std::string>& args);

}  // namespace tavolo::cli
