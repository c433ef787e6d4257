#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "core/card/CardFaces.h"
#include "core/card/ClearGround.h"
#include "core/document/CardDocument.h"
#include "core/formats/AlignmentChunk.h"
#include "core/formats/ClearGroundChunk.h"
#include "core/formats/ContactChunk.h"
#include "core/formats/ExtensionSection.h"
#include "core/formats/ProjectFile.h"
#include "core/formats/QrCodeChunk.h"
#include "core/storage/ByteWriter.h"
#include "tests/core/formats/ProjectSamples.h"
#include "tests/core/render/RenderTestSupport.h"

namespace tavolo {
namespace {

const BackgroundTable kTable = test::Table({"Custom", "Linen", "Marble"});

std::vector<uint8_t> Chunk(const char* tag, std::vector<uint8_t> payload) {
  std::vector<uint8_t> out(tag, tag + 4);
  ByteWriter(out).PutU32(static_cast<uint32_t>(payload.size()));
  out.insert(out.end(), payload.begin(), payload.end());
  return out;
}

std::vector<uint8_t> Section(uint32_t version, uint32_t count, std::vector<uint8_t> chunks) {
  std::vector<uint8_t> out = {'T', 'V', 'X', 'S'};
  ByteWriter(out).PutU32(version);
  ByteWriter(out).PutU32(count);
  ByteWriter(out).PutBytes(chunks);
  return out;
}

std::vector<uint8_t> Joined(std::vector<uint8_t> first, const std::vector<uint8_t>& second) {
  first.insert(first.end(), second.begin(), second.end());
  return first;
}

// The card's own bytes followed by a section of `chunks`.
std::vector<uint8_t> CardWith(const std::vector<std::vector<uint8_t>>& chunks) {
  std::vector<uint8_t> all;
  for (const std::vector<uint8_t>& chunk : chunks) all = Joined(all, chunk);
  return Joined(SerializeProject(test::UnusualState(), kTable),
                Section(1, static_cast<uint32_t>(chunks.size()), all));
}

PlacedQrCode FreeTextCode(const char* text) {
  PlacedQrCode code;
  code.content = QrContent::kFreeText;
  code.freeText = QString::fromUtf8(text);
  return code;
}

ContactDetails NameOnly(const char* name) {
  ContactDetails details;
  details[1] = QString::fromUtf8(name);
  return details;
}

TEST(ExtensionSection, KnownAndUnknownChunksSurviveALoadAndASaveByteForByteInTheirOrder) {
  const std::vector<uint8_t> unknown = Chunk("LATR", {7, 8, 9});
  BoxAlignments aligned{};
  aligned[3].vertical = VerticalAlign::kMiddle;
  const std::vector<uint8_t> file =
      CardWith({Chunk("QRCD", QrCodeChunk::Encode(FreeTextCode("x"))), unknown, Chunk("back", {}),
                Chunk("ALGN", AlignmentChunk::Encode(aligned)),
                Chunk("CONT", ContactChunk::Encode(NameOnly("Åsa")))});
  CardState read;
  const ProjectReading result = ReadProject(file, read, kTable);
  ASSERT_TRUE(result.Ok()) << result.Message();
  EXPECT_EQ(result.Value().extensionProblem, "");
  EXPECT_EQ(read.qrCode, FreeTextCode("x"));
  EXPECT_EQ(read.contact, NameOnly("Åsa"));
  EXPECT_EQ(read.alignments, aligned);
  EXPECT_EQ(SerializeProject(read, kTable), file);

  // What the card gains is written after what it was read with; what it loses is left out.
  read.qrCode.reset();
  read.shrinkToFit = FitFlags{true};
  CardState again;
  ASSERT_TRUE(ReadProject(SerializeProject(read, kTable), again, kTable).Ok());
  EXPECT_EQ(again.shrinkToFit, read.shrinkToFit);
  EXPECT_FALSE(again.qrCode.has_value());
  EXPECT_EQ(SerializeProject(again, kTable), SerializeProject(read, kTable));

  // The card's own bytes end where they ended, and a file without a section empties the card's.
  const std::vector<uint8_t> card = SerializeProject(test::UnusualState(), kTable);
  ASSERT_TRUE(ReadProject(card, again, kTable).Ok());
  EXPECT_EQ(again, test::UnusualState());
  EXPECT_EQ(SerializeProject(again, kTable), card);
}

TEST(ExtensionSection, ADamagedSectionIsReportedAndTheCardAndTheWholeChunksBeforeItStillOpen) {
  const std::vector<uint8_t> card = SerializeProject(test::UnusualState(), kTable);
  const std::vector<uint8_t> kTwoChunks = Joined(Chunk("LATR", {7, 8, 9}), Chunk("back", {}));
  const std::tuple<const char*, std::vector<uint8_t>, size_t> cases[] = {
      {"another tag", {'T', 'V', 'X', 'Z', 1, 0, 0, 0, 0, 0, 0, 0}, 0},
      {"a header cut short", {'T', 'V', 'X', 'S', 1, 0}, 0},
      {"a later version", Section(2, 0, {}), 0},
      {"an absurd count", Section(1, 0xFFFFFFFF, kTwoChunks), 0},
      {"a chunk header cut short", Section(1, 3, kTwoChunks), 2},
      {"a length past the end", Section(1, 1, {'L', 'O', 'N', 'G', 9, 0, 0, 0, 1, 2}), 0},
      {"a byte after the last chunk", Section(1, 1, Joined(Chunk("LATR", {}), {9})), 1},
  };
  for (const auto& [what, section, chunksKept] : cases) {
    CardState loaded;
    const ProjectReading read =
        ReadProject(Joined(card, section), loaded, kTable, ReadMode::kKeepOnFileError);
    ASSERT_TRUE(read.Ok()) << what << ": " << read.Message();
    EXPECT_NE(read.Value().extensionProblem, "") << what;
    EXPECT_EQ(loaded.extensions.Entries().size(), chunksKept) << what;
    // The whole chunks are kept to be written again.
    EXPECT_EQ(SerializeProject(loaded, kTable).size() > card.size(), chunksKept > 0) << what;
    loaded.extensions = {};
    EXPECT_EQ(SerializeProject(loaded, kTable), card) << what;
  }
}

CardState TwoSided() {
  CardState front = test::UnusualState();
  CardState back = front;
  back.lines[0] = KeptLines(QStringList{QStringLiteral("On the back")});
  back.backgroundIndex = 1;
  back.hueShift = 0.125f;
  back.logo.name = QStringLiteral("back-logo.png");
  back.qrCode = FreeTextCode("Grüße");
  front.back = CardBack(back);
  return front;
}

// `bytes` with one bit of the byte `offset` from the end of `found` (inside `bytes`) flipped.
std::vector<uint8_t> Flipped(std::vector<uint8_t> bytes, const std::vector<uint8_t>& found,
                             size_t offset) {
  const auto at = std::search(bytes.begin(), bytes.end(), found.begin(), found.end());
  *(at + static_cast<std::ptrdiff_t>(found.size() - offset)) ^= 0x80;
  return bytes;
}

// A known chunk that does not decode, on either face, or a second chunk of a kind, is reported,
// and the card saved from the window keeps it byte for byte.
TEST(ExtensionSection, ClearGroundHoldsForTheArtworkItCameWithAndIsLeftBehindWithIt) {
  ClearGround areas;
  areas.boxes[1] = PixelRect{50, 100, 600, 180};
  const std::vector<uint8_t> file = CardWith({Chunk("CLRG", ClearGroundChunk::Encode(areas))});
  CardState read;
  ASSERT_TRUE(ReadProject(file, read, kTable).Ok());
  EXPECT_EQ(ClearAreaOf(read, 1), areas.boxes[1]);
  EXPECT_EQ(SerializeProject(read, kTable), file);
  const auto changed = [&](auto change) {
    CardState card = read;
    change(card);
    return card;
  };
  const CardState others[] = {
      changed([](CardState& c) { c.layoutIndex = (c.layoutIndex + 1) % 10; }),
      changed([](CardState& c) { c.backgroundIndex = (c.backgroundIndex + 1) % 3; }),
      changed([](CardState& c) { c.cardWidth += 1; }),
  };
  for (const CardState& other : others) {
    EXPECT_FALSE(ClearAreaOf(other, 1).has_value());
    CardState again;
    ASSERT_TRUE(ReadProject(SerializeProject(other, kTable), again, kTable).Ok());
    EXPECT_FALSE(again.clearGround.has_value());
  }
}

TEST(ExtensionSection, DamagedAndRepeatedKnownChunksAreReportedAndKeptOnSave) {
  const std::vector<uint8_t> twoSided = SerializeProject(TwoSided(), kTable);
  const std::vector<uint8_t> back = SerializeProject(BackFaceOf(TwoSided()), kTable);
  const std::vector<uint8_t> qr = QrCodeChunk::Encode(FreeTextCode("Grüße"));
  const std::string damagedQr = "the QR code chunk \"QRCD\" is damaged";
  const std::tuple<const char*, std::vector<uint8_t>, std::string, bool> cases[] = {
      {"contact details", CardWith({Chunk("CONT", {1, 0, 0, 0, 7})}),
       "the contact details chunk \"CONT\" is damaged", false},
      {"front's QR code", CardWith({Chunk("QRCD", {1, 0, 0, 0, 7})}), damagedQr, false},
      {"shrink to fit", CardWith({Chunk("FITS", {1, 2, 1, 1, 1})}),
       "the shrink-to-fit chunk \"FITS\" is damaged", false},
      {"clear ground", CardWith({Chunk("CLRG", {1, 5, 2})}),
       "the clear ground chunk \"CLRG\" is damaged", false},
      {"alignment", CardWith({Chunk("ALGN", {2, 0, 0, 0})}),
       "the text alignment chunk \"ALGN\" is damaged or of a later version", false},
      {"back's QR code not UTF-8", Flipped(twoSided, qr, 2), damagedQr + " (on the back side)",
       true},
      {"two backs", CardWith({Chunk("BACK", back), Chunk("BACK", back)}),
       "the extension section holds more than one chunk \"BACK\"; the first is read, the others "
       "are kept as they are",
       true},
      {"two codes", CardWith({Chunk("QRCD", qr), Chunk("QRCD", qr)}),
       "the extension section holds more than one chunk \"QRCD\"; the first is read, the others "
       "are kept as they are",
       false},
  };
  test::EnsureGuiApplication();
  for (const auto& [what, file, problem, hasBack] : cases) {
    CardState read;
    const ProjectReading result = ReadProject(file, read, kTable, ReadMode::kKeepOnFileError);
    ASSERT_TRUE(result.Ok()) << what << ": " << result.Message();
    EXPECT_EQ(result.Value().extensionProblem, problem) << what;
    EXPECT_EQ(read.back.Has(), hasBack) << what;
    EXPECT_EQ(SerializeProject(read, kTable), file) << what;

    // Load Project, each face shown, then Save Project.
    CardDocument document(&kTable, {});
    document.Start(nullptr);
    document.LoadProject(read, "damaged.tvc");
    document.ShowFace(CardFace::kBack);
    document.Capture();
    document.ShowFace(CardFace::kFront);
    document.Capture();
    const std::vector<uint8_t> saved = SerializeProject(document.Card(), kTable);
    CardState reread;
    ASSERT_TRUE(ReadProject(saved, reread, kTable).Ok()) << what;
    EXPECT_EQ(reread.extensions, read.extensions) << what;
    EXPECT_EQ(reread.back.Has(), hasBack) << what;
    if (hasBack) {
      EXPECT_EQ(reread.back.Face().extensions, read.back.Face().extensions) << what;
    }
  }
}

TEST(BackSideFile, FrontAndBackRoundTripExactlyAndTheCardsOwnSectionsHoldTheFrontAlone) {
  CardState card = TwoSided();
  CardState sized = card.back.Face();
  sized.cardWidth = 500.0f;  // the back takes the front's size
  card.back = CardBack(sized);
  const std::vector<uint8_t> file = SerializeProject(card, kTable);
  CardState read;
  const ProjectReading result = ReadProject(file, read, kTable);
  ASSERT_TRUE(result.Ok()) << result.Message();
  EXPECT_EQ(result.Value().extensionProblem, "");
  EXPECT_EQ(read.back.Face(), BackFaceOf(card));
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
  nested.back = CardBack(TwoSided());
  std::vector<uint8_t> nestedBytes = SerializeProject(nested, kTable);
  std::vector<uint8_t> cut = SerializeProject(TwoSided().back.Face(), kTable);
  cut.resize(cut.size() / 2);
  for (const std::vector<uint8_t>& payload : {cut, nestedBytes}) {
    const std::vector<uint8_t> file = CardWith({Chunk("BACK", payload)});
    CardState read;
    const ProjectReading result = ReadProject(file, read, kTable);
    ASSERT_TRUE(result.Ok()) << result.Message();
    EXPECT_NE(result.Value().extensionProblem.find("BACK"), std::string::npos)
        << result.Value().extensionProblem;
    EXPECT_FALSE(read.back.Has());
    EXPECT_EQ(SerializeProject(read, kTable), file);
  }
}

}  // namespace
}  // namespace tavolo
