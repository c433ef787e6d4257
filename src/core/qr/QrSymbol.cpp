#include "core/qr/QrSymbol.h"

#include <array>
#include <cerrno>
#include <memory>
#include <string>

#include <qrencode.h>
#include <QByteArray>

#include "core/base/Translation.h"

namespace tavolo {

namespace {

// The ECI assignment number of UTF-8.
constexpr unsigned kEciUtf8 = 26;
constexpr int kEciBits = 12;
constexpr int kEciEstimateBits = 28;

// The data codewords of each version (1 to 40) at level M.
constexpr std::array<int, 40> kDataCodewordsM = {
    16,   28,   44,   64,   86,   108,  124,  154,  182,  216,  254,  290,  334,  365,
    415,  453,  507,  563,  627,  669,  714,  782,  860,  914,  1000, 1062, 1128, 1193,
    1267, 1373, 1455, 1541, 1631, 1725, 1812, 1914, 1992, 2102, 2216, 2334};

bool NeedsEci(const QByteArray& utf8) {
  for (const char c : utf8) {
    if (static_cast<unsigned char>(c) >= 0x80) return true;
  }
  return false;
}

Failure TooLong(const QByteArray& utf8) {
  return Failure{
      TrMessage("The QR code's content is too long: %1 bytes, and a QR code holds at most %2.",
                utf8.size(), NeedsEci(utf8) ? kMaxQrBytesWithEci : kMaxQrBytes)};
}

struct QrCodeFree {
  void operator()(QRcode* code) const { QRcode_free(code); }
};

struct QrInputFree {
  void operator()(QRinput* input) const { QRinput_free(input); }
};

}  // namespace

Outcome<QrSymbol> EncodeQrSymbol(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  if (utf8.size() > kMaxQrBytes) return TooLong(utf8);
  errno = 0;
  const std::unique_ptr<QRinput, QrInputFree> input(QRinput_new2(0, QR_ECLEVEL_M));
  if (!input) return Failure{TrMessage("The QR code could not be encoded.")};
  if ((NeedsEci(utf8) && QRinput_appendECIheader(input.get(), kEciUtf8) != 0) ||
      QRinput_append(input.get(), QR_MODE_8, static_cast<int>(utf8.size()),
                     reinterpret_cast<const unsigned char*>(utf8.constData())) != 0) {
    return Failure{TrMessage("The QR code could not be encoded.")};
  }
  const std::unique_ptr<QRcode, QrCodeFree> code(QRcode_encodeInput(input.get()));
  if (!code) {
    if (errno == ERANGE) return TooLong(utf8);
    return Failure{TrMessage("The QR code could not be encoded.")};
  }
  QrSymbol symbol;
  symbol.width = code->width;
  const size_t count = static_cast<size_t>(code->width) * static_cast<size_t>(code->width);
  symbol.dark.resize(count);
  for (size_t i = 0; i < count; ++i) symbol.dark[i] = code->data[i] & 1;
  return symbol;
}

std::optional<int> QrSymbolWidth(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  const bool eci = NeedsEci(utf8);
  // The mode indicator, then the count and the bytes; before them the ECI designator, which
  // libqrencode counts as 28 bits when it picks the version (12 in the code, and 4 for each of
  // the 4 bytes it keeps the number in), though a version-40 code takes what the 12 bits leave.
  const auto fits = [&](int version, int eciBits) {
    const int countBits = version <= 9 ? 8 : 16;
    return 4 + (eci ? eciBits : 0) + countBits + 8 * utf8.size() <=
           8 * kDataCodewordsM[static_cast<size_t>(version - 1)];
  };
  for (int version = 1; version <= 40; ++version) {
    if (fits(version, kEciEstimateBits)) return 17 + 4 * version;
  }
  if (fits(40, kEciBits)) return 17 + 4 * 40;
  return std::nullopt;
}

}  // namespace tavolo
