#include <gtest/gtest.h>
#include <unistd.h>

#include <bit>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "core/base/ColorModel.h"
#include "core/files/ByteReader.h"
#include "core/files/ByteWriter.h"
#include "core/library/BackgroundLibrary.h"
#include "core/library/BackgroundLibraryFile.h"
#include "tests/core/TestFolders.h"

namespace tavolo {
namespace {

namespace fs = std::filesystem;

using test::TempFolder;

void WriteHue(const fs::path& path, float offset) {
  std::vector<uint8_t> bytes;
  ByteWriter(bytes).PutF32(offset);
  test::WriteFileBytes(path, bytes);
}

std::vector<uint8_t> TinyJpeg() {
  return test::ReadFileBytes(fs::path(TAVOLO_TEST_DATA) / "library/blue8x8.jpg");
}

// True once the JPEG decoder is built; until then the images of library records are not valid.
bool JpegDecodes() {
  return RasterImage(TinyJpeg(), kFormatJpeg).IsValid();
}

RasterImage SolidImage(uint8_t r, uint8_t g, uint8_t b, uint32_t w = 4, uint32_t h = 3) {
  RasterImage image;
  image.Create(w, h, 24, kFormatBmp);
  for (uint32_t y = 0; y < h; ++y) {
    for (uint32_t x = 0; x < w; ++x) image.SetPixelColor(x, y, {b, g, r, 0});
  }
  return image;
}

void SaveSolid(const fs::path& path, int format, uint8_t r, uint8_t g, uint8_t b) {
  RasterImage image = SolidImage(r, g, b);
  ASSERT_TRUE(image.Save(path, format)) << path << ": " << image.GetLastError();
}

std::vector<LibraryEntry> Entries(int count) {
  std::vector<LibraryEntry> entries;
  for (int i = 0; i < count; ++i) {
    entries.push_back({MakeBackgroundName("Library " + std::to_string(i)), 10.0f * i, TinyJpeg()});
  }
  return entries;
}

std::string NameText(const BackgroundName& name) {
  return std::string(reinterpret_cast<const char*>(name.data()),
                     strnlen(reinterpret_cast<const char*>(name.data()), name.size()));
}

float Offset(float hue) {
  return hue * kHueToOffset - 0.5f;
}

// --- The file format ---

TEST(LibraryFile, ScramblingAddsTheKeyFromTheFirstByteOnAndDescramblingUndoesIt) {
  std::vector<uint8_t> data(40, 0);
  Scramble(data);
  for (size_t i = 0; i < data.size(); ++i) {
    EXPECT_EQ(data[i], static_cast<uint8_t>(kLibraryKey[i % 17])) << i;
  }
  std::vector<uint8_t> all(600);
  for (size_t i = 0; i < all.size(); ++i) all[i] = static_cast<uint8_t>(i * 7 + 3);
  std::vector<uint8_t> copy = all;
  Scramble(copy);
  EXPECT_NE(copy, all);
  Descramble(copy);
  EXPECT_EQ(copy, all);
  // Addition wraps modulo 256.
  std::vector<uint8_t> high = {0xFF};
  Scramble(high);
  EXPECT_EQ(high[0], static_cast<uint8_t>('K' - 1));
}

TEST(LibraryFile, WrittenRecordsLieAtTheDocumentedOffsetsAndParseBack) {
  std::vector<LibraryEntry> entries = Entries(3);
  entries[1].jpeg.resize(5);  // records of different lengths
  entries[2].name = MakeBackgroundName("exactly-twenty-bytes");
  std::vector<uint8_t> bytes = SerializeBackgroundLibrary(entries);
  Descramble(bytes);
  ByteReader in(bytes);
  in.Skip(4);
  const uint32_t count = in.U32();
  const uint32_t length = in.U32();
  const float hue = in.F32();
  ASSERT_TRUE(in.ok());
  EXPECT_EQ(count, 3u);
  EXPECT_EQ(length, entries[0].jpeg.size());
  EXPECT_EQ(hue, 0.0f);
  EXPECT_EQ(std::memcmp(bytes.data() + 16, entries[0].name.data(), 20), 0);
  EXPECT_EQ(bytes.size(), 8 + 3 * 28 + 2 * entries[0].jpeg.size() + 5);

  const ParsedLibrary parsed = ParseBackgroundLibrary(bytes);
  EXPECT_FALSE(parsed.truncated);
  ASSERT_EQ(parsed.records.size(), 3u);
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(parsed.records[i].name, entries[i].name);
    EXPECT_EQ(parsed.records[i].hue, entries[i].hue);
    EXPECT_TRUE(std::equal(parsed.records[i].jpeg.begin(), parsed.records[i].jpeg.end(),
                           entries[i].jpeg.begin(), entries[i].jpeg.end()));
  }
}

TEST(LibraryFile, EveryTruncationKeepsTheCompleteRecordsBeforeIt) {
  std::vector<uint8_t> bytes = SerializeBackgroundLibrary(Entries(3));
  Descramble(bytes);
  const size_t recordBytes = 28 + TinyJpeg().size();
  for (size_t length = 0; length < bytes.size(); ++length) {
    const ParsedLibrary parsed =
        ParseBackgroundLibrary(std::span<const uint8_t>(bytes.data(), length));
    EXPECT_TRUE(parsed.truncated) << length;
    const size_t complete = length < 8 ? 0 : (length - 8) / recordBytes;
    EXPECT_EQ(parsed.records.size(), complete) << length;
  }
}

TEST(LibraryFile, LengthRunningPastTheEndOrAHugeCountEndsTheReading) {
  std::vector<uint8_t> bytes = SerializeBackgroundLibrary(Entries(2));
  Descramble(bytes);
  const size_t secondLength = 8 + 28 + TinyJpeg().size();
  bytes[secondLength + 3] = 0x7F;  // the second record claims about 2 GB
  ParsedLibrary parsed = ParseBackgroundLibrary(bytes);
  EXPECT_TRUE(parsed.truncated);
  EXPECT_EQ(parsed.records.size(), 1u);

  std::vector<uint8_t> header = {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF};
  parsed = ParseBackgroundLibrary(header);
  EXPECT_EQ(parsed.declaredCount, 0xFFFFFFFFu);
  EXPECT_TRUE(parsed.truncated);
  EXPECT_TRUE(parsed.records.empty());
}

// --- Mean hue ---

TEST(MeanHue, AveragesTheSwappedChannelsHuesOverEveryPixelWithNearGreyAsGrey) {
  RasterImage oneGreen = SolidImage(0, 0, 255, 2, 2);  // hue 0
  oneGreen.SetPixelColor(0, 0, {0, 255, 0, 0});        // one green pixel, hue 80
  RasterImage palette;
  ASSERT_TRUE(palette.Create(2, 2, 8, kFormatBmp));
  palette.Palette()[1] = {0, 255, 0, 0};  // green
  palette.Palette()[2] = {255, 0, 0, 0};  // blue
  palette.SetPixelIndex(0, 0, 1);
  palette.SetPixelIndex(1, 0, 1);
  palette.SetPixelIndex(0, 1, 2);
  palette.SetPixelIndex(1, 1, 0);  // black: grey, 160
  const struct {
    const char* what;
    RasterImage image;
    float hue;
  } cases[] = {
      // Blue takes the red place, so the channels swap hues.
      {"blue, handed over as red", SolidImage(0, 0, 255), 0.0f},
      {"green", SolidImage(0, 255, 0), 80.0f},
      {"red, handed over as blue", SolidImage(255, 0, 0), 160.0f},
      // Channels within a tenth of each other on the unit scale are grey.
      {"grey", SolidImage(128, 128, 128), 160.0f},
      {"tinted, 100 to 120", SolidImage(100, 110, 120), 160.0f},
      {"one green pixel of four", oneGreen, 20.0f},
      {"palette", palette, (80.0f + 80.0f + 0.0f + 160.0f) / 4.0f},
      {"no picture", RasterImage(), 0.0f},
  };
  for (const auto& c : cases) EXPECT_EQ(MeanHue(c.image), c.hue) << c.what;
  EXPECT_EQ(Offset(160.0f), 160.0f * 0.0041841003f - 0.5f);
}

// --- ReadBGFile ---

TEST(ReadBGFile, LibraryOnlyStartsAtZeroWithHueOffsetsAndNumbers) {
  TempFolder home;
  fs::create_directories(home.Path() / "custombg");  // empty
  ASSERT_TRUE(WriteBackgroundLibrary(home.Path() / "fl1.tmp", Entries(4)));
  BackgroundTable table;
  const BackgroundLoadResult result = ReadBGFileIn(table, home.Path());
  EXPECT_TRUE(result.Ok());
  EXPECT_EQ(result.Code(), 0);
  ASSERT_EQ(table.Count(), 4);
  EXPECT_EQ(result.libraryCount, 4);
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(table.Record(k).n, k);
    EXPECT_EQ(NameText(table.Record(k).name), "Library " + std::to_string(k));
    EXPECT_EQ(table.HueOffset(k), Offset(10.0f * k));
    if (JpegDecodes()) {
      EXPECT_TRUE(table.Image(k).IsValid());
    }
  }
}

