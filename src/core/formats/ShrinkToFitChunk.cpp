#include "core/card/ShrinkToFitChunk.h"

#include <algorithm>

namespace tavolo {

std::vector<uint8_t> ShrinkToFitChunk::Encode(const Value& value) {
  std::vector<uint8_t> payload(value.size());
  std::ranges::transform(value, payload.begin(), [](bool on) { return uint8_t{on}; });
  return payload;
}

std::optional<ShrinkToFitChunk::Value> ShrinkToFitChunk::Decode(std::span<const uint8_t> payload) {
  Value value{};
  if (payload.size() != value.size()) return std::nullopt;
  for (size_t box = 0; box < value.size(); ++box) {
    if (payload[box] > 1) return std::nullopt;
    value[box] = payload[box] == 1;
  }
  return value;
}

bool ShrinksToFit(const CardState& card, int box) {
  if (box < 0 || box >= kTextBoxCount) return false;
  const std::optional<ShrinkToFitChunk::Value> boxes = card.extensions.Get<ShrinkToFitChunk>();
  return boxes && (*boxes)[box];
}

void SetShrinkToFit(CardState& card, int box, bool on) {
  if (box < 0 || box >= kTextBoxCount) return;
  ShrinkToFitChunk::Value boxes =
      card.extensions.Get<ShrinkToFitChunk>().value_or(ShrinkToFitChunk::Value{});
  boxes[box] = on;
  card.extensions.Set<ShrinkToFitChunk>(boxes);
}

void ShrinkEveryBoxToFit(CardState& card) {
  ShrinkToFitChunk::Value all;
  all.fill(true);
  card.extensions.Set<ShrinkToFitChunk>(all);
}

void ShrinkNewCardToFit(CardState& card) {
  if (!card.extensions.Get<ShrinkToFitChunk>()) ShrinkEveryBoxToFit(card);
}

}  // namespace tavolo
