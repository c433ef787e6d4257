// The card's QR code as the "QRCD" chunk of its extension section: what it holds (u8), light on
// dark (u8), the dark and the light colour (u32 0xRRGGBB each), centre x, centre y and side (f32),
// then the code's own text as the length of its UTF-8 bytes (u32) and the bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/card/CardExtensions.h"
#include "core/card/PlacedQrCode.h"

namespace tavolo {

struct QrCodeChunk {
  static constexpr ChunkTag kTag = MakeChunkTag("QRCD");
  static std::vector<uint8_t> Encode(const PlacedQrCode& code);
  // Nothing for a damaged payload: an unknown content or flag, a colour past 0xFFFFFF, a centre
  // that is no number or far off the card, a side outside kMinQrSide..kMaxQrSide, a text length
  // past the end or the limit, bytes that are not UTF-8, or bytes after the text.
  static std::optional<PlacedQrCode> Decode(std::span<const uint8_t> payload);
};

}  // namespace tavolo
