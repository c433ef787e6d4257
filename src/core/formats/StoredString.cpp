#include "core/formats/StoredString.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/formats/Cp1252.h"

namespace tavolo {

namespace {

constexpr uint16_t kWideMarker = 0xFFFE;
constexpr uint16_t kLongLength = 0xFFFF;

bool ReadLength(ByteReader& in, bool acceptWideMarker, uint32_t& length, bool& wide) {
  const uint8_t shortLength = in.U8();
  if (!in.ok()) return false;
  if (shortLength < 0xFF) {
    length = shortLength;
    return true;
  }
  const uint16_t mediumLength = in.U16();
  if (!in.ok()) return false;
  if (mediumLength == kWideMarker && acceptWideMarker) {
    wide = true;
    return ReadLength(in, false, length, wide);
  }
  length = mediumLength != kLongLength ? mediumLength : in.U32();
  return in.ok();
}

void WriteLength(ByteWriter& out, uint32_t length) {
  if (length < 0xFF) {
    out.PutU8(length);
  } else if (length < kWideMarker) {
    out.PutU8(0xFF);
    out.PutU16(length);
  } else {
    out.PutU8(0xFF);
    out.PutU16(kLongLength);
    out.PutU32(length);
  }
}

}  // namespace

bool ReadStoredString(ByteReader& in, QString& out) {
  uint32_t length = 0;
  bool wide = false;
  if (!ReadLength(in, true, length, wide)) return false;
  const uint64_t byteCount = static_cast<uint64_t>(length) * (wide ? 2 : 1);
  if (byteCount > in.remaining()) return false;
  const std::span<const uint8_t> bytes = in.Bytes(static_cast<size_t>(byteCount));
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
    out.PutBytes(*bytes);
    return;
  }
  out.PutU8(0xFF);
  out.PutU16(kWideMarker);
  WriteLength(out, static_cast<uint32_t>(text.size()));
  for (const QChar c : text) out.PutU16(c.unicode());
}

}  // namespace tavolo
