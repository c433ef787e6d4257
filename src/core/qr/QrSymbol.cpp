#include "core/qr/QrSymbol.h"

#include <cerrno>
#include <memory>
#include <string>

#include <qrencode.h>
#include <QByteArray>

#include "core/base/Translation.h"

namespace tavolo {

namespace {

// What a version-40 code holds at level M in 8-bit mode.
constexpr int kMaxQrBytes = 2331;

Failure TooLong(qsizetype bytes) {
  return Failure{
      TrMessage("The QR code's content is too long: %1 bytes, and a QR code holds at most %2.",
                bytes, kMaxQrBytes)};
}

struct QrCodeFree {
  void operator()(QRcode* code) const { QRcode_free(code); }
};

}  // namespace

Outcome<QrSymbol> EncodeQrSymbol(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  if (utf8.size() > kMaxQrBytes) return TooLong(utf8.size());
  errno = 0;
  const std::unique_ptr<QRcode, QrCodeFree> code(
      QRcode_encodeData(static_cast<int>(utf8.size()),
                        reinterpret_cast<const unsigned char*>(utf8.constData()), 0, QR_ECLEVEL_M));
  if (!code) {
    if (errno == ERANGE) return TooLong(utf8.size());
    return Failure{TrMessage("The QR code could not be encoded.")};
  }
  QrSymbol symbol;
  symbol.width = code->width;
  const size_t count = static_cast<size_t>(code->width) * static_cast<size_t>(code->width);
  symbol.dark.resize(count);
  for (size_t i = 0; i < count; ++i) symbol.dark[i] = code->data[i] & 1;
  return symbol;
}

}  // namespace tavolo
