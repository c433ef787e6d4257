#include "core/formats/ExtensionSection.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "core/storage/ByteReader.h"
#include "core/storage/PrintableName.h"

namespace tavolo {

namespace {

Failure Damaged(const std::string& what) {
  return {"the extension section " + what};
}

Failure DamagedChunk(uint32_t index, const std::string& what) {
  return {"chunk " + std::to_string(index) + " of the extension section " + what};
}

std::string TagText(const ChunkTag& tag) {
  return "\"" + PrintableName(std::string_view(tag.data(), tag.size())) + "\"";
}

}  // namespace

Outcome<> ReadExtensionSection(std::span<const uint8_t> bytes, CardExtensions& extensions) {
  extensions = {};
  if (bytes.empty()) return {};
  ByteReader in(bytes);
  const std::span<const uint8_t> tag = in.Bytes(kExtensionSectionTag.size());
  if (!in.ok() || !std::ranges::equal(tag, kExtensionSectionTag)) {
    return Damaged("does not begin with its tag");
  }
  const uint32_t version = in.U32();
  const uint32_t count = in.U32();
  if (!in.ok()) return Damaged("ends inside its header");
  if (version != kExtensionSectionVersion) {
    return Damaged("has version " + std::to_string(version));
  }
  if (count > kMaxExtensionChunks) {
    return Damaged("claims " + std::to_string(count) + " chunks; at most " +
                   std::to_string(kMaxExtensionChunks) + " are allowed");
  }
  for (uint32_t i = 0; i < count; ++i) {
    ExtensionChunk chunk;
    const std::span<const uint8_t> letters = in.Bytes(chunk.tag.size());
    const uint32_t length = in.U32();
    if (!in.ok()) return DamagedChunk(i, "is cut short");
    std::copy(letters.begin(), letters.end(), chunk.tag.begin());
    if (length > in.remaining()) {
      return DamagedChunk(i, TagText(chunk.tag) + " claims " + std::to_string(length) + " bytes; " +
                                 std::to_string(in.remaining()) + " follow");
    }
    const std::span<const uint8_t> payload = in.Bytes(length);
    chunk.payload.assign(payload.begin(), payload.end());
    extensions.Append(std::move(chunk));
  }
  if (in.remaining() != 0) {
    return Damaged("is followed by " + std::to_string(in.remaining()) + " bytes");
  }
  return {};
}

void WriteExtensionSection(ByteWriter& out, const CardExtensions& extensions) {
  if (extensions.Empty()) return;
  out.PutBytes(kExtensionSectionTag);
  out.PutU32(kExtensionSectionVersion);
  out.PutU32(static_cast<uint32_t>(extensions.Chunks().size()));
  for (const ExtensionChunk& chunk : extensions.Chunks()) {
    for (const char letter : chunk.tag) out.PutU8(static_cast<uint8_t>(letter));
    out.PutU32(static_cast<uint32_t>(chunk.payload.size()));
    out.PutBytes(chunk.payload);
  }
}

}  // namespace tavolo