TEST(ReadBGFile, CustomBackgroundsComeFirstInDirectoryOrderWithTheirCompanions) {
  TempFolder home;
  const fs::path custom = home.Path() / "custombg";
  fs::create_directories(custom);
  SaveSolid(custom / "PHOTO.JPG.bmp", kFormatBmp, 1, 2, 3);  // extension "bmp"
  SaveSolid(custom / "a.b.png", kFormatPng, 0, 255, 0);
  SaveSolid(custom / "abcdefghijklmnopqrstuvwxyz.png", kFormatPng, 0, 0, 255);
  SaveSolid(custom / "exactly-twenty-bytes.BmP", kFormatBmp, 9, 9, 9);
  test::WriteFileBytes(custom / "PHOTO.JPG", TinyJpeg());
  test::WriteFileBytes(custom / "notes.txt", {1, 2, 3});
  test::WriteFileBytes(custom / "scan.tiff", {1, 2, 3});
  fs::create_directories(custom / "folder.png");
  WriteHue(custom / "PHOTO.hue", 0.125f);
  WriteHue(custom / "a.b.hue", -0.25f);
  WriteHue(custom / "PHOTO.JPG.hue", 0.375f);
  WriteHue(custom / "abcdefghijklmnopqrstuvwxyz.hue", 0.0f);
  WriteHue(custom / "exactly-twenty-bytes.hue", 0.5f);
  ASSERT_TRUE(WriteBackgroundLibrary(home.Path() / "fl1.tmp", Entries(2)));

  std::vector<std::string> expected;
  for (const auto& entry : fs::directory_iterator(custom)) {
    const std::string name = entry.path().filename().string();
    if (entry.path().extension() == ".hue") continue;
    if (name == "PHOTO.JPG") expected.push_back("PHOTO");
    if (name == "PHOTO.JPG.bmp") expected.push_back("PHOTO.JPG");
    if (name == "a.b.png") expected.push_back("a.b");
    if (name.starts_with("abc")) expected.push_back("abcdefghijklmnopqrst");
    if (name.starts_with("exactly")) expected.push_back("exactly-twenty-bytes");
  }
  BackgroundTable table;
  const BackgroundLoadResult result = ReadBGFileIn(table, home.Path());
  EXPECT_TRUE(result.Ok()) << result.message;
  EXPECT_EQ(result.customCount, 5);
  ASSERT_EQ(table.Count(), 7);
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(NameText(table.Record(k).name), expected[k]) << k;
    EXPECT_EQ(table.Record(k).n, k);
  }
  EXPECT_EQ(NameText(table.Record(5).name), "Library 0");

  const auto offsetOf = [&](std::string_view title) {
    return table.HueOffset(table.LookupByName(MakeBackgroundName(title)));
  };
  EXPECT_EQ(offsetOf("PHOTO"), 0.125f);
  EXPECT_EQ(offsetOf("a.b"), -0.25f);
  EXPECT_EQ(offsetOf("PHOTO.JPG"), 0.375f);
  EXPECT_EQ(offsetOf("exactly-twenty-bytes"), 0.5f);  // 20 bytes, no terminating zero
  EXPECT_TRUE(table.Image(table.LookupByName(MakeBackgroundName("a.b"))).IsValid());
  EXPECT_EQ(table.Record(table.LookupByName(MakeBackgroundName("exactly-twenty-bytes"))).name[19],
            's');
}

