// A card's back in the extension section: front and back read back exactly, a reader that knows
// only the card's own sections reads the front as before, and a damaged back costs only itself.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/formats/ExtensionSection.h"
#include "core/formats/ProjectFile.h"
#include "core/storage/ByteWriter.h"
#include "tests/core/formats/ProjectSamples.h"

namespace tavolo {
namespace {

const BackgroundTable kTable = test::Table({"Custom", "Linen", "Marble"});

CardState TwoSided() {
  CardState front = test::UnusualState();
  CardState back = front;
  back.lines[0].count = 1;
  back.lines[0].line[0] = QStringLiteral("On the back");
  back.backgroundIndex = 1;
  back.hueShift = 0.125f;
  back.logo.name = QStringLiteral("back-logo.png");
  front.back = CardBack(back);
  return front;
}

// Where the extension section starts: what a reader of the card's own sections reads.
size_t SectionStart(const std::vector<uint8_t>& file) {
  const auto at = std::search(file.begin(), file.end(), kExtensionSectionTag.begin(),
                              kExtensionSectionTag.end());
  return static_cast<size_t>(at - file.begin());
}

TEST(BackSideFile, FrontAndBackRoundTripExactlyAndTheCardsOwnSectionsHoldTheFrontAlone) {
  const CardState card = TwoSided();
  const std::vector<uint8_t> file = SerializeProject(card, kTable);
  CardState read;
  const ReadProjectResult result = ReadProject(file, read, kTable);
  ASSERT_TRUE(result.Ok() && result.extensionProblem.empty()) << result.detail
                                                              << result.extensionProblem;
  EXPECT_EQ(read, card);
  EXPECT_TRUE(read.extensions.Empty());
  EXPECT_EQ(SerializeProject(read, kTable), file);

  // Everything before the section is the one-sided card's file, so an older reader opens the
  // front exactly as before; a file without the chunk has no back.
  CardState front = card;
  front.back = CardBack();
  const std::vector<uint8_t> oneSided = SerializeProject(front, kTable);
  ASSERT_EQ(SectionStart(file), oneSided.size());
  EXPECT_TRUE(std::equal(oneSided.begin(), oneSided.end(), file.begin()));
  ASSERT_TRUE(ReadProject(oneSided, read, kTable).Ok());
  EXPECT_EQ(read, front);
}

TEST(BackSideFile, TheBackTakesTheFrontsSize) {
  CardState card = TwoSided();
  CardState back = card.back.Face();
  back.cardWidth = 500.0f;
  back.dpi = 72;
  card.back = CardBack(back);
  CardState read;
  ASSERT_TRUE(ReadProject(SerializeProject(card, kTable), read, kTable).Ok());
  ASSERT_TRUE(read.back.Has());
  EXPECT_EQ(read.back.Face().cardWidth, card.cardWidth);
  EXPECT_EQ(read.back.Face().dpi, card.dpi);
}

TEST(BackSideFile, ADamagedBackLeavesTheCardOneSidedWithTheChunkKept) {
  CardState nested = TwoSided().back.Face();
  nested.extensions.Put(kBackSideChunkTag, SerializeProject(TwoSided(), kTable));
  std::vector<uint8_t> cut = SerializeProject(TwoSided().back.Face(), kTable);
  cut.resize(cut.size() / 2);
  const std::vector<std::pair<const char*, std::vector<uint8_t>>> payloads = {
      {"empty", {}},
      {"cut short", cut},
      {"no card", {'h', 'e', 'l', 'l', 'o'}},
      {"a back holding a back", SerializeProject(nested, kTable)},
  };
  for (const auto& [what, payload] : payloads) {
    SCOPED_TRACE(what);
    CardState card = test::UnusualState();
    card.extensions.Put(kBackSideChunkTag, payload);
    const std::vector<uint8_t> file = SerializeProject(card, kTable);
    CardState read;
    const ReadProjectResult result = ReadProject(file, read, kTable);
    ASSERT_TRUE(result.Ok()) << result.detail;
    EXPECT_NE(result.extensionProblem.find("BACK"), std::string::npos) << result.extensionProblem;
    EXPECT_FALSE(read.back.Has());
    EXPECT_EQ(SerializeProject(read, kTable), file);
  }
}

}  // namespace
}  // namespace tavolo
