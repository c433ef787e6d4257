// The objects a user added, as the "OBJS" chunk and inside a project file: every kind survives
// byte for byte (a later version's kind as the bytes it came with), both faces keep their own,
// and every kind of damage is refused rather than read.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <tuple>
#include <vector>

#include "core/card/CardState.h"
#include "core/formats/ObjectsChunk.h"
#include "core/formats/ProjectFile.h"
#include "core/storage/ByteWriter.h"
#include "tests/core/formats/ProjectSamples.h"

namespace tavolo {
namespace {

std::vector<PlacedObject> EveryKind() {
  PlacedObject text;
  std::tie(text.kind, text.left, text.top, text.width, text.height, text.quarterTurns, text.z,
           text.locked) =
      std::tuple(ObjectKind::kTextBox, -12.5f, 40.25f, 500.0f, 120.0f, 3, -7, true);
  TextSource source;
  source.lines = KeptLines(QStringList{"{Name} · {Title}", "", "Grüße 名前"});
  source.style.face = QStringLiteral("DejaVu Serif");
  source.style.textColour = {12.5f, 200.0f, 90.0f};
  source.style.brightness = 0.25f;
  std::tie(source.horizontal, source.vertical, source.shrinkToFit) =
      std::tuple(HorizontalAlign::kRight, VerticalAlign::kMiddle, true);
  text.source = source;
  std::vector<PlacedObject> objects = {text};
  for (const auto& [kind, fill, radius] :
       {std::tuple(ObjectKind::kLine, std::optional<QRgb>(), 0.0f),
        std::tuple(ObjectKind::kRectangle, std::optional(qRgb(1, 2, 3)), 12.0f),
        std::tuple(ObjectKind::kEllipse, std::optional<QRgb>(), 0.0f)}) {
    PlacedObject shape;
    std::tie(shape.kind, shape.left, shape.top, shape.width, shape.height, shape.z) =
        std::tuple(kind, 10.0f, 20.0f, 300.0f, 0.0f, 600);
    shape.source = ShapeSource{qRgb(200, 100, 50), 2.5f, fill, radius};
    objects.push_back(shape);
  }
  // A kind of a later version and one this version keeps in the card's own fields.
  for (const uint8_t kind : {uint8_t{99}, uint8_t{1}}) {
    PlacedObject kept;
    kept.kind = static_cast<ObjectKind>(kind);
    kept.source = KeptSource{{0xDE, 0xAD, kind}};
    objects.push_back(kept);
  }
  return objects;
}

TEST(ObjectsChunk, EveryKindRoundTripsByteForByteAndDamageIsRefused) {
  const std::vector<PlacedObject> objects = EveryKind();
  const std::vector<uint8_t> bytes = ObjectsChunk::Encode(objects);
  const std::optional<std::vector<PlacedObject>> read = ObjectsChunk::Decode(bytes);
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(*read, objects);
  EXPECT_EQ(ObjectsChunk::Encode(*read), bytes);

  // One rectangle with its fields as given, its source `source`.
  const auto payload = [](uint32_t version, uint8_t kind, float left, float width, uint8_t turns,
                          uint8_t locked, std::vector<uint8_t> source, uint32_t extraLength = 0) {
    std::vector<uint8_t> out;
    ByteWriter w(out);
    w.PutU32(version);
    w.PutU32(1);
    w.PutU8(kind);
    for (const float value : {left, 0.0f, width, 50.0f}) w.PutF32(value);
    w.PutU8(turns);
    w.PutI32(0);
    w.PutU8(locked);
    w.PutU32(static_cast<uint32_t>(source.size()) + extraLength);
    w.PutBytes(source);
    return out;
  };
  const auto shape = [](uint32_t stroke, float width, uint8_t filled, uint32_t fill, float radius) {
    std::vector<uint8_t> out;
    ByteWriter w(out);
    w.PutU32(stroke);
    w.PutF32(width);
    w.PutU8(filled);
    w.PutU32(fill);
    w.PutF32(radius);
    return out;
  };
  const std::vector<uint8_t> good = shape(0, 2, 1, 0xFFFFFF, 4);
  std::vector<uint8_t> trailing = payload(1, 5, 0, 10, 0, 0, good);
  trailing.push_back(0);
  std::vector<uint8_t> tooMany;
  ByteWriter(tooMany).PutU32(1);
  ByteWriter(tooMany).PutU32(kMaxPlacedObjects + 1);
  std::vector<uint8_t> badUtf8 = ObjectsChunk::Encode({objects[0]});
  badUtf8[badUtf8.size() - 2] = 0xFF;  // inside the last line
  const std::tuple<const char*, std::vector<uint8_t>> damaged[] = {
      {"empty", {}},
      {"a later version", payload(2, 5, 0, 10, 0, 0, good)},
      {"too many objects", tooMany},
      {"cut short", std::vector<uint8_t>(trailing.begin(), trailing.begin() + 20)},
      {"an edge that is no number", payload(1, 5, std::nanf(""), 10, 0, 0, good)},
      {"an edge far off any card", payload(1, 5, 1e9f, 10, 0, 0, good)},
      {"a negative width", payload(1, 5, 0, -1, 0, 0, good)},
      {"four quarter turns", payload(1, 5, 0, 10, 4, 0, good)},
      {"a locked flag of 2", payload(1, 5, 0, 10, 0, 2, good)},
      {"a source past the end", payload(1, 5, 0, 10, 0, 0, good, 1)},
      {"a huge source length", payload(1, 99, 0, 10, 0, 0, {}, 0xFFFFFFFF)},
      {"a shape cut short", payload(1, 5, 0, 10, 0, 0, {0, 0, 0})},
      {"a stroke colour past 0xFFFFFF", payload(1, 5, 0, 10, 0, 0, shape(1 << 24, 2, 0, 0, 0))},
      {"a stroke too wide", payload(1, 5, 0, 10, 0, 0, shape(0, 1e6f, 0, 0, 0))},
      {"a stroke that is no number", payload(1, 4, 0, 10, 0, 0, shape(0, std::nanf(""), 0, 0, 0))},
      {"a fill flag of 2", payload(1, 6, 0, 10, 0, 0, shape(0, 2, 2, 0, 0))},
      {"a fill colour without a fill", payload(1, 6, 0, 10, 0, 0, shape(0, 2, 0, 5, 0))},
      {"a negative corner radius", payload(1, 5, 0, 10, 0, 0, shape(0, 2, 0, 0, -1))},
      {"a text box without its fields", payload(1, 0, 0, 10, 0, 0, good)},
      {"a line that is not UTF-8", badUtf8},
      {"a byte after the last object", trailing},
  };
  EXPECT_TRUE(ObjectsChunk::Decode(payload(1, 5, 0, 10, 0, 0, good)).has_value());
  for (const auto& [what, damage] : damaged)
    EXPECT_FALSE(ObjectsChunk::Decode(damage).has_value()) << what;
}

TEST(ObjectsChunk, BothFacesKeepTheirObjectsThroughAProjectFileAndALaterKindIsToldOf) {
  const BackgroundTable table = test::Table({"Custom"});
  CardState card;
  CardState back;
  back.objects = {EveryKind()[1]};
  card.back = CardBack(back);
  card.objects = EveryKind();
  const std::vector<uint8_t> bytes = SerializeProject(card, table);
  CardState read;
  const ReadProjectResult result = ReadProject(bytes, read, table);
  ASSERT_TRUE(result.Ok()) << result.detail;
  EXPECT_EQ(read.objects, card.objects);
  ASSERT_TRUE(read.back.Has());
  EXPECT_EQ(read.back.Face().objects, back.objects);
  EXPECT_EQ(SerializeProject(read, table), bytes);
  EXPECT_NE(result.extensionProblem.find("2 placed objects"), std::string::npos)
      << result.extensionProblem;

  // A card read again holds only the objects of the file read; known kinds need no word.
  card.objects.resize(2);
  const ReadProjectResult again = ReadProject(SerializeProject(card, table), read, table);
  EXPECT_EQ(read.objects, card.objects);
  EXPECT_EQ(again.extensionProblem, "");
  ASSERT_TRUE(ReadProject(SerializeProject(CardState(), table), read, table).Ok());
  EXPECT_TRUE(read.objects.empty());
}

}  // namespace
}  // namespace tavolo
