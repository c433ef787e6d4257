#include "core/formats/PictureLinkChunk.h"

#include <algorithm>

#include <QByteArray>

#include "core/storage/ByteReader.h"
#include "core/storage/ByteWriter.h"

namespace tavolo {

namespace {

constexpr size_t kHashBytes = 32;

}  // namespace

std::vector<uint8_t> PictureLinkChunk::Encode(const Hashes& hashes) {
  std::vector<uint8_t> out;
  ByteWriter writer(out);
  writer.PutU32(kVersion);
  for (const QString& hash : hashes) {
    QByteArray digest = QByteArray::fromHex(hash.toLatin1());
    digest.resize(kHashBytes, '\0');
    writer.PutBytes(std::span(reinterpret_cast<const uint8_t*>(digest.constData()), kHashBytes));
  }
  return out;
}

std::optional<PictureLinkChunk::Hashes> PictureLinkChunk::Decode(std::span<const uint8_t> payload) {
  ByteReader in(payload);
  if (in.U32() != kVersion || in.remaining() != kHashBytes * kPictureKindCount) {
    return std::nullopt;
  }
  Hashes hashes;
  for (QString& hash : hashes) {
    const std::span<const uint8_t> digest = in.Bytes(kHashBytes);
    if (std::ranges::any_of(digest, [](uint8_t b) { return b != 0; })) {
      hash = QString::fromLatin1(
          QByteArray(reinterpret_cast<const char*>(digest.data()), kHashBytes).toHex());
    }
  }
  return hashes;
}

}  // namespace tavolo
