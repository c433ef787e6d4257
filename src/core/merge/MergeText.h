// The text of a data file: UTF-8 (with or without its byte-order mark) when the bytes are valid
// UTF-8, else Windows-1252, where every byte is a character. A NUL byte means the file is not
// text (a UTF-16 file or a binary one) and is refused with the line it is on.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include <QString>

#include "core/storage/Outcome.h"

namespace tavolo {

// `name` is the file's name as the messages show it.
Outcome<QString> DecodeMergeText(std::span<const uint8_t> bytes, const std::string& name);

// A failure naming the line of the first NUL byte of `bytes`, if there is one.
Outcome<> RefuseNul(std::span<const uint8_t> bytes, const std::string& name);

// `bytes` without a UTF-8 byte-order mark in front.
std::span<const uint8_t> WithoutBom(std::span<const uint8_t> bytes);

// The text of `bytes` when they are valid UTF-8.
std::optional<QString> DecodeUtf8(std::span<const uint8_t> bytes);

// The text of a value in a legacy character set: UTF-8 when it is valid UTF-8, else
// Windows-1252 (a superset of Latin-1's printable characters).
QString DecodeLegacyText(std::span<const uint8_t> bytes);

}  // namespace tavolo
