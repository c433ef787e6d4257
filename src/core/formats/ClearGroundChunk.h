// A template's clear ground as the "CLRG" chunk of its extension section: a version byte (1), the
// box count (5), then per box a byte saying whether it has an area (0 or 1) and, when it does,
// its left, top, right and bottom edges in full-size card pixels (signed 32 bits each). What the
// areas were measured for is the card the chunk is read with, so the chunk is written only while
// the card still has that artwork.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/card/CardExtensions.h"
#include "core/card/CardState.h"

namespace tavolo {

struct ClearGroundChunk {
  static constexpr ChunkTag kTag = MakeChunkTag("CLRG");
  static constexpr uint8_t kVersion = 1;
  static std::vector<uint8_t> Encode(const ClearGround& ground);
  // nullopt for another version or box count, a flag other than 0 and 1, an empty area or one
  // far off any card, or bytes left over. The areas come back measured for nothing: the reader
  // sets that from the card.
  static std::optional<ClearGround> Decode(std::span<const uint8_t> payload);
};

}  // namespace tavolo
