#include "core/formats/ShrinkToFitChunk.h"

#include <algorithm>

namespace tavolo {

std::vector<uint8_t> ShrinkToFitChunk::Encode(const FitFlags& boxes) {
  std::vector<uint8_t> payload(boxes.size());
  std::ranges::transform(boxes, payload.begin(), [](bool on) { return uint8_t{on}; });
  return payload;
}

std::optional<FitFlags> ShrinkToFitChunk::Decode(std::span<const uint8_t> payload) {
  FitFlags value{};
  if (payload.size() != value.size()) return std::nullopt;
  for (size_t box = 0; box < value.size(); ++box) {
    if (payload[box] > 1) return std::nullopt;
    value[box] = payload[box] == 1;
  }
  return value;
}

}  // namespace tavolo
