// Which text boxes of a card shrink a line too wide for them to fit, as the "FITS" chunk of the
// card's extension section: one byte (0 or 1) per box.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/card/CardExtensions.h"
#include "core/card/CardState.h"

namespace tavolo {

struct ShrinkToFitChunk {
  static constexpr ChunkTag kTag = MakeChunkTag("FITS");
  static std::vector<uint8_t> Encode(const FitFlags& boxes);
  // nullopt for a payload of another length or with a byte other than 0 and 1.
  static std::optional<FitFlags> Decode(std::span<const uint8_t> payload);
};

}  // namespace tavolo
