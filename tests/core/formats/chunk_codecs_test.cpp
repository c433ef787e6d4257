// The codecs of the chunks a card holds as typed fields: each value survives its encoding, and
// every kind of damage is refused rather than read.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <tuple>
#include <vector>

#include "core/card/CardState.h"
#include "core/formats/AlignmentChunk.h"
#include "core/formats/ClearGroundChunk.h"
#include "core/formats/ContactChunk.h"
#include "core/formats/CustomLayoutChunk.h"
#include "core/formats/QrCodeChunk.h"
#include "core/formats/ShrinkToFitChunk.h"
#include "core/storage/ByteWriter.h"
#include "tests/core/render/RenderTestSupport.h"

namespace tavolo {
namespace {

TEST(ContactChunk, RoundTripsAndRefusesDamagedPayloads) {
  ContactDetails details{test::Letters()};
  details[1] = QStringLiteral("Åsa Ωmega 名前");
  details[4].clear();
  EXPECT_EQ(ContactChunk::Decode(ContactChunk::Encode(details)), details);

  const auto payload = [](uint32_t count, std::vector<std::vector<uint8_t>> fields,
                          uint32_t extraLength = 0) {
    std::vector<uint8_t> out;
    ByteWriter w(out);
    w.PutU32(count);
    for (const auto& f : fields) {
      w.PutU32(static_cast<uint32_t>(f.size()) + extraLength);
      w.PutBytes(f);
    }
    return out;
  };
  const std::vector<std::vector<uint8_t>> eleven(11, std::vector<uint8_t>{'a'});
  std::vector<std::vector<uint8_t>> badUtf8 = eleven;
  badUtf8[3] = {0xC3, 0x28};
  std::vector<std::vector<uint8_t>> overlong = eleven;
  overlong[0] = std::vector<uint8_t>(kMaxLineLength + 1, 'x');
  std::vector<uint8_t> trailing = payload(11, eleven);
  trailing.push_back(0);
  const std::tuple<const char*, std::vector<uint8_t>> damaged[] = {
      {"empty", {}},
      {"ten fields", payload(10, std::vector(10, std::vector<uint8_t>{'a'}))},
      {"a length past the end", payload(11, eleven, 1)},
      {"a huge length", payload(11, {{}}, 0xFFFFFFFF)},
      {"not UTF-8", payload(11, badUtf8)},
      {"longer than a line", payload(11, overlong)},
      {"a byte after the last field", trailing},
  };
  EXPECT_TRUE(ContactChunk::Decode(payload(11, eleven)).has_value());
  for (const auto& [what, bytes] : damaged)
    EXPECT_FALSE(ContactChunk::Decode(bytes).has_value()) << what;
}

TEST(QrCodeChunk, RoundTripsAndRefusesDamagedPayloads) {
  PlacedQrCode code;
  std::tie(code.content, code.freeText, code.x, code.y, code.side) = std::tuple(
      QrContent::kFreeText, QStringLiteral("Grüße, 名前\nzwei"), -12.5f, 700.25f, 333.0f);
  std::tie(code.dark, code.light, code.lightOnDark) =
      std::tuple(qRgb(10, 20, 30), qRgb(250, 240, 230), true);
  EXPECT_EQ(QrCodeChunk::Decode(QrCodeChunk::Encode(code)), code);
  // A text too long for the chunk is kept up to the limit, never cut inside a character.
  code.freeText = QString(3000, QChar(0x00E9));
  const std::optional<PlacedQrCode> cut = QrCodeChunk::Decode(QrCodeChunk::Encode(code));
  ASSERT_TRUE(cut.has_value());
  EXPECT_EQ(cut->freeText, QString(kMaxQrFreeTextBytes / 2, QChar(0x00E9)));

  const auto payload = [](uint8_t content, uint8_t flag, uint32_t dark, float x, float side,
                          std::vector<uint8_t> text, uint32_t extraLength = 0) {
    std::vector<uint8_t> out;
    ByteWriter w(out);
    for (const uint8_t byte : {content, flag}) w.PutU8(byte);
    for (const uint32_t colour : {dark, 0xFFFFFFu}) w.PutU32(colour);
    for (const float number : {x, 300.0f, side}) w.PutF32(number);
    w.PutU32(static_cast<uint32_t>(text.size()) + extraLength);
    w.PutBytes(text);
    return out;
  };
  std::vector<uint8_t> trailing = payload(0, 0, 0, 100, 300, {'a'});
  trailing.push_back(0);
  const std::tuple<const char*, std::vector<uint8_t>> damaged[] = {
      {"empty", {}},
      {"cut short", std::vector<uint8_t>(trailing.begin(), trailing.begin() + 12)},
      {"an unknown content", payload(3, 0, 0, 100, 300, {})},
      {"a flag of 2", payload(0, 2, 0, 100, 300, {})},
      {"a colour past 0xFFFFFF", payload(0, 0, 0x1000000, 100, 300, {})},
      {"a centre that is no number", payload(0, 0, 0, std::nanf(""), 300, {})},
      {"a centre far off the card", payload(0, 0, 0, 1e9f, 300, {})},
      {"a side too small", payload(0, 0, 0, 100, 10, {})},
      {"a side that is no number", payload(0, 0, 0, 100, std::nanf(""), {})},
      {"a length past the end", payload(2, 0, 0, 100, 300, {'a'}, 1)},
      {"a huge length", payload(2, 0, 0, 100, 300, {}, 0xFFFFFFFF)},
      {"not UTF-8", payload(2, 0, 0, 100, 300, {0xC3, 0x28})},
      {"a byte after the text", trailing},
  };
  EXPECT_TRUE(QrCodeChunk::Decode(payload(0, 0, 0, 100, 300, {'a'})).has_value());
  for (const auto& [what, bytes] : damaged)
    EXPECT_FALSE(QrCodeChunk::Decode(bytes).has_value()) << what;
}

TEST(ShrinkToFitChunk, ReadsFiveBytesOfZeroOrOneAndTakesAnythingElseAsDamage) {
  using Value = FitFlags;
  const std::tuple<std::vector<uint8_t>, std::optional<Value>> cases[] = {
      {{1, 0, 1, 0, 0}, Value{true, false, true, false, false}},
      {{0, 0, 0, 0, 0}, Value{}},
      {{1, 1, 1, 1}, std::nullopt},
      {{1, 1, 1, 1, 1, 1}, std::nullopt},
      {{1, 2, 1, 1, 1}, std::nullopt},
  };
  for (const auto& [payload, value] : cases) {
    EXPECT_EQ(ShrinkToFitChunk::Decode(payload), value) << payload.size();
    if (value) {
      EXPECT_EQ(ShrinkToFitChunk::Encode(*value), payload);
    }
  }
}

TEST(ClearGroundChunk, RoundTripsAndRefusesDamagedPayloads) {
  ClearGround ground;
  ground.boxes[0] = PixelRect{50, 40, 700, 90};
  ground.boxes[3] = PixelRect{-20, 300, 1012, 565};
  EXPECT_EQ(ClearGroundChunk::Decode(ClearGroundChunk::Encode(ground)), ground);

  // Version, box count, then box 0's flag and edges; boxes 1 to 4 have none.
  const auto payload = [](uint8_t version, uint8_t boxes, uint8_t flag, std::vector<int32_t> edges,
                          int emptyBoxes = 4) {
    std::vector<uint8_t> out;
    ByteWriter w(out);
    for (const uint8_t byte : {version, boxes, flag}) w.PutU8(byte);
    for (const int32_t edge : edges) w.PutU32(static_cast<uint32_t>(edge));
    out.insert(out.end(), static_cast<size_t>(emptyBoxes), uint8_t{0});
    return out;
  };
  std::vector<uint8_t> trailing = payload(1, 5, 1, {1, 2, 3, 4});
  trailing.push_back(0);
  const std::tuple<const char*, std::vector<uint8_t>> damaged[] = {
      {"empty", {}},
      {"a later version", payload(2, 5, 1, {1, 2, 3, 4})},
      {"four boxes", payload(1, 4, 1, {1, 2, 3, 4}, 3)},
      {"a flag of 2", payload(1, 5, 2, {1, 2, 3, 4})},
      {"cut short", payload(1, 5, 1, {1, 2, 3}, 0)},
      {"no width", payload(1, 5, 1, {3, 2, 3, 4})},
      {"upside down", payload(1, 5, 1, {1, 4, 3, 2})},
      {"far off any card", payload(1, 5, 1, {1, 2, 3, 1 << 30})},
      {"a byte after the last box", trailing},
  };
  EXPECT_TRUE(ClearGroundChunk::Decode(payload(1, 5, 1, {1, 2, 3, 4})).has_value());
  for (const auto& [what, bytes] : damaged)
    EXPECT_FALSE(ClearGroundChunk::Decode(bytes).has_value()) << what;
}

TEST(AlignmentChunk, ReadsTwoValuesPerBoxAfterItsVersionAndTakesAnythingElseAsDamage) {
  using H = HorizontalAlign;
  using V = VerticalAlign;
  const auto payload = [](uint32_t version, std::vector<uint8_t> values) {
    std::vector<uint8_t> out;
    ByteWriter w(out);
    w.PutU32(version);
    w.PutBytes(values);
    return out;
  };
  BoxAlignments some{};
  some[0] = {H::kRight, std::nullopt};
  some[4] = {std::nullopt, V::kMiddle};
  some[2] = {H::kCentre, V::kBottom};
  const std::tuple<std::vector<uint8_t>, std::optional<BoxAlignments>> cases[] = {
      {payload(1, {2, 255, 255, 255, 1, 2, 255, 255, 255, 1}), some},
      {payload(1, std::vector<uint8_t>(10, 255)), BoxAlignments{}},
      {payload(2, std::vector<uint8_t>(10, 255)), std::nullopt},
      {payload(1, std::vector<uint8_t>(9, 255)), std::nullopt},
      {payload(1, std::vector<uint8_t>(11, 255)), std::nullopt},
      {payload(1, {3, 255, 255, 255, 255, 255, 255, 255, 255, 255}), std::nullopt},
      {payload(1, {255, 254, 255, 255, 255, 255, 255, 255, 255, 255}), std::nullopt},
  };
  for (const auto& [bytes, value] : cases) {
    EXPECT_EQ(AlignmentChunk::Decode(bytes), value) << bytes.size();
    if (value) {
      EXPECT_EQ(AlignmentChunk::Encode(*value), bytes);
    }
  }
  EXPECT_TRUE(AnyAligned(some));
  EXPECT_FALSE(AnyAligned(BoxAlignments{}));
}

TEST(CustomLayoutChunk, RoundTripsAndRefusesDamagedPayloads) {
  CustomLayout custom{false, 9, {}};
  custom.boxes[1] = FreeBox{-20.5f, 300, 400, 0};
  custom.boxes[4] = FreeBox{10, 20, 30, 40};
  EXPECT_EQ(CustomLayoutChunk::Decode(CustomLayoutChunk::Encode(custom)), custom);

  // Version, current, layout, then box 0 placed at `box` and the others not.
  const auto payload = [](uint32_t version, uint8_t current, uint8_t layout, uint8_t placed,
                          std::vector<float> box, int unplaced = 4) {
    std::vector<uint8_t> out;
    ByteWriter w(out);
    w.PutU32(version);
    for (const uint8_t byte : {current, layout, placed}) w.PutU8(byte);
    for (const float value : box) w.PutF32(value);
    out.insert(out.end(), static_cast<size_t>(unplaced), uint8_t{0});
    return out;
  };
  std::vector<uint8_t> trailing = payload(1, 1, 0, 1, {1, 2, 3, 4});
  trailing.push_back(0);
  const std::tuple<const char*, std::vector<uint8_t>> damaged[] = {
      {"empty", {}},
      {"a later version", payload(2, 1, 0, 1, {1, 2, 3, 4})},
      {"layout 11", payload(1, 1, 10, 1, {1, 2, 3, 4})},
      {"cut short", payload(1, 1, 0, 1, {1, 2, 3}, 0)},
      {"a negative width", payload(1, 1, 0, 1, {1, 2, -3, 4})},
      {"no number", payload(1, 1, 0, 1, {1, NAN, 3, 4})},
      {"far off any card", payload(1, 1, 0, 1, {1e9f, 2, 3, 4})},
      {"a byte after the last box", trailing},
  };
  EXPECT_TRUE(CustomLayoutChunk::Decode(payload(1, 1, 0, 1, {1, 2, 3, 4})).has_value());
  for (const auto& [what, bytes] : damaged)
    EXPECT_FALSE(CustomLayoutChunk::Decode(bytes).has_value()) << what;
}

}  // namespace
}  // namespace tavolo
