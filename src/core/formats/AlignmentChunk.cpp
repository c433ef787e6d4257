#include "core/formats/AlignmentChunk.h"

#include <algorithm>

#include "core/storage/ByteReader.h"
#include "core/storage/ByteWriter.h"

namespace tavolo {

namespace {

constexpr uint8_t kLayoutsOwn = 255;

template <class Align>
uint32_t Stored(const std::optional<Align>& align) {
  return align ? static_cast<uint32_t>(*align) : kLayoutsOwn;
}

// False for a value that is neither an alignment nor the layout's own.
template <class Align>
bool Take(uint8_t value, std::optional<Align>& align) {
  if (value == kLayoutsOwn) return true;
  if (value > kLastAlign) return false;
  align = static_cast<Align>(value);
  return true;
}

}  // namespace

std::vector<uint8_t> AlignmentChunk::Encode(const BoxAlignments& boxes) {
  std::vector<uint8_t> payload;
  ByteWriter out(payload);
  out.PutU32(kVersion);
  for (const BoxAlignment& box : boxes) {
    out.PutU8(Stored(box.horizontal));
    out.PutU8(Stored(box.vertical));
  }
  return payload;
}

std::optional<BoxAlignments> AlignmentChunk::Decode(std::span<const uint8_t> payload) {
  ByteReader in(payload);
  if (in.U32() != kVersion || !in.ok()) return std::nullopt;
  BoxAlignments boxes{};
  for (BoxAlignment& box : boxes) {
    const uint8_t horizontal = in.U8();
    const uint8_t vertical = in.U8();
    if (!in.ok() || !Take(horizontal, box.horizontal) || !Take(vertical, box.vertical)) {
      return std::nullopt;
    }
  }
  if (in.remaining() != 0) return std::nullopt;
  return boxes;
}

bool AnyAligned(const BoxAlignments& boxes) {
  return std::ranges::any_of(boxes, [](const BoxAlignment& box) { return box != BoxAlignment{}; });
}

}  // namespace tavolo