TEST(ReadBGFile, CustomImageWithoutCompanionIsMeasuredAndTheCompanionWrittenUnlessOnlyReading) {
  for (const HueCompanions companions :
       {HueCompanions::kWriteMissing, HueCompanions::kMeasureOnly}) {
    const bool writes = companions == HueCompanions::kWriteMissing;
    SCOPED_TRACE(writes ? "writing" : "measuring only");
    TempFolder home;
    const fs::path custom = home.Path() / "custombg";
    fs::create_directories(custom);
    SaveSolid(custom / "first.png", kFormatPng, 0, 255, 0);   // no companion
    SaveSolid(custom / "second.png", kFormatPng, 0, 0, 255);  // companion too short
    test::WriteFileBytes(custom / "second.hue", {1, 2});
    SaveSolid(custom / "third.png", kFormatPng, 0, 0, 255);  // companion longer than 4 bytes
    std::vector<uint8_t> longer;
    ByteWriter(longer).PutF32(0.25f);
    ByteWriter(longer).PutU16(0xABCD);
    test::WriteFileBytes(custom / "third.hue", longer);
    ASSERT_TRUE(WriteBackgroundLibrary(home.Path() / "fl1.tmp", Entries(1)));

    BackgroundTable table;
    EXPECT_TRUE(ReadBGFileIn(table, home.Path(), "fl1.tmp", companions).Ok());
    ASSERT_EQ(table.Count(), 4);  // reading went on past all three and into the library
    const int first = table.LookupByName(MakeBackgroundName("first"));
    EXPECT_EQ(table.HueOffset(first), Offset(80.0f));
    EXPECT_EQ(table.HueOffset(table.LookupByName(MakeBackgroundName("second"))), Offset(0.0f));
    EXPECT_EQ(table.HueOffset(table.LookupByName(MakeBackgroundName("third"))), 0.25f);
    EXPECT_EQ(test::ReadFileBytes(custom / "third.hue"), longer);  // read from its start, kept
    EXPECT_EQ(test::ReadFileBytes(custom / "second.hue").size(), writes ? 4u : 2u);
    const std::vector<uint8_t> written = test::ReadFileBytes(custom / "first.hue");
    if (!writes) {
      EXPECT_FALSE(fs::exists(custom / "first.hue"));
      continue;
    }
    ASSERT_EQ(written.size(), 4u);
    uint32_t bits = 0;
    std::memcpy(&bits, written.data(), 4);
    EXPECT_EQ(bits, std::bit_cast<uint32_t>(Offset(80.0f)));
  }
}

