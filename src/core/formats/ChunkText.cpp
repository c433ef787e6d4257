#include "core/formats/ChunkText.h"

#include <QByteArray>
#include <QStringDecoder>

namespace tavolo {

void PutUtf8Text(ByteWriter& out, const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  out.PutU32(static_cast<uint32_t>(utf8.size()));
  out.PutBytes(std::span(reinterpret_cast<const uint8_t*>(utf8.constData()),
                         static_cast<size_t>(utf8.size())));
}

std::optional<QString> Utf8Text(std::span<const uint8_t> bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
  if (utf8.hasError()) return std::nullopt;
  return text;
}

std::optional<QString> TakeUtf8Text(ByteReader& in, uint32_t maxBytes) {
  const uint32_t length = in.U32();
  if (!in.ok() || length > maxBytes || length > in.remaining()) return std::nullopt;
  return Utf8Text(in.Bytes(length));
}

}  // namespace tavolo
