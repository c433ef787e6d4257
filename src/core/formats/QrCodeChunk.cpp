#include "core/formats/QrCodeChunk.h"

#include <cmath>

#include "core/card/CardLimits.h"
#include "core/formats/ChunkText.h"
#include "core/storage/ByteReader.h"
#include "core/storage/ByteWriter.h"

namespace tavolo {

namespace {

constexpr uint32_t kMaxRgb = 0xFFFFFF;

// A centre this far off the card leaves nothing of the code on any card.
bool PlausibleCentre(float value) {
  return std::isfinite(value) && std::fabs(value) <= 2.0f * kMaxCardSide;
}

}  // namespace

std::vector<uint8_t> QrCodeChunk::Encode(const PlacedQrCode& code) {
  std::vector<uint8_t> out;
  ByteWriter writer(out);
  writer.PutU8(static_cast<uint32_t>(code.content));
  writer.PutU8(code.lightOnDark ? 1 : 0);
  writer.PutU32(code.dark & kMaxRgb);
  writer.PutU32(code.light & kMaxRgb);
  writer.PutF32(code.x);
  writer.PutF32(code.y);
  writer.PutF32(code.side);
  PutUtf8Text(writer, KeptQrFreeText(code.freeText));
  return out;
}

std::optional<PlacedQrCode> QrCodeChunk::Decode(std::span<const uint8_t> payload) {
  ByteReader in(payload);
  PlacedQrCode code;
  const uint8_t content = in.U8();
  const uint8_t lightOnDark = in.U8();
  const uint32_t dark = in.U32();
  const uint32_t light = in.U32();
  code.x = in.F32();
  code.y = in.F32();
  code.side = in.F32();
  const uint32_t length = in.U32();
  if (!in.ok() || content >= kQrContentCount || lightOnDark > 1 || dark > kMaxRgb ||
      light > kMaxRgb || !PlausibleCentre(code.x) || !PlausibleCentre(code.y) ||
      !(code.side >= kMinQrSide && code.side <= kMaxQrSide) || length > kMaxQrFreeTextBytes ||
      length != in.remaining()) {
    return std::nullopt;
  }
  code.content = static_cast<QrContent>(content);
  code.lightOnDark = lightOnDark == 1;
  code.dark = qRgb(qRed(dark), qGreen(dark), qBlue(dark));
  code.light = qRgb(qRed(light), qGreen(light), qBlue(light));
  std::optional<QString> freeText = Utf8Text(in.Bytes(length));
  if (!freeText) return std::nullopt;
  code.freeText = *std::move(freeText);
  return code;
}

}  // namespace tavolo