TEST(ReadBGFile, PicturesThatDoNotDecodeAndAnEmptyLibraryAreReported) {
  struct Case {
    const char* what;
    std::vector<LibraryEntry> library;
    bool junkInFolder;
    std::vector<std::string> warnings;  // each a part of one warning, in order
  };
  std::vector<LibraryEntry> oneBroken = Entries(3);
  oneBroken[1].jpeg = {0xFF, 0xD8, 0xFF, 0x00};
  const Case cases[] = {
      {"a sound library", Entries(2), false, {}},
      {"a library without backgrounds", {}, false, {"fl1.tmp holds no backgrounds."}},
      {"a record that does not decode",
       oneBroken,
       false,
       {"1 of the 3 backgrounds of the library "}},
      {"an imported picture that does not decode",
       Entries(1),
       true,
       {"junk.png could not be read as a picture: Decode: Unknown or wrong format"}},
  };
  for (const Case& c : cases) {
    TempFolder home;
    ASSERT_TRUE(WriteBackgroundLibrary(home.Path() / "fl1.tmp", c.library));
    if (c.junkInFolder) {
      fs::create_directories(home.Path() / "custombg");
      test::WriteFileBytes(home.Path() / "custombg" / "junk.png", {1, 2, 3});
    }
    BackgroundTable table;
    const BackgroundLoadResult result = ReadBGFileIn(table, home.Path());
    EXPECT_TRUE(result.Ok()) << c.what;  // reported, not refused: every number stays
    ASSERT_EQ(result.warnings.size(), c.warnings.size()) << c.what;
    for (size_t i = 0; i < c.warnings.size(); ++i) {
      EXPECT_NE(result.warnings[i].find(c.warnings[i]), std::string::npos)
          << c.what << ": " << result.warnings[i];
    }
  }
}

