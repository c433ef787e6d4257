// Windows-1252, the 8-bit code page of strings in project and template files. Every byte decodes
// (the five unassigned bytes to the control characters of the same value), so bytes read and
// written back come out unchanged.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include <QString>

namespace tavolo {

QString DecodeCp1252(std::span<const uint8_t> bytes);
// The bytes of `text`, or nothing when a character has no place in the code page.
std::optional<std::vector<uint8_t>> EncodeCp1252(const QString& text);

}  // namespace tavolo
