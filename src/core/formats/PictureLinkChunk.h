// Which embedded pictures a face shows, as the "PLNK" chunk of its extension section: the chunk's
// version (u32, 1), then for the photo and the logo the SHA-256 of its bytes (32 bytes; all zero
// for a picture the card holds no bytes for). The bytes are in the front's "PICT" chunks.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include <QString>

#include "core/card/CardExtensions.h"
#include "core/card/PlacedPicture.h"

namespace tavolo {

struct PictureLinkChunk {
  static constexpr ChunkTag kTag = MakeChunkTag("PLNK");
  static constexpr uint32_t kVersion = 1;

  // The hashes in the order of kPictureKinds, empty for none.
  using Hashes = std::array<QString, kPictureKindCount>;
  static std::vector<uint8_t> Encode(const Hashes& hashes);
  // Nothing for another version or size.
  static std::optional<Hashes> Decode(std::span<const uint8_t> payload);
};

}  // namespace tavolo
