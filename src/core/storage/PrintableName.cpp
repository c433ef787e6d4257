#include "core/storage/PrintableName.h"

#include <cstdio>

namespace tavolo {

namespace {

void AppendEscape(std::string& out, unsigned char byte) {
  switch (byte) {
    case '\n':
      out += "\\n";
      return;
    case '\r':
      out += "\\r";
      return;
    case '\t':
      out += "\\t";
      return;
    default:
      break;
  }
  char escape[5];
  std::snprintf(escape, sizeof escape, "\\x%02x", byte);
  out += escape;
}

// The length of the well-formed UTF-8 sequence of two or more bytes at the start of `text`; 0
// when there is none there.
size_t Utf8SequenceLength(std::string_view text) {
  const auto at = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = at(0);
  size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (text.size() < length || at(1) < low || at(1) > high) return 0;
  for (size_t i = 2; i < length; ++i) {
    if (at(i) < 0x80 || at(i) > 0xBF) return 0;
  }
  return length;
}

}  // namespace

std::string PrintableName(std::string_view name) {
  std::string out;
  out.reserve(name.size());
  size_t i = 0;
  while (i < name.size()) {
    const auto byte = static_cast<unsigned char>(name[i]);
    if (byte >= 0x20 && byte < 0x7F) {
      out += name[i++];
      continue;
    }
    const size_t length = byte >= 0x80 ? Utf8SequenceLength(name.substr(i)) : 0;
    // U+0080 to U+009F are controls too: a terminal takes U+009B as the start of a sequence.
    const bool c1Control =
        length == 2 && byte == 0xC2 && static_cast<unsigned char>(name[i + 1]) < 0xA0;
    if (length > 0 && !c1Control) {
      out.append(name.substr(i, length));
      i += length;
    } else {
      AppendEscape(out, byte);
      ++i;
    }
  }
  return out;
}

}  // namespace tavolo
