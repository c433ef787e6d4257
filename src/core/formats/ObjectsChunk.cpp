#include "core/formats/ObjectsChunk.h"

#include <cmath>

#include "core/card/CardLimits.h"
#include "core/card/CardState.h"
#include "core/formats/ChunkText.h"
#include "core/storage/ByteReader.h"
#include "core/storage/ByteWriter.h"

namespace tavolo {

namespace {

constexpr uint32_t kMaxRgb = 0xFFFFFF;
// A style's size, face and style texts are short names; this bounds a damaged one.
constexpr uint32_t kMaxNameBytes = 1024;

// A box edge this far off the card leaves nothing of it on any card.
bool PlausiblePosition(float value) {
  return std::isfinite(value) && std::fabs(value) <= 2.0f * kMaxCardSide;
}

bool PlausibleLength(float value) {
  return std::isfinite(value) && value >= 0.0f && value <= 4.0f * kMaxCardSide;
}

void PutHsl(ByteWriter& out, const HslColour& colour) {
  out.PutF32(colour.h);
  out.PutF32(colour.s);
  out.PutF32(colour.l);
}

std::optional<HslColour> TakeHsl(ByteReader& in) {
  HslColour colour{in.F32(), in.F32(), in.F32()};
  if (!std::isfinite(colour.h) || !std::isfinite(colour.s) || !std::isfinite(colour.l)) {
    return std::nullopt;
  }
  return colour;
}

std::vector<uint8_t> EncodeText(const TextSource& text) {
  std::vector<uint8_t> bytes;
  ByteWriter out(bytes);
  out.PutU8(static_cast<uint32_t>(text.horizontal));
  out.PutU8(static_cast<uint32_t>(text.vertical));
  out.PutU8(text.shrinkToFit ? 1 : 0);
  const TextBoxStyle& style = text.style;
  PutUtf8Text(out, style.size);
  PutUtf8Text(out, style.face);
  PutUtf8Text(out, style.style);
  PutHsl(out, style.textColour);
  PutHsl(out, style.frameColour);
  out.PutI32(style.frameMode);
  out.PutI32(style.frameSize);
  out.PutI32(style.reserved);
  out.PutF32(style.opacity);
  out.PutF32(style.brightness);
  const TextBoxLines lines = KeptLines(text.lines);
  out.PutU32(static_cast<uint32_t>(lines.count));
  for (int i = 0; i < lines.count; ++i) PutUtf8Text(out, lines.line[i]);
  return bytes;
}

std::optional<TextSource> DecodeText(std::span<const uint8_t> bytes) {
  ByteReader in(bytes);
  TextSource text;
  const uint8_t horizontal = in.U8();
  const uint8_t vertical = in.U8();
  const uint8_t shrink = in.U8();
  if (!in.ok() || horizontal > kLastAlign || vertical > kLastAlign || shrink > 1) {
    return std::nullopt;
  }
  text.horizontal = static_cast<HorizontalAlign>(horizontal);
  text.vertical = static_cast<VerticalAlign>(vertical);
  text.shrinkToFit = shrink == 1;
  TextBoxStyle& style = text.style;
  for (QString* name : {&style.size, &style.face, &style.style}) {
    std::optional<QString> read = TakeUtf8Text(in, kMaxNameBytes);
    if (!read) return std::nullopt;
    *name = std::move(*read);
  }
  const std::optional<HslColour> textColour = TakeHsl(in);
  const std::optional<HslColour> frameColour = TakeHsl(in);
  style.frameMode = in.I32();
  style.frameSize = in.I32();
  style.reserved = in.I32();
  style.opacity = in.F32();
  style.brightness = in.F32();
  const uint32_t count = in.U32();
  if (!in.ok() || !textColour || !frameColour || !std::isfinite(style.opacity) ||
      !std::isfinite(style.brightness) || count > static_cast<uint32_t>(kMaxLinesPerBox)) {
    return std::nullopt;
  }
  style.textColour = *textColour;
  style.frameColour = *frameColour;
  text.lines.count = static_cast<int32_t>(count);
  for (uint32_t i = 0; i < count; ++i) {
    // A line is at most kMaxLineLength characters of up to four bytes each.
    std::optional<QString> line = TakeUtf8Text(in, 4 * kMaxLineLength);
    if (!line || line->size() > kMaxLineLength) return std::nullopt;
    text.lines.line[i] = std::move(*line);
  }
  if (in.remaining() != 0) return std::nullopt;
  return text;
}

std::vector<uint8_t> EncodeShape(const ShapeSource& shape) {
  std::vector<uint8_t> bytes;
  ByteWriter out(bytes);
  out.PutU32(shape.stroke & kMaxRgb);
  out.PutF32(shape.strokeWidth);
  out.PutU8(shape.fill ? 1 : 0);
  out.PutU32(shape.fill ? (*shape.fill & kMaxRgb) : 0);
  out.PutF32(shape.cornerRadius);
  return bytes;
}

std::optional<ShapeSource> DecodeShape(std::span<const uint8_t> bytes) {
  ByteReader in(bytes);
  ShapeSource shape;
  const uint32_t stroke = in.U32();
  shape.strokeWidth = in.F32();
  const uint8_t filled = in.U8();
  const uint32_t fill = in.U32();
  shape.cornerRadius = in.F32();
  if (!in.ok() || in.remaining() != 0 || stroke > kMaxRgb || fill > kMaxRgb || filled > 1 ||
      (filled == 0 && fill != 0) || !(shape.strokeWidth >= 0.0f) ||
      shape.strokeWidth > kMaxStrokeWidth || !PlausibleLength(shape.cornerRadius)) {
    return std::nullopt;
  }
  shape.stroke = qRgb(qRed(stroke), qGreen(stroke), qBlue(stroke));
  if (filled == 1) shape.fill = qRgb(qRed(fill), qGreen(fill), qBlue(fill));
  return shape;
}

std::vector<uint8_t> EncodeSource(const PlacedObject& object) {
  if (const auto* text = std::get_if<TextSource>(&object.source)) return EncodeText(*text);
  if (const auto* shape = std::get_if<ShapeSource>(&object.source)) return EncodeShape(*shape);
  if (const auto* kept = std::get_if<KeptSource>(&object.source)) return kept->bytes;
  return {};
}

// The source of an object of `kind`; a kind this version does not add keeps its bytes.
std::optional<ObjectSource> DecodeSource(ObjectKind kind, std::span<const uint8_t> bytes) {
  if (kind == ObjectKind::kTextBox) {
    if (std::optional<TextSource> text = DecodeText(bytes)) return ObjectSource(std::move(*text));
    return std::nullopt;
  }
  if (IsAddedKind(kind)) {
    if (std::optional<ShapeSource> shape = DecodeShape(bytes)) return ObjectSource(*shape);
    return std::nullopt;
  }
  return ObjectSource(KeptSource{std::vector<uint8_t>(bytes.begin(), bytes.end())});
}

}  // namespace

std::vector<uint8_t> ObjectsChunk::Encode(const std::vector<PlacedObject>& objects) {
  std::vector<uint8_t> out;
  ByteWriter writer(out);
  writer.PutU32(kVersion);
  writer.PutU32(static_cast<uint32_t>(objects.size()));
  for (const PlacedObject& object : objects) {
    writer.PutU8(static_cast<uint32_t>(object.kind));
    writer.PutF32(object.left);
    writer.PutF32(object.top);
    writer.PutF32(object.width);
    writer.PutF32(object.height);
    writer.PutU8(static_cast<uint32_t>(((object.quarterTurns % 4) + 4) % 4));
    writer.PutI32(object.z);
    writer.PutU8(object.locked ? 1 : 0);
    const std::vector<uint8_t> source = EncodeSource(object);
    writer.PutU32(static_cast<uint32_t>(source.size()));
    writer.PutBytes(source);
  }
  return out;
}

std::optional<std::vector<PlacedObject>> ObjectsChunk::Decode(std::span<const uint8_t> payload) {
  ByteReader in(payload);
  const uint32_t version = in.U32();
  const uint32_t count = in.U32();
  if (!in.ok() || version != kVersion || count > kMaxPlacedObjects) return std::nullopt;
  std::vector<PlacedObject> objects;
  for (uint32_t i = 0; i < count; ++i) {
    PlacedObject object;
    object.kind = static_cast<ObjectKind>(in.U8());
    object.left = in.F32();
    object.top = in.F32();
    object.width = in.F32();
    object.height = in.F32();
    const uint8_t turns = in.U8();
    object.z = in.I32();
    const uint8_t locked = in.U8();
    const uint32_t length = in.U32();
    if (!in.ok() || !PlausiblePosition(object.left) || !PlausiblePosition(object.top) ||
        !PlausibleLength(object.width) || !PlausibleLength(object.height) || turns > 3 ||
        locked > 1 || length > in.remaining()) {
      return std::nullopt;
    }
    object.quarterTurns = turns;
    object.locked = locked == 1;
    std::optional<ObjectSource> source = DecodeSource(object.kind, in.Bytes(length));
    if (!source) return std::nullopt;
    object.source = std::move(*source);
    objects.push_back(std::move(object));
  }
  if (in.remaining() != 0) return std::nullopt;
  return objects;
}

}  // namespace tavolo
