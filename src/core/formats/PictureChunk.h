// One embedded picture as a "PICT" chunk of a project's extension section: the chunk's version
// (u32, 1), the SHA-256 of the picture's bytes (32 bytes), the file name it was placed from (u32
// length of its UTF-8 bytes, the bytes), then the picture file's bytes (u32 length, the bytes).
// The front's section holds one per distinct picture of both faces; "PLNK" (PictureLinkChunk.h)
// says which face shows which.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include <QString>

#include "core/card/CardExtensions.h"
#include "core/card/PictureStore.h"

namespace tavolo {

struct PictureChunk {
  static constexpr ChunkTag kTag = MakeChunkTag("PICT");
  static constexpr uint32_t kVersion = 1;

  struct Decoded {
    QString hash;
    StoredPicture picture;
  };
  static std::vector<uint8_t> Encode(const QString& hash, const StoredPicture& picture);
  // Nothing for a damaged payload: another version, a name that is not a plain file name or not
  // UTF-8, a length past the end, bytes over kMaxEmbeddedPictureBytes, or bytes whose hash is
  // not the one stored.
  static std::optional<Decoded> Decode(std::span<const uint8_t> payload);
};

}  // namespace tavolo
