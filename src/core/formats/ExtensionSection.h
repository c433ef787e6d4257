// The extension section that may end a project or template file, after the last section of the
// card: the tag "TVXS", the section's version (u32), the number of chunks (u32), then each chunk
// as its four-letter tag, the length of its payload (u32) and the payload, little-endian like the
// rest of the file. A reader that knows only the card's sections stops before it and reads the
// card as before.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "core/card/CardExtensions.h"
#include "core/storage/ByteWriter.h"
#include "core/storage/Outcome.h"

namespace tavolo {

inline constexpr std::array<uint8_t, 4> kExtensionSectionTag = {'T', 'V', 'X', 'S'};
inline constexpr uint32_t kExtensionSectionVersion = 1;
// Far more than the card will ever hold; a larger count is taken as damage.
inline constexpr uint32_t kMaxExtensionChunks = 1024;

// Reads the section held by `bytes` (everything after the card; nothing means no section) into
// `extensions`, which is emptied first. A damaged section (another tag or version, too many
// chunks, a chunk cut short or longer than what follows, bytes after the last chunk) fails with
// what was wrong; the chunks read whole before the damage are kept.
Outcome<> ReadExtensionSection(std::span<const uint8_t> bytes, CardExtensions& extensions);

// Appends the section for `extensions`; nothing at all when they are empty.
void WriteExtensionSection(ByteWriter& out, const CardExtensions& extensions);

}  // namespace tavolo
