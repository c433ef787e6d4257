// Names as they may be shown in a message: a file name can hold any byte but "/" and NUL, and a
// project can name anything, so control characters are written as escapes and never reach the
// terminal or the message box as they are.
#pragma once

#include <string>
#include <string_view>

namespace tavolo {

// `name` with every control character (below 0x20, and 0x7F) as an escape: \n, \r, \t, \\x1b
// and so on; a backslash itself stays. Everything else, UTF-8 included, is kept.
std::string PrintableName(std::string_view name);

}  // namespace tavolo
