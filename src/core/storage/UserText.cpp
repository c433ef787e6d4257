#include "core/storage/UserText.h"

namespace tavolo {

std::string FillPlaceholders(std::string_view text, std::span<const std::string> arguments) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (IsPlaceholderAt(text, i) && static_cast<size_t>(text[i + 1] - '1') < arguments.size()) {
      out += arguments[static_cast<size_t>(text[++i] - '1')];
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace tavolo