TEST(ReadBGFile, MissingLibraryKeepsTheCustomBackgroundsAndSaysSo) {
  TempFolder home;
  fs::create_directories(home.Path() / "custombg");
  SaveSolid(home.Path() / "custombg" / "mine.png", kFormatPng, 10, 200, 30);
  BackgroundTable table;
  const BackgroundLoadResult result = ReadBGFileIn(table, home.Path());
  EXPECT_EQ(result.status, BackgroundLoadStatus::kLibraryMissing);
  EXPECT_NE(result.Code(), 0);
  EXPECT_NE(result.message.find("fl1.tmp"), std::string::npos);
  EXPECT_EQ(table.Count(), 1);

  BackgroundTable none;
  EXPECT_EQ(ReadBGFileIn(none, home.Path() / "no-such-folder").status,
            BackgroundLoadStatus::kLibraryMissing);
  EXPECT_EQ(none.Count(), 0);
}

TEST(ReadBGFile, DamagedLibraryKeepsTheRecordsBeforeTheDamage) {
  TempFolder home;
  std::vector<uint8_t> bytes = SerializeBackgroundLibrary(Entries(3));
  bytes.resize(bytes.size() - 10);
  test::WriteFileBytes(home.Path() / "fl1.tmp", bytes);
  BackgroundTable table;
  const BackgroundLoadResult result = ReadBGFileIn(table, home.Path());
  EXPECT_EQ(result.status, BackgroundLoadStatus::kLibraryTruncated);
  EXPECT_EQ(table.Count(), 2);
  EXPECT_FALSE(result.message.empty());
}

TEST(ReadBGFile, MoreThan999BackgroundsStopAt999) {
  TempFolder home;
  fs::create_directories(home.Path() / "custombg");
  SaveSolid(home.Path() / "custombg" / "mine.png", kFormatPng, 10, 200, 30);
  std::vector<LibraryEntry> entries(kMaxBackgrounds);
  for (size_t i = 0; i < entries.size(); ++i)
    entries[i].name = MakeBackgroundName(std::to_string(i));
  ASSERT_TRUE(WriteBackgroundLibrary(home.Path() / "fl1.tmp", entries));
  BackgroundTable table;
  const BackgroundLoadResult result = ReadBGFileIn(table, home.Path());
  EXPECT_TRUE(result.Ok());
  EXPECT_TRUE(result.tableFull);
  EXPECT_EQ(table.Count(), kMaxBackgrounds);
  EXPECT_EQ(NameText(table.Record(998).name), "997");
}

// --- Import ---

TEST(AddCustomBackground, CopiesMeasuresWritesTheCompanionAndAppends) {
  TempFolder home, elsewhere;
  BackgroundTable table;
  ASSERT_TRUE(WriteBackgroundLibrary(home.Path() / "fl1.tmp", Entries(2)));
  ReadBGFileIn(table, home.Path());
  SaveSolid(elsewhere.Path() / "Logo.Card.PNG", kFormatPng, 0, 255, 0);

  AddBackgroundResult added =
      AddCustomBackground(table, elsewhere.Path() / "Logo.Card.PNG", home.Path());
  ASSERT_TRUE(added.ok) << added.message;
  EXPECT_EQ(added.number, 2);
  EXPECT_EQ(table.Count(), 3);
  EXPECT_EQ(table.Record(2).n, 2);
  EXPECT_EQ(NameText(table.Record(2).name), "Logo.Card");
  EXPECT_EQ(table.HueOffset(2), Offset(80.0f));
  EXPECT_TRUE(fs::exists(home.Path() / "custombg" / "Logo.Card.PNG"));
  EXPECT_EQ(test::ReadFileBytes(home.Path() / "custombg" / "Logo.Card.hue").size(), 4u);

  // Importing again overwrites the copy; importing the copy itself works too.
  SaveSolid(elsewhere.Path() / "Logo.Card.PNG", kFormatPng, 0, 0, 255);
  added = AddCustomBackground(table, elsewhere.Path() / "Logo.Card.PNG", home.Path());
  ASSERT_TRUE(added.ok) << added.message;
  EXPECT_EQ(table.HueOffset(3), Offset(0.0f));
  added = AddCustomBackground(table, home.Path() / "custombg" / "Logo.Card.PNG", home.Path());
  ASSERT_TRUE(added.ok) << added.message;
  EXPECT_TRUE(fs::exists(home.Path() / "custombg" / "Logo.Card.PNG"));

  // The next start finds it first, with the stored offset.
  BackgroundTable restarted;
  ReadBGFileIn(restarted, home.Path());
  EXPECT_EQ(NameText(restarted.Record(0).name), "Logo.Card");
  EXPECT_EQ(restarted.HueOffset(0), Offset(0.0f));
}

