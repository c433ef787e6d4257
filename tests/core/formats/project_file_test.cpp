#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "core/base/CheckedCall.h"
#include "core/formats/Cp1252.h"
#include "core/formats/ProjectFile.h"
#include "core/formats/StoredString.h"
#include "core/library/BackgroundLibrary.h"
#include "tests/core/ReportRecorder.h"
#include "tests/core/TestFolders.h"
#include "tests/core/formats/ProjectSamples.h"

namespace tavolo {
namespace {

namespace fs = std::filesystem;

using test::Table;
using test::TempFolder;
using test::UnusualState;

// Every stored float of a state, as bits, in file order.
std::vector<uint32_t> StoredFloatBits(const CardState& s) {
  std::vector<float> f;
  for (const TextBoxStyle& st : s.styles) {
    f.insert(f.end(), {st.textColour.h, st.textColour.s, st.textColour.l, st.frameColour.h,
                       st.frameColour.s, st.frameColour.l, st.opacity, st.brightness});
  }
  f.insert(f.end(),
           {s.bgShift, s.gradScale, s.bgBrightness, s.backgroundColour.h, s.backgroundColour.s,
            s.backgroundColour.l, s.hueShift, s.satShift, s.lightShift});
  const PlacedPicture& p = s.photo;
  f.insert(f.end(), {p.width, p.height, p.x, p.y, p.trimLeft, p.trimTop, p.trimBottom, p.trimRight,
                     p.reduction, s.cardHeight, s.cardWidth});
  const PlacedPicture& l = s.logo;
  f.insert(f.end(), {l.width, l.height, l.x, l.y, l.reduction, l.angle});
  std::vector<uint32_t> bits;
  for (const float v : f) bits.push_back(std::bit_cast<uint32_t>(v));
  return bits;
}

const BackgroundTable kTable = Table({"Custom", "Linen", "Marble"});

// The layout of a default state's file: version, five 65-byte style sections, then the text
// section's sub-version; the first line count follows.
constexpr size_t kFirstLineCount = 4 + 5 * 65 + 4;
// From the end of a file whose photo and logo names and paths are empty.
constexpr size_t kLogoSection = 4 + 6 * 4 + 2;
constexpr size_t kCardSizeSection = 4 + 5 * 4;
constexpr size_t kPhotoSection = 4 + 9 * 4 + 2;

TEST(ProjectFile, EveryStoredFieldSurvivesBitForBitNanPayloadsToo) {
  const CardState original = UnusualState();
  const std::vector<uint8_t> bytes = SerializeProject(original, kTable);

  CardState loaded;
  const ProjectReading result = ReadProject(bytes, loaded, kTable);
  ASSERT_STREQ(ReadingName(result), "success") << result.Message();
  EXPECT_EQ(result.Value().head.version, 2u);
  EXPECT_EQ(result.Value().head.backgroundName, MakeBackgroundName("Marble"));

  EXPECT_EQ(StoredFloatBits(loaded), StoredFloatBits(original));
  EXPECT_TRUE(loaded == original);
  EXPECT_EQ(SerializeProject(loaded, kTable), bytes);

  // NaN payloads survive too, signalling ones included.
  CardState nans = original;
  nans.bgShift = std::bit_cast<float>(0x7FC12345u);
  nans.styles[3].opacity = std::bit_cast<float>(0xFFBFFFFFu);
  nans.photo.trimRight = std::bit_cast<float>(0x7F800001u);
  nans.logo.angle = std::bit_cast<float>(0xFFFFFFFFu);
  ASSERT_TRUE(ReadProject(SerializeProject(nans, kTable), loaded, kTable).Ok());
  EXPECT_EQ(StoredFloatBits(loaded), StoredFloatBits(nans));
}

// The photo's section holds its trims and no angle, the logo's its angle and no trims, each
// number in its own place.
TEST(ProjectFile, PictureSectionsHoldTheirKindsNumbersInOrder) {
  CardState s;
  PlacedPicture& p = s.photo;
  std::tie(p.width, p.height, p.x, p.y, p.trimLeft, p.trimTop, p.trimBottom, p.trimRight,
           p.reduction, p.angle) = std::tuple(1, 2, 3, 4, 5, 6, 7, 8, 9, 10);
  PlacedPicture& l = s.logo;
  std::tie(l.width, l.height, l.x, l.y, l.trimLeft, l.reduction, l.angle) =
      std::tuple(11, 12, 13, 14, 15, 16, 17);
  const std::vector<uint8_t> bytes = SerializeProject(s, kTable);
  // The section that starts `fromEnd` bytes before the end: its sub-version, then its numbers.
  const auto subVersion = [&](size_t fromEnd) {
    uint32_t sub = 0;
    std::memcpy(&sub, bytes.data() + bytes.size() - fromEnd, sizeof sub);
    return sub;
  };
  const auto numbers = [&](size_t fromEnd, size_t count) {
    std::vector<float> values(count);
    std::memcpy(values.data(), bytes.data() + bytes.size() - fromEnd + 4, count * sizeof(float));
    return values;
  };
  EXPECT_EQ(subVersion(kLogoSection), 0u);
  EXPECT_EQ(numbers(kLogoSection, 6), (std::vector<float>{11, 12, 13, 14, 16, 17}));
  const size_t photo = kLogoSection + kCardSizeSection + kPhotoSection;
  EXPECT_EQ(subVersion(photo), 1u);
  EXPECT_EQ(numbers(photo, 9), (std::vector<float>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST(ProjectFile, OlderVersionsLeaveTheLaterSectionsAsTheyWereAndOtherLayoutsAreMismatches) {
  CardState source = UnusualState();
  source.photo.name = source.photo.path = source.logo.name = source.logo.path = QString();
  std::vector<uint8_t> v1 = SerializeProject(source, kTable);
  v1.resize(v1.size() - kLogoSection);
  v1[0] = 1;
  std::vector<uint8_t> v0 = v1;
  v0.resize(v0.size() - kCardSizeSection - kPhotoSection);
  v0[0] = 0;

  const CardState before;  // defaults: photo, logo and size differ from the source's
  CardState loaded = before;
  ProjectReading result = ReadProject(v0, loaded, kTable);
  ASSERT_STREQ(ReadingName(result), "success") << result.Message();
  EXPECT_EQ(result.Value().head.version, 0u);
  EXPECT_EQ(loaded.styles, source.styles);
  EXPECT_EQ(loaded.layoutIndex, source.layoutIndex);
  EXPECT_EQ(loaded.lightShift, source.lightShift);
  EXPECT_EQ(loaded.photo, before.photo);
  EXPECT_EQ(loaded.logo, before.logo);
  EXPECT_EQ(loaded.cardHeight, before.cardHeight);
  EXPECT_EQ(loaded.dpi, before.dpi);

  loaded = before;
  result = ReadProject(v1, loaded, kTable);
  ASSERT_STREQ(ReadingName(result), "success") << result.Message();
  EXPECT_EQ(loaded.photo, source.photo);
  EXPECT_EQ(loaded.dpi, source.dpi);
  EXPECT_EQ(loaded.widthUnit, source.widthUnit);
  EXPECT_EQ(loaded.logo, before.logo);

  // Photo sub-version 0 (one string and seven 32-bit values) is read past as a mismatch.
  std::vector<uint8_t> oldPhoto(v0.begin(), v0.end());
  oldPhoto[0] = 1;
  oldPhoto.insert(oldPhoto.end(), {0, 0, 0, 0, 3, 'o', 'l', 'd'});
  oldPhoto.resize(oldPhoto.size() + 28, 0x11);
  loaded = before;
  EXPECT_STREQ(ReadingName(ReadProject(oldPhoto, loaded, kTable)), "version mismatch");
  EXPECT_EQ(loaded.layoutIndex, source.layoutIndex);
  EXPECT_EQ(loaded.photo, before.photo);
  oldPhoto.pop_back();  // the old layout cut short
  EXPECT_STREQ(ReadingName(ReadProject(oldPhoto, loaded, kTable)), "file error");

  // A later version reads its first six sections like version 0, then says it is not this
  // version's: taking it as a whole card would drop its photo, size and logo unseen.
  for (const uint8_t later : {uint8_t{3}, uint8_t{0xFF}}) {
    std::vector<uint8_t> newer = SerializeProject(source, kTable);
    newer[0] = later;
    loaded = before;
    result = ReadProject(newer, loaded, kTable);
    EXPECT_STREQ(ReadingName(result), "version mismatch") << int{later};
    EXPECT_EQ(result.Message(),
              "the format version " + std::to_string(later) + " is newer than this program reads");
    EXPECT_EQ(loaded.styles, source.styles);
    EXPECT_EQ(loaded.layoutIndex, source.layoutIndex);
    EXPECT_EQ(loaded.photo, before.photo);
  }
}

TEST(ProjectFile, SubVersionMismatchStopsWithTheEarlierSectionsApplied) {
  const CardState source = UnusualState();
  std::vector<uint8_t> style2 = SerializeProject(source, kTable);
  size_t offset = 4;
  for (int b = 0; b < 2; ++b) {
    offset += 4 + 3 +
              static_cast<size_t>(source.styles[b].face.size() + source.styles[b].style.size() +
                                  source.styles[b].size.size()) +
              24 + 12 + 8;
  }
  style2[offset] = 1;
  CardState loaded;
  const ProjectReading result = ReadProject(style2, loaded, kTable);
  EXPECT_STREQ(ReadingName(result), "version mismatch");
  EXPECT_EQ(loaded.styles[1], source.styles[1]);
  EXPECT_EQ(loaded.styles[2], CardState().styles[2]);
  EXPECT_EQ(ProjectFaultMessage(result.Fault().kind),
            std::string("File could not be opened by this version of the software."));

  // kKeepOnFileError still applies what came before a version mismatch.
  CardState kept;
  EXPECT_STREQ(ReadingName(ReadProject(style2, kept, kTable, ReadMode::kKeepOnFileError)),
               "version mismatch");
  EXPECT_EQ(kept.styles[1], source.styles[1]);
}

// --- Background identity (found by name as the background table looks names up) ---

TEST(ProjectFile, ABackgroundNumberOutsideTheTableFailsTheCheckAndWritesAnEmptyName) {
  CardState source;
  CardState loaded;
  source.backgroundIndex = 5;
  const test::ReportRecorder reports;
  const ProjectReading result = ReadProject(SerializeProject(source, kTable), loaded, kTable);
  ASSERT_EQ(reports.Reports().size(), 1u);
  EXPECT_TRUE(reports.Saw("btbl[pnmb].n==pnmb"));
  EXPECT_TRUE(result.Ok());
  EXPECT_EQ(result.Value().head.backgroundName, BackgroundName{});
}

TEST(ProjectFile, EveryTruncationIsAFileErrorAndNothingIsAppliedWhenAsked) {
  const std::vector<uint8_t> bytes = SerializeProject(UnusualState(), kTable);
  for (size_t length = 0; length < bytes.size(); ++length) {
    const std::span<const uint8_t> cut(bytes.data(), length);
    CardState applied;
    EXPECT_STREQ(ReadingName(ReadProject(cut, applied, kTable)), "file error") << length;
    CardState kept;
    const CardState reference = kept;
    EXPECT_STREQ(ReadingName(ReadProject(cut, kept, kTable, ReadMode::kKeepOnFileError)),
                 "file error");
    EXPECT_TRUE(kept == reference) << length;
  }
}

TEST(ProjectFile, AFileThatIsNoCardIsToldApartFromDamageAndChangesNothing) {
  std::vector<uint8_t> later = SerializeProject(UnusualState(), kTable);
  later[0] = 3;
  const std::pair<std::vector<uint8_t>, bool> cases[] = {
      {{}, true},                                             // empty
      {{'N', 'a', 'm', 'e', ':', ' ', 'A', 'd', 'a'}, true},  // text
      {{1, 0, 0, 0, 'a', 'b', 'c', 'd'}, true},               // a version, then text
      {later, false},                                         // a real later version
      {{later.begin(), later.begin() + 40}, false},           // a card cut short
  };
  for (const auto& [bytes, notACard] : cases) {
    CardState loaded = UnusualState();
    const ProjectReading result = ReadProject(bytes, loaded, kTable);
    EXPECT_EQ((!result && result.Fault().notACard), notACard) << bytes.size();
    // Damage keeps the sections read before it; a file that is no card changes nothing.
    EXPECT_TRUE(!notACard || (loaded == UnusualState() && !result.Ok())) << bytes.size();
  }
}

TEST(ProjectFile, ValuesTheCardCannotHoldAreRefusedAsFileErrors) {
  const std::pair<const char*, void (*)(CardState&)> cases[] = {
      {"box count 6", [](CardState& s) { s.boxCount = 6; }},
      {"layout 10", [](CardState& s) { s.layoutIndex = 10; }},
      {"orientation 4", [](CardState& s) { s.gradOrientation = 4; }},
      {"photo ../", [](CardState& s) { s.photo.name = "../secret.png"; }},
      {"logo /", [](CardState& s) { s.logo.name = "sub/logo.png"; }},
  };
  for (const auto& [what, change] : cases) {
    CardState bad;
    change(bad);
    CardState loaded;
    const ProjectReading result = ReadProject(SerializeProject(bad, kTable), loaded, kTable);
    EXPECT_STREQ(ReadingName(result), "file error") << what;
    EXPECT_FALSE(result.Message().empty()) << what;
    // The refused value never reaches the state.
    EXPECT_TRUE(loaded.boxCount >= 3 && loaded.boxCount <= 5) << what;
    EXPECT_TRUE(loaded.layoutIndex >= 0 && loaded.layoutIndex <= 9) << what;
    EXPECT_TRUE(loaded.photo.name.isEmpty() && loaded.logo.name.isEmpty()) << what;
  }
  // A path is not a name: it is kept as it is. A name may hold two dots in a row.
  CardState withPath;
  withPath.photo.path = "/home/me/customphotos/me.png";
  withPath.logo.name = "logo..final.png";
  CardState loaded;
  EXPECT_TRUE(ReadProject(SerializeProject(withPath, kTable), loaded, kTable).Ok());
  EXPECT_EQ(loaded.logo.name, withPath.logo.name);
}

TEST(ProjectFile, LineCountAbove20AndHugeLengthsAreFileErrors) {
  const std::vector<uint8_t> good = SerializeProject(CardState(), kTable);
  ASSERT_EQ(good[kFirstLineCount], 0);
  ASSERT_EQ(good[kFirstLineCount + 4], 0);  // box 1's count follows directly

  std::vector<uint8_t> bytes = good;
  bytes[kFirstLineCount] = 20;
  bytes.insert(bytes.begin() + kFirstLineCount + 4, 20, 0);  // twenty empty lines
  CardState loaded;
  EXPECT_TRUE(ReadProject(bytes, loaded, kTable).Ok());
  EXPECT_EQ(loaded.lines[0].count, 20);
  bytes[kFirstLineCount] = 21;
  bytes.insert(bytes.begin() + kFirstLineCount + 4, 0);
  EXPECT_STREQ(ReadingName(ReadProject(bytes, loaded, kTable)), "file error");
  bytes[kFirstLineCount + 3] = 0x80;  // a count of two thousand million
  EXPECT_STREQ(ReadingName(ReadProject(bytes, loaded, kTable)), "file error");

  // The size string of style 0 claims 4 GB, then 65533 bytes.
  bytes = good;
  const std::vector<uint8_t> huge = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  bytes.erase(bytes.begin() + 8, bytes.begin() + 11);
  bytes.insert(bytes.begin() + 8, huge.begin(), huge.end());
  EXPECT_STREQ(ReadingName(ReadProject(bytes, loaded, kTable)), "file error");
  bytes[9] = 0xFD;
  bytes[10] = 0xFF;
  EXPECT_STREQ(ReadingName(ReadProject(bytes, loaded, kTable)), "file error");
}

std::vector<uint8_t> Stored(const QString& text) {
  std::vector<uint8_t> bytes;
  ByteWriter out(bytes);
  WriteStoredString(out, text);
  return bytes;
}

bool ReadsBack(const std::vector<uint8_t>& bytes, QString& text) {
  ByteReader in(bytes);
  return ReadStoredString(in, text) && in.remaining() == 0;
}

std::vector<uint8_t> Prefix(const std::vector<uint8_t>& bytes, size_t n) {
  return {bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n)};
}

// The length takes one byte below 255, then 0xFF and 16 bits below 0xFFFE, then 0xFF 0xFFFF and
// 32 bits; text outside Windows-1252 is marked 0xFF 0xFFFE and stored as UTF-16 characters.
TEST(StoredString, LengthPrefixesAndCodePagesAreWrittenAndReadBack) {
  const QString wide300(300, QChar(u'\u4e00'));
  const std::tuple<QString, std::vector<uint8_t>, size_t> cases[] = {
      {QString(), {0x00}, 1},
      {QString(254, QChar(u'x')), {0xFE}, 1 + 254},
      {QString(255, QChar(u'x')), {0xFF, 0xFF, 0x00}, 3 + 255},
      {QString(0xFFFD, QChar(u'x')), {0xFF, 0xFD, 0xFF}, 3 + 0xFFFD},
      {QString(0xFFFE, QChar(u'x')), {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}, 7 + 0xFFFE},
      {QStringLiteral("Caf\u00e9 \u20ac5 \u201cquoted\u201d \u0178"),
       {18, 'C', 'a', 'f', 0xE9, ' ', 0x80, '5', ' ', 0x93, 'q', 'u', 'o', 't', 'e', 'd'},
       19},
      {QStringLiteral("\u540d\u7247"), {0xFF, 0xFE, 0xFF, 0x02, 0x0D, 0x54, 0x47, 0x72}, 8},
      {wide300, {0xFF, 0xFE, 0xFF, 0xFF, 0x2C, 0x01}, 6 + 600},
      {QStringLiteral("Caf\u00e9 \U0001F600 \u0411"), {0xFF, 0xFE, 0xFF, 0x09, 'C', 0}, 22},
  };
  for (const auto& [text, prefix, size] : cases) {
    const std::vector<uint8_t> bytes = Stored(text);
    EXPECT_EQ(Prefix(bytes, prefix.size()), prefix) << text.size();
    EXPECT_EQ(bytes.size(), size) << text.size();
    QString read;
    ASSERT_TRUE(ReadsBack(bytes, read)) << text.size();
    EXPECT_EQ(read, text);
  }
}

TEST(StoredString, EveryByteDecodesAndEncodesBackToItself) {
  std::vector<uint8_t> all(256);
  for (int i = 0; i < 256; ++i) all[i] = static_cast<uint8_t>(i);
  const QString text = DecodeCp1252(all);
  EXPECT_EQ(text[0x80], QChar(u'\u20ac'));
  EXPECT_EQ(text[0x81], QChar(u'\u0081'));
  EXPECT_EQ(EncodeCp1252(text), all);
  EXPECT_FALSE(EncodeCp1252(QStringLiteral("\u0080")).has_value());  // not in the code page
}

TEST(StoredString, TruncatedStringsFailWithoutReadingPastTheEnd) {
  const std::vector<uint8_t> full = Stored(QStringLiteral("\u540d\u7247 and more"));
  for (size_t n = 0; n < full.size(); ++n) {
    QString read;
    const std::vector<uint8_t> cut = Prefix(full, n);
    ByteReader in(cut);
    EXPECT_FALSE(ReadStoredString(in, read)) << n;
  }
  const std::vector<uint8_t> huge = {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'a'};
  QString read;
  ByteReader in(huge);
  EXPECT_FALSE(ReadStoredString(in, read));
}

}  // namespace
}  // namespace tavolo
