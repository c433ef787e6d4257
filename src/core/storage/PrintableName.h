// Names as they may be shown in a message: a file name can hold any byte but "/" and NUL, and a
// project can name anything, so control characters are written as escapes and never reach the
// terminal or the message box as they are.
#pragma once

#include <string>
#include <string_view>

namespace tavolo {

// `name` with every control character (below 0x20, 0x7F, and U+0080 to U+009F) and every byte
// that is not part of well-formed UTF-8 (a Latin-1 file name, say) as an escape: \n, \r, \t,
// \\x1b, \\xe9 and so on; a backslash itself stays. Everything else, UTF-8 included, is kept.
std::string PrintableName(std::string_view name);

}  // namespace tavolo
