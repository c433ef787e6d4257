#include "core/formats/ClearGroundChunk.h"

#include <cstdlib>

#include "core/card/CardLimits.h"
#include "core/storage/ByteReader.h"
#include "core/storage/ByteWriter.h"

namespace tavolo {

namespace {

// An edge this far off the card leaves nothing of the area on any card.
bool PlausibleEdge(int32_t value) {
  return std::abs(int64_t{value}) <= 2 * int64_t{kMaxCardSide};
}

}  // namespace

std::vector<uint8_t> ClearGroundChunk::Encode(const ClearGround& ground) {
  std::vector<uint8_t> out;
  ByteWriter writer(out);
  writer.PutU8(kVersion);
  writer.PutU8(kTextBoxCount);
  for (const std::optional<PixelRect>& area : ground.boxes) {
    writer.PutU8(area ? 1 : 0);
    if (!area) continue;
    for (const int edge : {area->left, area->top, area->right, area->bottom}) {
      writer.PutU32(static_cast<uint32_t>(edge));
    }
  }
  return out;
}

std::optional<ClearGround> ClearGroundChunk::Decode(std::span<const uint8_t> payload) {
  ByteReader in(payload);
  if (in.U8() != kVersion || in.U8() != kTextBoxCount || !in.ok()) return std::nullopt;
  ClearGround ground;
  for (std::optional<PixelRect>& area : ground.boxes) {
    const uint8_t present = in.U8();
    if (!in.ok() || present > 1) return std::nullopt;
    if (present == 0) continue;
    PixelRect r;
    r.left = in.I32();
    r.top = in.I32();
    r.right = in.I32();
    r.bottom = in.I32();
    if (!in.ok() || r.left >= r.right || r.top >= r.bottom) return std::nullopt;
    for (const int edge : {r.left, r.top, r.right, r.bottom}) {
      if (!PlausibleEdge(edge)) return std::nullopt;
    }
    area = r;
  }
  if (in.remaining() != 0) return std::nullopt;
  return ground;
}

}  // namespace tavolo
