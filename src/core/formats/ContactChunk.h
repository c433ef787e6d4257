// The contact details as a chunk of the card's extension section: the number of fields (11), then
// each field as the length of its UTF-8 bytes (u32) and the bytes, little-endian like the rest
// of the file.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/card/CardExtensions.h"
#include "core/card/ContactDetails.h"

namespace tavolo {

struct ContactChunk {
  static constexpr ChunkTag kTag = MakeChunkTag("CONT");
  static std::vector<uint8_t> Encode(const ContactDetails& details);
  // Nothing for a damaged payload: another field count, a length past the end, bytes that are
  // not UTF-8, a field longer than a line of the card holds, or bytes after the last field.
  static std::optional<ContactDetails> Decode(std::span<const uint8_t> payload);
};

}  // namespace tavolo
