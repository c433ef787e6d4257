// Which text boxes of a card draw a line too wide for the box smaller until it fits: the "FITS"
// chunk of the card's extension section, one byte (0 or 1) per box. A card whose file does not
// say shrinks nothing, so it is drawn as it always was; a new card shrinks every box.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/card/CardExtensions.h"
#include "core/card/CardState.h"

namespace tavolo {

struct ShrinkToFitChunk {
  static constexpr ChunkTag kTag = MakeChunkTag("FITS");
  using Value = std::array<bool, kTextBoxCount>;
  static std::vector<uint8_t> Encode(const Value& value);
  // nullopt for a payload of another length or with a byte other than 0 and 1.
  static std::optional<Value> Decode(std::span<const uint8_t> payload);
};

// False for a box outside 0..4 and for a card whose chunk is missing or damaged.
bool ShrinksToFit(const CardState& card, int box);
void SetShrinkToFit(CardState& card, int box, bool on);
void ShrinkEveryBoxToFit(CardState& card);
// A card made from a template shrinks every box, unless the template says otherwise.
void ShrinkNewCardToFit(CardState& card);

}  // namespace tavolo
