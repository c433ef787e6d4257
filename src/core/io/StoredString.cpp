#include "core/io/StoredString.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/io/Cp1252.h"

namespace tavolo {

namespace {

constexpr uint16_t kWideMarker = 0xFFFE;
constexpr uint16_t kLongLength = 0xFFFF;

bool ReadLength(ByteReader& in, bool acceptWideMarker, uint32_t& length, bool& wide) {
  uint8_t shortLength = 0;
  if (!in.ReadU8(shortLength)) return false;
  if (shortLength < 0xFF) {
    length = shortLength;
    return true;
  }
  uint16_t mediumLength = 0;
  if (!in.ReadU16(mediumLength)) return false;
  if (mediumLength == kWideMarker && acceptWideMarker) {
    wide = true;
    return ReadLength(in, false, length, wide);
  }
  if (mediumLength != kLongLength) {
    length = mediumLength;
    return true;
  }
  return in.ReadU32(length);
}

void WriteLength(ByteWriter& out, uint32_t length) {
  if (length < 0xFF) {
    out.WriteU8(static_cast<uint8_t>(length));
  } else if (length < kWideMarker) {
    out.WriteU8(0xFF);
    out.WriteU16(static_cast<uint16_t>(length));
  } else {
    out.WriteU8(0xFF);
    out.WriteU16(kLongLength);
    out.WriteU32(length);
  }
}

}  // namespace

bool ReadStoredString(ByteReader& in, QString& out) {
  uint32_t length = 0;
  bool wide = false;
  if (!ReadLength(in, true, length, wide)) return false;
  const uint64_t byteCount = static_cast<uint64_t>(length) * (wide ? 2 : 1);
  std::span<const uint8_t> bytes;
  if (byteCount > in.Remaining() || !in.ReadBytes(static_cast<size_t>(byteCount), bytes)) {
    return false;
  }
  if (!wide) {
    out = DecodeCp1252(bytes);
    return true;
  }
  QString text;
  text.resize(static_cast<qsizetype>(length));
  for (uint32_t i = 0; i < length; ++i) {
    text[i] = QChar(static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8)));
  }
  out = std::move(text);
  return true;
}

void WriteStoredString(ByteWriter& out, const QString& text) {
  if (const std::optional<std::vector<uint8_t>> bytes = EncodeCp1252(text)) {
    WriteLength(out, static_cast<uint32_t>(bytes->size()));
    out.WriteBytes(*bytes);
    return;
  }
  out.WriteU8(0xFF);
  out.WriteU16(kWideMarker);
  WriteLength(out, static_cast<uint32_t>(text.size()));
  for (const QChar c : text) out.WriteU16(c.unicode());
}

}  // namespace tavolo