TEST(AddCustomBackground, RefusesWhatCannotBeABackgroundAndSaysWhy) {
  struct Case {
    const char* file;
    bool present;
    bool keptInFolder;  // the import copies first; only a picture that does not decode goes again
    const char* says;
  };
  const Case cases[] = {
      {"notes.txt", true, true, "not a kind of picture"},
      {"Drawing.PSD", true, true, "not a kind of picture"},
      {"README", true, false, "no extension"},
      {"broken.png", true, false, "could not be read as a picture"},
      {"missing.png", false, false, "was not found"},
  };
  for (const Case& c : cases) {
    TempFolder home, elsewhere;
    BackgroundTable table;
    if (c.present) test::WriteFileBytes(elsewhere.Path() / c.file, {1, 2, 3});
    const AddBackgroundResult added =
        AddCustomBackground(table, elsewhere.Path() / c.file, home.Path());
    EXPECT_FALSE(added.ok) << c.file;
    EXPECT_NE(added.message.find(c.says), std::string::npos) << c.file << ": " << added.message;
    EXPECT_EQ(table.Count(), 0) << c.file;
    EXPECT_EQ(fs::exists(home.Path() / "custombg" / c.file), c.keptInFolder) << c.file;
  }
}

TEST(AddCustomBackground, AFolderThatCannotBeWrittenIsNamedAndNothingChanges) {
  if (::geteuid() == 0) GTEST_SKIP() << "the superuser writes to read-only folders";
  TempFolder home, elsewhere;
  SaveSolid(elsewhere.Path() / "photo.png", kFormatPng, 0, 255, 0);
  for (const bool folderExists : {false, true}) {
    if (folderExists) fs::create_directory(home.Path() / "custombg");
    const fs::path locked = folderExists ? home.Path() / "custombg" : home.Path();
    fs::permissions(locked, fs::perms::owner_write, fs::perm_options::remove);
    BackgroundTable table;
    const AddBackgroundResult added =
        AddCustomBackground(table, elsewhere.Path() / "photo.png", home.Path());
    fs::permissions(locked, fs::perms::owner_write, fs::perm_options::add);
    EXPECT_FALSE(added.ok);
    EXPECT_NE(added.message.find((home.Path() / "custombg").string() + ", beside the program"),
              std::string::npos)
        << added.message;
    EXPECT_EQ(table.Count(), 0);
    EXPECT_TRUE(fs::exists(elsewhere.Path() / "photo.png"));
  }
}

TEST(BackgroundTable, LookupFindsTheLowerOfTwoEqualNamesAndZeroForUnknown) {
  BackgroundTable table;
  table.Append(MakeBackgroundName("one"), RasterImage(), 0.0f);
  table.Append(MakeBackgroundName("two"), RasterImage(), 0.0f);
  table.Append(MakeBackgroundName("two"), RasterImage(), 0.0f);
  EXPECT_EQ(table.LookupByName(MakeBackgroundName("two")), 1);
  EXPECT_EQ(table.LookupByName(MakeBackgroundName("Two")), 0);
  BackgroundName trailing = MakeBackgroundName("two");
  trailing[10] = 'x';  // bytes after the terminating zero count too
  EXPECT_EQ(table.LookupByName(trailing), 0);
  EXPECT_EQ(CustomBackgroundFormat("JPEG"), kFormatJpeg);
  EXPECT_EQ(CustomBackgroundFormat("Tif"), kFormatTiff);
  EXPECT_EQ(CustomBackgroundFormat("tiff"), kFormatUnknown);
  EXPECT_EQ(CustomBackgroundFormat("hue"), kFormatUnknown);
}

}  // namespace
}  // namespace tavolo
