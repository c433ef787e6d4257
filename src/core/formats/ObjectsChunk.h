// The objects a user added to a card face as the "OBJS" chunk of its extension section: the
// chunk's version (u32, 1), the number of objects (u32), then each object as its kind (u8), its
// box's left, top, width and height (f32), its quarter turns (u8), z (i32), locked (u8), and its
// source as a length (u32) and that many bytes. A source of a text box: horizontal and vertical
// alignment and shrink to fit (u8 each), the style's size, face and style texts, the text and
// frame colours (h, s, l as f32), frame mode, frame size and the reserved value (i32), opacity
// and brightness (f32), then the number of lines (u32) and each line; every text as the length
// of its UTF-8 bytes (u32) and the bytes. A source of a line, a rectangle or an ellipse: stroke
// colour (u32 0xRRGGBB), stroke width (f32), whether it is filled (u8), fill colour (u32) and
// corner radius (f32). Any other kind is a later version's: its source is kept as it was read.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/card/CardExtensions.h"
#include "core/card/PlacedObject.h"

namespace tavolo {

// Far more than a card shows; a larger count is taken as damage.
inline constexpr uint32_t kMaxPlacedObjects = 4096;

struct ObjectsChunk {
  static constexpr ChunkTag kTag = MakeChunkTag("OBJS");
  static constexpr uint32_t kVersion = 1;
  static std::vector<uint8_t> Encode(const std::vector<PlacedObject>& objects);
  // Nothing for a damaged payload: another version, too many objects, a box that is no number or
  // far off any card, a turn past 3, a flag or alignment out of range, a colour past 0xFFFFFF, a
  // stroke width past kMaxStrokeWidth, a text that is not UTF-8 or too long, a source whose
  // length runs past the end or that holds bytes after its fields, or bytes after the last object.
  static std::optional<std::vector<PlacedObject>> Decode(std::span<const uint8_t> payload);
};

}  // namespace tavolo
