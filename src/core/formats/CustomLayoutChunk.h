// The card's Custom layout as the "CUST" chunk of its extension section: the chunk's version
// (u32, 1), whether it is current (u8), the layout whose boxes it places (u8, 0..9), then per box
// whether it is placed freely (u8) and, when it is, its left, top, width and height (f32).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/card/CardExtensions.h"
#include "core/card/CustomLayout.h"

namespace tavolo {

struct CustomLayoutChunk {
  static constexpr ChunkTag kTag = MakeChunkTag("CUST");
  static constexpr uint32_t kVersion = 1;
  static std::vector<uint8_t> Encode(const CustomLayout& custom);
  // Nothing for a damaged payload: another version, a flag past 1, a layout past 9, a box that
  // is no number, far off any card or of a negative size, too few bytes or bytes after the last
  // box.
  static std::optional<CustomLayout> Decode(std::span<const uint8_t> payload);
};

}  // namespace tavolo
