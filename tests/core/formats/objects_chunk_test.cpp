// The objects a user added, as the "OBJS" chunk and inside a project file: every kind survives
// byte for byte (a later version's kind as the bytes it came with), both faces keep their own,
// and every kind of damage is refused rather than read.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <tuple>
#include <vector>

#include "core/formats/ObjectsChunk.h"
#include "core/formats/ProjectFile.h"
#include "core/storage/ByteWriter.h"
#include "tests/core/formats/ProjectSamples.h"

namespace tavolo {
namespace {

// A turned, locked text box, each shape, a later version's kind and one this version keeps in
// the card's own fields.
std::vector<PlacedObject> EveryKind() {
  std::vector<PlacedObject> objects(6);
  for (int i = 0; i < 6; ++i) {
    PlacedObject& o = objects[i];
    std::tie(o.kind, o.left, o.top, o.width, o.height, o.quarterTurns, o.z, o.locked) =
        std::tuple(std::array<ObjectKind, 6>{ObjectKind::kTextBox, ObjectKind::kLine,
                                             ObjectKind::kRectangle, ObjectKind::kEllipse,
                                             static_cast<ObjectKind>(99), ObjectKind::kPhoto}[i],
                   -12.5f * i, 40.25f, 500.0f, i == 1 ? 0.0f : 120.0f, i % 4, 7 - 100 * i, i == 0);
    o.source = ShapeSource{qRgb(200, 100, i), 2.5f * i,
                           i == 2 ? std::optional(qRgb(1, 2, 3)) : std::nullopt, 3.0f * i};
  }
  TextSource text;
  std::tie(text.horizontal, text.vertical, text.shrinkToFit, text.style.face, text.lines) =
      std::tuple(HorizontalAlign::kRight, VerticalAlign::kMiddle, true, "DejaVu Serif",
                 KeptLines(QStringList{"{Name} · {Title}", "", "Grüße 名前"}));
  std::tie(text.style.textColour, text.style.brightness) =
      std::tuple(HslColour{12.5f, 200, 90}, 0.25f);
  objects[0].source = text;
  objects[4].source = KeptSource{{0xDE, 0xAD}};
  objects[5].source = KeptSource{};
  return objects;
}

TEST(ObjectsChunk, EveryKindRoundTripsByteForByteAndDamageIsRefused) {
  const std::vector<uint8_t> bytes = ObjectsChunk::Encode(EveryKind());
  const std::optional<std::vector<PlacedObject>> read = ObjectsChunk::Decode(bytes);
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(*read, EveryKind());
  EXPECT_EQ(ObjectsChunk::Encode(*read), bytes);

  // One object with its fields as given, its source a shape's fields or `raw` bytes.
  struct Damage {
    uint32_t version = 1;
    uint8_t kind = 5;
    float left = 0, width = 10;
    uint8_t turns = 0, locked = 0, filled = 0;
    uint32_t stroke = 0, fill = 0, extraLength = 0;
    float strokeWidth = 2, radius = 0;
    std::optional<std::vector<uint8_t>> raw = std::nullopt;
  };
  const auto payload = [](const Damage& d) {
    std::vector<uint8_t> source, out;
    ByteWriter s(source), w(out);
    s.PutU32(d.stroke), s.PutF32(d.strokeWidth), s.PutU8(d.filled), s.PutU32(d.fill);
    s.PutF32(d.radius);
    w.PutU32(d.version), w.PutU32(1), w.PutU8(d.kind);
    for (const float value : {d.left, 0.0f, d.width, 50.0f}) w.PutF32(value);
    w.PutU8(d.turns), w.PutI32(0), w.PutU8(d.locked);
    const std::vector<uint8_t>& put = d.raw ? *d.raw : source;
    w.PutU32(static_cast<uint32_t>(put.size()) + d.extraLength);
    w.PutBytes(put);
    return out;
  };
  std::vector<uint8_t> badUtf8 = ObjectsChunk::Encode({EveryKind()[0]});
  badUtf8[badUtf8.size() - 2] = 0xFF;  // inside the last line
  std::vector<uint8_t> trailing = payload({});
  trailing.push_back(0);
  const std::tuple<const char*, std::vector<uint8_t>> damaged[] = {
      {"a later version", payload({.version = 2})},
      {"cut short", std::vector<uint8_t>(trailing.begin(), trailing.begin() + 20)},
      {"an edge that is no number", payload({.left = std::nanf("")})},
      {"an edge far off any card", payload({.left = 1e9f})},
      {"a negative width", payload({.width = -1})},
      {"four quarter turns", payload({.turns = 4})},
      {"a locked flag of 2", payload({.locked = 2})},
      {"a source past the end", payload({.extraLength = 1})},
      {"a shape cut short", payload({.raw = std::vector<uint8_t>{0, 0}})},
      {"a colour past 0xFFFFFF", payload({.stroke = 1 << 24})},
      {"a stroke too wide", payload({.strokeWidth = 1e6f})},
      {"a stroke that is no number", payload({.strokeWidth = std::nanf("")})},
      {"a fill colour without a fill", payload({.fill = 5})},
      {"a negative corner radius", payload({.radius = -1})},
      {"a text box of a shape's fields", payload({.kind = 0})},
      {"a line that is not UTF-8", badUtf8},
      {"a byte after the last object", trailing},
  };
  EXPECT_TRUE(ObjectsChunk::Decode(payload({})).has_value());
  for (const auto& [what, damage] : damaged)
    EXPECT_FALSE(ObjectsChunk::Decode(damage).has_value()) << what;
}

TEST(ObjectsChunk, BothFacesKeepTheirObjectsThroughAProjectFileAndALaterKindIsToldOf) {
  const BackgroundTable table = test::Table({"Custom"});
  CardState card, back, read;
  back.objects = {EveryKind()[1]};
  card.back = CardBack(back);
  card.objects = EveryKind();
  const std::vector<uint8_t> bytes = SerializeProject(card, table);
  const ProjectReading result = ReadProject(bytes, read, table);
  ASSERT_TRUE(result.Ok()) << result.Message();
  EXPECT_EQ(read.objects, card.objects);
  ASSERT_TRUE(read.back.Has());
  EXPECT_EQ(read.back.Face().objects, back.objects);
  EXPECT_EQ(SerializeProject(read, table), bytes);
  EXPECT_NE(result.Value().extensionProblem.find("holds 2 placed objects"), std::string::npos)
      << result.Value().extensionProblem;
  // A card read again holds only the objects of the file read; known kinds need no word.
  card.objects.resize(2);
  EXPECT_EQ(ReadProject(SerializeProject(card, table), read, table).Value().extensionProblem, "");
  EXPECT_EQ(read.objects, card.objects);
  ASSERT_TRUE(ReadProject(SerializeProject(CardState(), table), read, table).Ok());
  EXPECT_TRUE(read.objects.empty());
}

}  // namespace
}  // namespace tavolo
