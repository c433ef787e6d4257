// Texts for the user made below the engine, where there is no catalogue: they stay English
// where they are made, marked with UserText so that the catalogues collect them, and the engine
// puts them into the user's language where it takes them over.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace tavolo {

// Marks `english` as a text the user may be shown; it is the text itself.
constexpr const char* UserText(const char* english) {
  return english;
}

// Whether a placeholder %1 … %9 starts at `at`.
constexpr bool IsPlaceholderAt(std::string_view text, size_t at) {
  return text[at] == '%' && at + 1 < text.size() && text[at + 1] >= '1' && text[at + 1] <= '9';
}

// `text` with each placeholder %1 … %9 replaced by the argument of that number, in one pass, so
// that a "%2" inside an argument (a file's name) is never filled in again. A placeholder without
// an argument stays as it is. Bytes pass through unchanged: a name need not be UTF-8.
std::string FillPlaceholders(std::string_view text, std::span<const std::string> arguments);

}  // namespace tavolo
