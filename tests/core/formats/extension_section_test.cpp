#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <span>
#include <tuple>
#include <vector>

#include "core/card/CardFaces.h"
#include "core/card/ContactChunk.h"
#include "core/card/QrCodeChunk.h"
#include "core/formats/ExtensionSection.h"
#include "core/formats/ProjectFile.h"
#include "core/storage/ByteWriter.h"
#include "tests/core/formats/ProjectSamples.h"

namespace tavolo {
namespace {

const BackgroundTable kTable = test::Table({"Custom", "Linen", "Marble"});

// A known kind of chunk, registered as the card's later data will be.
struct ByteChunk {
  static constexpr ChunkTag kTag = MakeChunkTag("BYTE");
  using Value = uint8_t;
  static std::vector<uint8_t> Encode(uint8_t value) { return {value}; }
  static std::optional<uint8_t> Decode(std::span<const uint8_t> p) {
    return p.size() == 1 ? std::optional(p[0]) : std::nullopt;
  }
};

std::vector<uint8_t> Section(uint32_t version, uint32_t count, std::vector<uint8_t> chunks) {
  std::vector<uint8_t> out = {'T', 'V', 'X', 'S'};
  ByteWriter(out).PutU32(version);
  ByteWriter(out).PutU32(count);
  ByteWriter(out).PutBytes(chunks);
  return out;
}

// Two chunks of tags this program does not know, the second one empty.
const std::vector<uint8_t> kTwoChunks = {'L', 'A', 'T', 'R', 3,   0, 0, 0, 7, 8,
                                         9,   'b', 'a', 'c', 'k', 0, 0, 0, 0};

TEST(ExtensionSection, ChunksSurviveALoadAndASaveByteForByteAndTheCardReadsAsWithout) {
  const std::vector<uint8_t> card = SerializeProject(test::UnusualState(), kTable);
  std::vector<uint8_t> file = card;
  const std::vector<uint8_t> section = Section(1, 2, kTwoChunks);
  file.insert(file.end(), section.begin(), section.end());

  CardState withSection;
  const ReadProjectResult read = ReadProject(file, withSection, kTable);
  ASSERT_TRUE(read.Ok() && read.extensionProblem.empty()) << read.detail << read.extensionProblem;
  EXPECT_EQ(SerializeProject(withSection, kTable), file);
  withSection.extensions.Set<ByteChunk>(5);
  withSection.extensions.Set<ByteChunk>(6);  // replaces the 5
  CardState again;
  ASSERT_TRUE(ReadProject(SerializeProject(withSection, kTable), again, kTable).Ok());
  EXPECT_EQ(again.extensions.Get<ByteChunk>(), 6);
  EXPECT_EQ(again.extensions.Chunks().size(), 3u);

  // The card's own bytes end where they ended, and a file without a section empties the card's.
  ASSERT_TRUE(ReadProject(card, again, kTable).Ok());
  EXPECT_TRUE(again.extensions.Empty());
  withSection.extensions = {};
  EXPECT_EQ(withSection, again);
  EXPECT_EQ(SerializeProject(again, kTable), card);
}

TEST(ExtensionSection, ADamagedSectionIsReportedAndTheCardAndTheWholeChunksBeforeItStillOpen) {
  const std::vector<uint8_t> card = SerializeProject(test::UnusualState(), kTable);
  const std::tuple<const char*, std::vector<uint8_t>, size_t> cases[] = {
      {"another tag", {'T', 'V', 'X', 'Z', 1, 0, 0, 0, 0, 0, 0, 0}, 0},
      {"a header cut short", {'T', 'V', 'X', 'S', 1, 0}, 0},
      {"a later version", Section(2, 0, {}), 0},
      {"an absurd count", Section(1, 0xFFFFFFFF, kTwoChunks), 0},
      {"a chunk header cut short", Section(1, 3, kTwoChunks), 2},
      {"a length past the end", Section(1, 1, {'L', 'O', 'N', 'G', 9, 0, 0, 0, 1, 2}), 0},
      {"a byte after the last chunk", Section(1, 1, {'L', 'A', 'T', 'R', 0, 0, 0, 0, 9}), 1},
  };
  for (const auto& [what, section, chunksKept] : cases) {
    std::vector<uint8_t> file = card;
    file.insert(file.end(), section.begin(), section.end());
    CardState loaded;
    const ReadProjectResult read = ReadProject(file, loaded, kTable, ReadMode::kKeepOnFileError);
    ASSERT_TRUE(read.Ok()) << what << ": " << read.detail;
    EXPECT_NE(read.extensionProblem, "") << what;
    EXPECT_EQ(loaded.extensions.Chunks().size(), chunksKept) << what;
    // The whole chunks are kept to be written again.
    EXPECT_EQ(SerializeProject(loaded, kTable).size() > card.size(), chunksKept > 0) << what;
    loaded.extensions = {};
    EXPECT_EQ(SerializeProject(loaded, kTable), card) << what;
  }
}

TEST(ExtensionSection, DamagedKnownChunksAreReportedAndTheCardStillOpens) {
  const std::pair<const char*, const char*> cases[] = {
      {"CONT", "the contact details chunk \"CONT\" is damaged"},
      {"QRCD", "the QR code chunk \"QRCD\" is damaged"},
  };
  const std::vector<uint8_t> card = SerializeProject(test::UnusualState(), kTable);
  CardState loaded;
  for (const auto& [tag, problem] : cases) {
    std::vector<uint8_t> file = card;
    std::vector<uint8_t> chunk(tag, tag + 4);
    chunk.insert(chunk.end(), {1, 0, 0, 0, 7});
    const std::vector<uint8_t> section = Section(1, 1, chunk);
    file.insert(file.end(), section.begin(), section.end());
    const ReadProjectResult read = ReadProject(file, loaded, kTable);
    ASSERT_TRUE(read.Ok()) << read.detail;
    EXPECT_EQ(read.extensionProblem, problem);
    EXPECT_FALSE(QrCodeOf(loaded).has_value());
  }

  // The damaged code is kept as it was read beside a chunk set afresh.
  loaded.extensions.Set<ContactChunk>({});
  CardState again;
  ASSERT_TRUE(ReadProject(SerializeProject(loaded, kTable), again, kTable).Ok());
  EXPECT_EQ(again.extensions.Get<ContactChunk>(), ContactDetails{});
  EXPECT_TRUE(again.extensions.HoldsDamaged<QrCodeChunk>());
}

CardState TwoSided() {
  CardState front = test::UnusualState();
  CardState back = front;
  back.lines[0] = KeptLines(QStringList{QStringLiteral("On the back")});
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
