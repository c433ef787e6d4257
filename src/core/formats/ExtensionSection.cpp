#include "core/formats/ExtensionSection.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "core/base/Translation.h"
#include "core/storage/ByteReader.h"
#include "core/storage/PrintableName.h"

namespace tavolo {

std::string ChunkTagText(const ChunkTag& tag) {
  return "\"" + PrintableName(std::string_view(tag.data(), tag.size())) + "\"";
}

Outcome<> ReadExtensionSection(std::span<const uint8_t> bytes, std::vector<ExtensionChunk>& chunks) {
  chunks.clear();
  if (bytes.empty()) return {};
  ByteReader in(bytes);
  const std::span<const uint8_t> tag = in.Bytes(kExtensionSectionTag.size());
  if (!in.ok() || !std::ranges::equal(tag, kExtensionSectionTag)) {
    return Failure{TrMessage("the extension section does not begin with its tag")};
  }
  const uint32_t version = in.U32();
  const uint32_t count = in.U32();
  if (!in.ok()) return Failure{TrMessage("the extension section ends inside its header")};
  if (version != kExtensionSectionVersion) {
    return Failure{TrMessage("the extension section has version %1", version)};
  }
  if (count > kMaxExtensionChunks) {
    return Failure{TrMessage("the extension section claims %1 chunks; at most %2 are allowed",
                             count, kMaxExtensionChunks)};
  }
  for (uint32_t i = 0; i < count; ++i) {
    ExtensionChunk chunk;
    const std::span<const uint8_t> letters = in.Bytes(chunk.tag.size());
    const uint32_t length = in.U32();
    if (!in.ok()) return Failure{TrMessage("chunk %1 of the extension section is cut short", i)};
    std::copy(letters.begin(), letters.end(), chunk.tag.begin());
    if (length > in.remaining()) {
      return Failure{TrMessage("chunk %1 of the extension section %2 claims %3 bytes; %4 follow", i,
                               ChunkTagText(chunk.tag), length, in.remaining())};
    }
    const std::span<const uint8_t> payload = in.Bytes(length);
    chunk.payload.assign(payload.begin(), payload.end());
    chunks.push_back(std::move(chunk));
  }
  if (in.remaining() != 0) {
    return Failure{TrMessage("the extension section is followed by %1 bytes", in.remaining())};
  }
  return {};
}

void WriteExtensionSection(ByteWriter& out, std::span<const ExtensionChunk> chunks) {
  if (chunks.empty()) return;
  out.PutBytes(kExtensionSectionTag);
  out.PutU32(kExtensionSectionVersion);
  out.PutU32(static_cast<uint32_t>(chunks.size()));
  for (const ExtensionChunk& chunk : chunks) {
    for (const char letter : chunk.tag) out.PutU8(static_cast<uint8_t>(letter));
    out.PutU32(static_cast<uint32_t>(chunk.payload.size()));
    out.PutBytes(chunk.payload);
  }
}

}  // namespace tavolo
