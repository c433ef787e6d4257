#include "core/formats/ContactChunk.h"

#include <cstdint>

#include "core/card/CardState.h"
#include "core/formats/ChunkText.h"
#include "core/storage/ByteReader.h"
#include "core/storage/ByteWriter.h"

namespace tavolo {

std::vector<uint8_t> ContactChunk::Encode(const ContactDetails& details) {
  std::vector<uint8_t> out;
  ByteWriter writer(out);
  writer.PutU32(kContactFieldCount);
  for (const QString& field : details) {
    PutUtf8Text(writer, field);
  }
  return out;
}

std::optional<ContactDetails> ContactChunk::Decode(std::span<const uint8_t> payload) {
  ByteReader in(payload);
  if (in.U32() != kContactFieldCount || !in.ok()) return std::nullopt;
  ContactDetails details;
  for (QString& field : details) {
    std::optional<QString> text = TakeUtf8Text(in, UINT32_MAX);
    if (!text || text->size() > kMaxLineLength) return std::nullopt;
    field = *std::move(text);
  }
  if (in.remaining() != 0) return std::nullopt;
  return details;
}

}  // namespace tavolo
