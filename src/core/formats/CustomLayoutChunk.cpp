#include "core/formats/CustomLayoutChunk.h"

#include <cmath>

#include "core/card/CardLimits.h"
#include "core/card/LayoutTable.h"
#include "core/storage/ByteReader.h"
#include "core/storage/ByteWriter.h"

namespace tavolo {

namespace {

// As far off the card as a placed object may stand.
bool Plausible(float value, bool length) {
  return std::isfinite(value) && std::fabs(value) <= 4.0f * kMaxCardSide &&
         (!length || value >= 0.0f);
}

}  // namespace

std::vector<uint8_t> CustomLayoutChunk::Encode(const CustomLayout& custom) {
  std::vector<uint8_t> payload;
  ByteWriter out(payload);
  out.PutU32(kVersion);
  out.PutU8(custom.current ? 1 : 0);
  out.PutU8(static_cast<uint32_t>(custom.layoutIndex));
  for (const std::optional<FreeBox>& box : custom.boxes) {
    out.PutU8(box ? 1 : 0);
    if (!box) continue;
    for (const float value : {box->left, box->top, box->width, box->height}) out.PutF32(value);
  }
  return payload;
}

std::optional<CustomLayout> CustomLayoutChunk::Decode(std::span<const uint8_t> payload) {
  ByteReader in(payload);
  const uint32_t version = in.U32();
  const uint8_t current = in.U8();
  const uint8_t layout = in.U8();
  if (!in.ok() || version != kVersion || current > 1 || layout >= kLayoutCount) {
    return std::nullopt;
  }
  CustomLayout custom{current == 1, layout, {}};
  for (std::optional<FreeBox>& box : custom.boxes) {
    const uint8_t placed = in.U8();
    if (!in.ok() || placed > 1) return std::nullopt;
    if (placed == 0) continue;
    const FreeBox read{in.F32(), in.F32(), in.F32(), in.F32()};
    if (!in.ok() || !Plausible(read.left, false) || !Plausible(read.top, false) ||
        !Plausible(read.width, true) || !Plausible(read.height, true)) {
      return std::nullopt;
    }
    box = read;
  }
  if (in.remaining() != 0) return std::nullopt;
  return custom;
}

}  // namespace tavolo
