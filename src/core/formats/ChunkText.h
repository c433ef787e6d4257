// The text of the extension chunks: a u32 byte count, then that many bytes of UTF-8.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include <QString>

#include "core/storage/ByteReader.h"
#include "core/storage/ByteWriter.h"

namespace tavolo {

void PutUtf8Text(ByteWriter& out, const QString& text);

// None when the bytes are not UTF-8.
std::optional<QString> Utf8Text(std::span<const uint8_t> bytes);

// None when the data ends early, holds more than `maxBytes` or is not UTF-8.
std::optional<QString> TakeUtf8Text(ByteReader& in, uint32_t maxBytes);

}  // namespace tavolo
