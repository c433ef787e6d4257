// The extension section that may end a project or template file, after the last section of the
// card: the tag "TVXS", the section's version (u32), the number of chunks (u32), then each chunk
// as its four-letter tag, the length of its payload (u32) and the payload, little-endian like the
// rest of the file. A reader that knows only the card's sections stops before it and reads the
// card as before.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/card/CardExtensions.h"
#include "core/storage/ByteWriter.h"
#include "core/storage/Outcome.h"

namespace tavolo {

inline constexpr std::array<uint8_t, 4> kExtensionSectionTag = {'T', 'V', 'X', 'S'};
inline constexpr uint32_t kExtensionSectionVersion = 1;
// Far more than the card will ever hold; a larger count is taken as damage.
inline constexpr uint32_t kMaxExtensionChunks = 1024;

struct ExtensionChunk {
  ChunkTag tag{};
  std::vector<uint8_t> payload;
  friend bool operator==(const ExtensionChunk&, const ExtensionChunk&) = default;
};

// Reads the section held by `bytes` (everything after the card; nothing means no section) into
// `chunks`, which is emptied first. A damaged section (another tag or version, too many chunks, a
// chunk cut short or longer than what follows, bytes after the last chunk) fails with what was
// wrong; the chunks read whole before the damage are kept.
Outcome<> ReadExtensionSection(std::span<const uint8_t> bytes, std::vector<ExtensionChunk>& chunks);

// Appends the section of `chunks`; nothing at all when there are none.
void WriteExtensionSection(ByteWriter& out, std::span<const ExtensionChunk> chunks);

// The tag as a message shows it: in quotes, unprintable letters escaped.
std::string ChunkTagText(const ChunkTag& tag);

}  // namespace tavolo
