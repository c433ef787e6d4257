// A card's back in the extension section: front and back read back exactly, a reader that knows
// only the card's own sections reads the front as before, and a damaged back costs only itself.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/formats/ExtensionSection.h"
#include "core/formats/ProjectFile.h"
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

TEST(BackSideFile, FrontAndBackRoundTripExactlyAndTheCardsOwnSectionsHoldTheFrontAlone) {
  CardState card = TwoSided();
  CardState sized = card.back.Face();
  sized.cardWidth = 500.0f;  // the back takes the front's size
  card.back = CardBack(sized);
  const std::vector<uint8_t> file = SerializeProject(card, kTable);
  CardState read;
  const ReadProjectResult result = ReadProject(file, read, kTable);
  ASSERT_TRUE(result.Ok() && result.extensionProblem.empty()) << result.extensionProblem;
  card.back = CardBack(BackFaceOf(card));
  EXPECT_EQ(read, card);
  EXPECT_TRUE(read.extensions.Empty());
  EXPECT_EQ(SerializeProject(read, kTable), file);

  // Everything before the section is the one-sided card's file, so an older reader opens the
  // front exactly as before; a file without the chunk has no back.
  CardState front = card;
  front.back = CardBack();
  const std::vector<uint8_t> oneSided = SerializeProject(front, kTable);
  const auto section = std::search(file.begin(), file.end(), kExtensionSectionTag.begin(),
                                   kExtensionSectionTag.end());
  EXPECT_TRUE(std::equal(oneSided.begin(), oneSided.end(), file.begin(), section));
  ASSERT_TRUE(ReadProject(oneSided, read, kTable).Ok());
  EXPECT_EQ(read, front);
}

TEST(BackSideFile, ADamagedBackLeavesTheCardOneSidedWithTheChunkKept) {
  CardState nested = TwoSided().back.Face();
  nested.extensions.Put(kBackSideChunkTag, SerializeProject(TwoSided(), kTable));
  std::vector<uint8_t> cut = SerializeProject(TwoSided().back.Face(), kTable);
  cut.resize(cut.size() / 2);
  for (const std::vector<uint8_t>& payload : {cut, SerializeProject(nested, kTable)}) {
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
