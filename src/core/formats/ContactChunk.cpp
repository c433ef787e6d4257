#include "core/formats/ContactChunk.h"

#include <QByteArray>
#include <QStringDecoder>

#include "core/card/CardState.h"
#include "core/storage/ByteReader.h"
#include "core/storage/ByteWriter.h"

namespace tavolo {

std::vector<uint8_t> ContactChunk::Encode(const ContactDetails& details) {
  std::vector<uint8_t> out;
  ByteWriter writer(out);
  writer.PutU32(kContactFieldCount);
  for (const QString& field : details) {
    const QByteArray utf8 = field.toUtf8();
    writer.PutU32(static_cast<uint32_t>(utf8.size()));
    writer.PutBytes(std::span(reinterpret_cast<const uint8_t*>(utf8.constData()),
                              static_cast<size_t>(utf8.size())));
  }
  return out;
}

std::optional<ContactDetails> ContactChunk::Decode(std::span<const uint8_t> payload) {
  ByteReader in(payload);
  if (in.U32() != kContactFieldCount || !in.ok()) return std::nullopt;
  ContactDetails details;
  for (QString& field : details) {
    const uint32_t length = in.U32();
    if (!in.ok() || length > in.remaining()) return std::nullopt;
    const std::span<const uint8_t> bytes = in.Bytes(length);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    field = utf8.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (utf8.hasError() || field.size() > kMaxLineLength) return std::nullopt;
  }
  if (in.remaining() != 0) return std::nullopt;
  return details;
}

}  // namespace tavolo
