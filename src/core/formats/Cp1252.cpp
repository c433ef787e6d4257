#include "core/formats/Cp1252.h"

#include <array>

namespace tavolo {

namespace {

// Bytes 0x80..0x9F; the unassigned ones map to themselves.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98..9F
};

std::optional<uint8_t> EncodeChar(char16_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<uint8_t>(c);
  for (size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == c) return static_cast<uint8_t>(0x80 + i);
  }
  return std::nullopt;
}

}  // namespace

QString DecodeCp1252(std::span<const uint8_t> bytes) {
  QString text;
  text.reserve(static_cast<qsizetype>(bytes.size()));
  for (const uint8_t b : bytes) {
    text.append(QChar(b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80] : char16_t{b}));
  }
  return text;
}

std::optional<std::vector<uint8_t>> EncodeCp1252(const QString& text) {
  std::vector<uint8_t> bytes;
  bytes.reserve(static_cast<size_t>(text.size()));
  for (const QChar c : text) {
    const std::optional<uint8_t> b = EncodeChar(c.unicode());
    if (!b) return std::nullopt;
    bytes.push_back(*b);
  }
  return bytes;
}

}  // namespace tavolo
