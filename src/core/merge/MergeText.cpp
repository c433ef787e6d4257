#include "core/merge/MergeText.h"

#include <algorithm>

#include <QStringDecoder>

#include "core/base/Translation.h"
#include "core/formats/Cp1252.h"

namespace tavolo {

namespace {

constexpr uint8_t kBom[] = {0xEF, 0xBB, 0xBF};

}  // namespace

std::span<const uint8_t> WithoutBom(std::span<const uint8_t> bytes) {
  const bool bom = bytes.size() >= 3 && std::equal(std::begin(kBom), std::end(kBom), bytes.begin());
  return bom ? bytes.subspan(3) : bytes;
}

std::optional<QString> DecodeUtf8(std::span<const uint8_t> bytes) {
  QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
  const QByteArrayView view(reinterpret_cast<const char*>(bytes.data()),
                            static_cast<qsizetype>(bytes.size()));
  QString text = utf8.decode(view);
  if (utf8.hasError()) return std::nullopt;
  return text;
}

QString DecodeLegacyText(std::span<const uint8_t> bytes) {
  std::optional<QString> text = DecodeUtf8(bytes);
  return text ? std::move(*text) : DecodeCp1252(bytes);
}

Outcome<> RefuseNul(std::span<const uint8_t> bytes, const std::string& name) {
  const auto nul = std::ranges::find(bytes, uint8_t{0});
  if (nul == bytes.end()) return {};
  const long line = 1 + std::count(bytes.begin(), nul, uint8_t{'\n'});
  return Failure{TrMessage(
      "%1, line %2: the file holds a NUL byte, so it is not a text file; save it as CSV or "
      "vCard in UTF-8.",
      name, line)};
}

Outcome<QString> DecodeMergeText(std::span<const uint8_t> bytes, const std::string& name) {
  if (const Outcome<> text = RefuseNul(bytes, name); !text) return Failure{text.Message()};
  return DecodeLegacyText(WithoutBom(bytes));
}

}  // namespace tavolo
