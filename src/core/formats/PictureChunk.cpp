#include "core/formats/PictureChunk.h"

#include <QByteArray>
#include <QStringDecoder>

#include "core/card/PlainFileName.h"
#include "core/storage/ByteReader.h"
#include "core/storage/ByteWriter.h"

namespace tavolo {

namespace {

constexpr size_t kHashBytes = 32;
// Far longer than any file name a file system keeps.
constexpr uint32_t kMaxNameBytes = 1024;

}  // namespace

std::vector<uint8_t> PictureChunk::Encode(const QString& hash, const StoredPicture& picture) {
  std::vector<uint8_t> out;
  ByteWriter writer(out);
  writer.PutU32(kVersion);
  const QByteArray digest = QByteArray::fromHex(hash.toLatin1());
  writer.PutBytes(std::span(reinterpret_cast<const uint8_t*>(digest.constData()),
                            static_cast<size_t>(digest.size())));
  const QByteArray name = picture.name.toUtf8();
  writer.PutU32(static_cast<uint32_t>(name.size()));
  writer.PutBytes(std::span(reinterpret_cast<const uint8_t*>(name.constData()),
                            static_cast<size_t>(name.size())));
  writer.PutU32(static_cast<uint32_t>(picture.bytes->size()));
  writer.PutBytes(*picture.bytes);
  return out;
}

std::optional<PictureChunk::Decoded> PictureChunk::Decode(std::span<const uint8_t> payload) {
  ByteReader in(payload);
  if (in.U32() != kVersion) return std::nullopt;
  const std::span<const uint8_t> digest = in.Bytes(kHashBytes);
  const uint32_t nameLength = in.U32();
  if (!in.ok() || nameLength > kMaxNameBytes || nameLength > in.remaining()) return std::nullopt;
  const std::span<const uint8_t> nameBytes = in.Bytes(nameLength);
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString name =
      utf8.decode(QByteArrayView(nameBytes.data(), static_cast<qsizetype>(nameBytes.size())));
  const uint32_t length = in.U32();
  if (!in.ok() || utf8.hasError() || !IsPlainFileName(name) || length > kMaxEmbeddedPictureBytes ||
      length != in.remaining()) {
    return std::nullopt;
  }
  const std::span<const uint8_t> bytes = in.Bytes(length);
  const QString hash = PictureStore::HashOf(bytes);
  if (QByteArray::fromHex(hash.toLatin1()) !=
      QByteArrayView(digest.data(), static_cast<qsizetype>(digest.size()))) {
    return std::nullopt;
  }
  return Decoded{hash,
                 {name, std::make_shared<const std::vector<uint8_t>>(bytes.begin(), bytes.end())}};
}

}  // namespace tavolo
