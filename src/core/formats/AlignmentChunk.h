// How the card's boxes align their text as the "ALGN" chunk of its extension section: the
// chunk's version (u32, 1), then per box its alignment across and down (u8 each: 0, 1 or 2 for
// left, centre, right and top, middle, bottom; 255 where the layout's own placement holds).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/card/CardExtensions.h"
#include "core/card/CardState.h"

namespace tavolo {

struct AlignmentChunk {
  static constexpr ChunkTag kTag = MakeChunkTag("ALGN");
  static constexpr uint32_t kVersion = 1;
  static std::vector<uint8_t> Encode(const BoxAlignments& boxes);
  // Nothing for a damaged payload: another version or length, or a value past 2 other than 255.
  static std::optional<BoxAlignments> Decode(std::span<const uint8_t> payload);
};

// Whether any box is aligned otherwise than its layout places it (what makes the chunk worth
// writing).
bool AnyAligned(const BoxAlignments& boxes);

}  // namespace tavolo
