#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "core/base/ColourModel.h"
#include "core/library/BackgroundLibrary.h"
#include "core/library/BackgroundLibraryFile.h"
#include "core/storage/ByteReader.h"
#include "core/storage/ByteWriter.h"
#include "tests/core/TestFolders.h"
#include "tests/core/render/RenderTestSupport.h"

namespace tavolo {
namespace {

namespace fs = std::filesystem;

using test::TempFolder;

std::vector<uint8_t> HueBytes(float offset) {
  std::vector<uint8_t> bytes;
  ByteWriter(bytes).PutF32(offset);
  return bytes;
}

using test::TinyJpeg;

RasterImage SolidImage(uint8_t r, uint8_t g, uint8_t b, uint32_t w = 4, uint32_t h = 3) {
  return test::MakePicture(w, h,
                           [=](uint32_t, uint32_t) { return uint32_t{r} << 16 | g << 8 | b; });
}

void SaveSolid(const fs::path& path, uint8_t r, uint8_t g, uint8_t b) {
  RasterImage image = SolidImage(r, g, b);
  ASSERT_TRUE(image.Save(path, kFormatPng)) << path << ": " << image.GetLastError();
}

std::vector<LibraryEntry> Entries(int count) {
  std::vector<LibraryEntry> entries;
  for (int i = 0; i < count; ++i) {
    entries.push_back({MakeBackgroundName("Library " + std::to_string(i)), 10.0f * i, TinyJpeg()});
  }
  return entries;
}

float Offset(float hue) {
  return hue * kHueToOffset - 0.5f;
}

float OffsetOf(const BackgroundTable& table, std::string_view title) {
  return table.HueOffset(table.LookupByName(MakeBackgroundName(title)));
}

// A program folder with an (empty) custombg and a library of `libraryCount` records.
struct Home {
  TempFolder dir;
  fs::path custom = dir / "custombg";
  explicit Home(int libraryCount) {
    fs::create_directories(custom);
    EXPECT_TRUE(WriteBackgroundLibrary(dir / "fl1.tmp", Entries(libraryCount)));
  }
};

// The key is part of the format: files written by earlier versions must still read. It is added
// from the first byte on, modulo 256, and starts again after its seventeenth byte.
TEST(LibraryFile, ScramblingAddsTheKey) {
  std::vector<uint8_t> data(18, 0);
  data[17] = 0xFF;
  Scramble(data);
  EXPECT_EQ(std::string(data.begin(), data.end() - 1), "Kq7=vR2tWn+8dYpLm");
  EXPECT_EQ(data[17], static_cast<uint8_t>('K' - 1));
}

TEST(LibraryFile, WrittenRecordsLieAtTheDocumentedOffsets) {
  std::vector<LibraryEntry> entries = Entries(3);
  entries[1].jpeg.resize(5);  // records of different lengths
  entries[2].name = MakeBackgroundName("exactly-twenty-bytes");
  std::vector<uint8_t> bytes = SerializeBackgroundLibrary(entries);
  Descramble(bytes);
  ByteReader in(bytes);
  in.Skip(4);
  EXPECT_EQ(in.U32(), 3u);
  EXPECT_EQ(in.U32(), entries[0].jpeg.size());
  EXPECT_EQ(in.F32(), 0.0f);
  ASSERT_TRUE(in.ok());
  EXPECT_EQ(std::memcmp(bytes.data() + 16, entries[0].name.data(), 20), 0);
  EXPECT_EQ(bytes.size(), 8 + 3 * 28 + 2 * entries[0].jpeg.size() + 5);
}

TEST(LibraryFile, TruncationsLengthsPastTheEndAndHugeCountsKeepTheCompleteRecordsBefore) {
  std::vector<uint8_t> bytes = SerializeBackgroundLibrary(Entries(3));
  Descramble(bytes);
  const size_t recordBytes = 28 + TinyJpeg().size();
  for (size_t length = 0; length < bytes.size(); ++length) {
    const ParsedLibrary parsed =
        ParseBackgroundLibrary(std::span<const uint8_t>(bytes.data(), length));
    EXPECT_TRUE(parsed.truncated) << length;
    EXPECT_EQ(parsed.records.size(), length < 8 ? 0 : (length - 8) / recordBytes) << length;
  }
  bytes[8 + recordBytes + 3] = 0x7F;  // the second record claims about 2 GB
  ParsedLibrary parsed = ParseBackgroundLibrary(bytes);
  EXPECT_TRUE(parsed.truncated);
  EXPECT_EQ(parsed.records.size(), 1u);

  parsed = ParseBackgroundLibrary(std::vector<uint8_t>{0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF});
  EXPECT_EQ(parsed.declaredCount, 0xFFFFFFFFu);
  EXPECT_TRUE(parsed.truncated);
  EXPECT_TRUE(parsed.records.empty());
}

TEST(MeanHue, AveragesTheSwappedChannelsHuesOverEveryPixelWithNearGreyAsGrey) {
  RasterImage oneGreen = SolidImage(0, 0, 255, 2, 2);  // hue 0
  oneGreen.SetPixelColour(0, 0, {0, 255, 0, 0});       // one green pixel, hue 80
  RasterImage palette;
  ASSERT_TRUE(palette.Create(2, 2, 8, kFormatBmp));
  palette.Palette()[1] = {0, 255, 0, 0};  // green
  palette.Palette()[2] = {255, 0, 0, 0};  // blue
  palette.SetPixelIndex(0, 0, 1);
  palette.SetPixelIndex(1, 0, 1);
  palette.SetPixelIndex(0, 1, 2);
  palette.SetPixelIndex(1, 1, 0);  // black: grey, 160
  const std::tuple<const char*, RasterImage, float> cases[] = {
      // Blue takes the red place, so the channels swap hues.
      {"blue, handed over as red", SolidImage(0, 0, 255), 0.0f},
      {"red, handed over as blue", SolidImage(255, 0, 0), 160.0f},
      // Channels within a tenth of each other on the unit scale are grey.
      {"tinted, 100 to 120", SolidImage(100, 110, 120), 160.0f},
      {"one green pixel of four", oneGreen, 20.0f},
      {"palette", palette, (80.0f + 80.0f + 0.0f + 160.0f) / 4.0f},
      {"no picture", RasterImage(), 0.0f},
  };
  for (const auto& [what, image, hue] : cases) EXPECT_EQ(MeanHue(image), hue) << what;
}

TEST(ReadBGFile, CustomBackgroundsComeFirstInDirectoryOrderThenTheLibrary) {
  Home home(2);
  const fs::path& custom = home.custom;
  SaveSolid(custom / "PHOTO.JPG.png", 1, 2, 3);
  SaveSolid(custom / "abcdefghijklmnopqrstuvwxyz.PnG", 0, 0, 255);
  test::WriteFileBytes(custom / "PHOTO.JPG", TinyJpeg());
  test::WriteFileBytes(custom / "notes.txt", {1, 2, 3});
  test::WriteFileBytes(custom / "scan.tiff", {1, 2, 3});
  fs::create_directories(custom / "folder.png");
  // The companion goes by the name less its last extension.
  test::WriteFileBytes(custom / "PHOTO.hue", HueBytes(0.125f));
  test::WriteFileBytes(custom / "PHOTO.JPG.hue", HueBytes(0.375f));
  test::WriteFileBytes(custom / "abcdefghijklmnopqrstuvwxyz.hue", HueBytes(0.5f));

  std::vector<std::string> expected;
  for (const auto& entry : fs::directory_iterator(custom)) {
    const std::string name = entry.path().filename().string();
    if (name == "PHOTO.JPG") expected.push_back("PHOTO");
    if (name == "PHOTO.JPG.png") expected.push_back("PHOTO.JPG");
    if (name.starts_with("abc") && !name.ends_with(".hue"))
      expected.push_back("abcdefghijklmnopqrst");
  }
  BackgroundTable table;
  const BackgroundLoading result = ReadBGFileIn(table, home.dir.Path());
  ASSERT_TRUE(result.Ok()) << result.Message();
  EXPECT_EQ(result.Value().customCount, 3);
  EXPECT_EQ(result.Value().libraryCount, 2);
  ASSERT_EQ(table.Count(), 5);
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(table.Record(k).name,
              MakeBackgroundName(k < 3 ? expected[k] : "Library " + std::to_string(k - 3)));
    EXPECT_EQ(table.Record(k).n, k);
    EXPECT_TRUE(table.Image(k)->IsValid()) << k;
  }
  EXPECT_EQ(table.HueOffset(4), Offset(10.0f));
  EXPECT_EQ(OffsetOf(table, "PHOTO"), 0.125f);
  EXPECT_EQ(OffsetOf(table, "PHOTO.JPG"), 0.375f);
  EXPECT_EQ(OffsetOf(table, "abcdefghijklmnopqrst"), 0.5f);  // 20 bytes, no terminating zero
}

TEST(ReadBGFile, CustomImageWithoutCompanionIsMeasuredAndTheCompanionWrittenUnlessOnlyReading) {
  for (const HueCompanions companions :
       {HueCompanions::kWriteMissing, HueCompanions::kMeasureOnly}) {
    const bool writes = companions == HueCompanions::kWriteMissing;
    SCOPED_TRACE(writes ? "writing" : "measuring only");
    Home home(1);
    SaveSolid(home.custom / "first.png", 0, 255, 0);   // no companion
    SaveSolid(home.custom / "second.png", 0, 0, 255);  // companion too short
    test::WriteFileBytes(home.custom / "second.hue", {1, 2});
    SaveSolid(home.custom / "third.png", 0, 0, 255);  // companion longer than 4 bytes
    std::vector<uint8_t> longer = HueBytes(0.25f);
    longer.insert(longer.end(), {0xCD, 0xAB});
    test::WriteFileBytes(home.custom / "third.hue", longer);

    BackgroundTable table;
    EXPECT_TRUE(ReadBGFileIn(table, home.dir.Path(), "fl1.tmp", companions).Ok());
    ASSERT_EQ(table.Count(), 4);  // reading went on past all three and into the library
    EXPECT_EQ(OffsetOf(table, "first"), Offset(80.0f));
    EXPECT_EQ(OffsetOf(table, "second"), Offset(0.0f));
    EXPECT_EQ(OffsetOf(table, "third"), 0.25f);
    EXPECT_EQ(test::ReadFileBytes(home.custom / "third.hue"), longer);  // read from its start
    EXPECT_EQ(test::ReadFileBytes(home.custom / "second.hue").size(), writes ? 4u : 2u);
    EXPECT_EQ(test::ReadFileBytes(home.custom / "first.hue"),
              writes ? HueBytes(Offset(80.0f)) : std::vector<uint8_t>{});
    EXPECT_EQ(fs::exists(home.custom / "first.hue"), writes);
  }
}

// Loading decodes only the imported pictures it must measure; the check decodes every one.
TEST(ReadBGFile, PicturesThatDoNotDecodeAndAnEmptyLibraryAreReported) {
  std::vector<LibraryEntry> oneBroken = Entries(3);
  oneBroken[1].jpeg = {0xFF, 0xD8, 0xFF, 0x00};
  // junkCompanion null: no junk picture; "": junk without a companion
  // loadWarning: a part of the only warning of loading; null for none
  // checkWarning: a part of the only message of the check; null for none
  const std::tuple<const char*, std::vector<LibraryEntry>, const char*, const char*, const char*>
      cases[] = {
          {"a sound library", Entries(2), nullptr, nullptr, nullptr},
          {"a library without backgrounds", {}, nullptr, "fl1.tmp holds no backgrounds.", nullptr},
          {"a record that does not decode", oneBroken, nullptr, nullptr,
           "1 of the 3 backgrounds of the library "},
          {"an imported picture that does not decode", Entries(1), "",
           "junk.png could not be read as a picture: Decode: Unknown or wrong format",
           "junk.png could not be read as a picture: Decode: Unknown or wrong format"},
          {"the same with its companion", Entries(1), "junk.hue", nullptr,
           "junk.png could not be read as a picture: Decode: Unknown or wrong format"},
      };
  for (const auto& [what, library, junkCompanion, loadWarning, checkWarning] : cases) {
    TempFolder home;
    ASSERT_TRUE(WriteBackgroundLibrary(home / "fl1.tmp", library));
    if (junkCompanion) {
      fs::create_directories(home / "custombg");
      test::WriteFileBytes(home / "custombg" / "junk.png", {1, 2, 3});
      if (*junkCompanion) test::WriteFileBytes(home / "custombg" / junkCompanion, HueBytes(0));
    }
    BackgroundTable table;
    const BackgroundLoading result = ReadBGFileIn(table, home.Path());
    ASSERT_TRUE(result.Ok()) << what;  // reported, not refused: every number stays
    EXPECT_EQ(table.Count(), static_cast<int>(library.size()) + (junkCompanion ? 1 : 0));
    for (const auto& [warnings, expected] : {std::pair{result.Value().warnings, loadWarning},
                                             std::pair{CheckBackgrounds(table), checkWarning}}) {
      ASSERT_EQ(warnings.size(), expected ? 1u : 0u) << what;
      if (expected) {
        EXPECT_NE(warnings[0].find(expected), std::string::npos) << what;
      }
    }
  }
}

TEST(ReadBGFile, AMissingOrDamagedLibraryKeepsWhatWasReadAndSaysSo) {
  TempFolder home;
  fs::create_directories(home / "custombg");
  SaveSolid(home / "custombg" / "mine.png", 10, 200, 30);
  BackgroundTable table;
  BackgroundLoading result = ReadBGFileIn(table, home.Path());
  ASSERT_FALSE(result.Ok());
  EXPECT_EQ(result.Fault().kind, BackgroundLoadFault::kLibraryMissing);
  EXPECT_EQ(result.Fault().loaded.customCount, 1);
  EXPECT_NE(result.Message().find("fl1.tmp"), std::string::npos);
  EXPECT_EQ(table.Count(), 1);

  std::vector<uint8_t> bytes = SerializeBackgroundLibrary(Entries(3));
  bytes.resize(bytes.size() - 10);
  test::WriteFileBytes(home / "fl1.tmp", bytes);
  BackgroundTable damaged;
  result = ReadBGFileIn(damaged, home.Path());
  ASSERT_FALSE(result.Ok());
  EXPECT_EQ(result.Fault().kind, BackgroundLoadFault::kLibraryTruncated);
  EXPECT_EQ(damaged.Count(), 3);  // the custom one and the two whole records
  EXPECT_FALSE(result.Message().empty());
}

TEST(ReadBGFile, MoreThan999BackgroundsStopAt999) {
  Home home(0);
  SaveSolid(home.custom / "mine.png", 10, 200, 30);
  std::vector<LibraryEntry> entries(kMaxBackgrounds);
  for (size_t i = 0; i < entries.size(); ++i)
    entries[i].name = MakeBackgroundName(std::to_string(i));
  ASSERT_TRUE(WriteBackgroundLibrary(home.dir / "fl1.tmp", entries));
  BackgroundTable table;
  const BackgroundLoading result = ReadBGFileIn(table, home.dir.Path());
  ASSERT_TRUE(result.Ok());
  EXPECT_TRUE(result.Value().tableFull);
  EXPECT_EQ(table.Count(), kMaxBackgrounds);
  EXPECT_EQ(table.Record(998).name, MakeBackgroundName("997"));

  // The imported pictures alone can fill the table too (each with its hue, so none is decoded).
  Home crowded(0);
  SaveSolid(crowded.custom / "0.png", 10, 200, 30);
  for (int i = 0; i <= kMaxBackgrounds; ++i) {
    if (i > 0)
      fs::copy_file(crowded.custom / "0.png", crowded.custom / (std::to_string(i) + ".png"));
    test::WriteFileBytes(crowded.custom / (std::to_string(i) + ".hue"), {0, 0, 0, 0});
  }
  BackgroundTable full;
  EXPECT_TRUE(LoadedOf(ReadBGFileIn(full, crowded.dir.Path())).tableFull);
  EXPECT_EQ(full.Count(), kMaxBackgrounds);
}

TEST(AddCustomBackground, CopiesMeasuresWritesTheCompanionAndAppends) {
  Home home(2);
  TempFolder elsewhere;
  BackgroundTable table;
  ASSERT_TRUE(ReadBGFileIn(table, home.dir.Path()));
  SaveSolid(elsewhere / "Logo.Card.PNG", 0, 255, 0);

  Outcome<int> added = AddCustomBackground(table, elsewhere / "Logo.Card.PNG", home.dir.Path());
  ASSERT_TRUE(added.Ok()) << added.Message();
  EXPECT_EQ(added.Value(), 2);
  EXPECT_EQ(table.Count(), 3);
  EXPECT_EQ(table.Record(2).n, 2);
  EXPECT_EQ(table.Record(2).name, MakeBackgroundName("Logo.Card"));
  EXPECT_EQ(table.HueOffset(2), Offset(80.0f));
  EXPECT_EQ(test::ReadFileBytes(home.custom / "Logo.Card.hue").size(), 4u);

  // Importing again overwrites the copy; importing the copy itself works too.
  SaveSolid(elsewhere / "Logo.Card.PNG", 0, 0, 255);
  ASSERT_TRUE(AddCustomBackground(table, elsewhere / "Logo.Card.PNG", home.dir.Path()).Ok());
  EXPECT_EQ(table.HueOffset(3), Offset(0.0f));
  added = AddCustomBackground(table, home.custom / "Logo.Card.PNG", home.dir.Path());
  ASSERT_TRUE(added.Ok()) << added.Message();
  EXPECT_TRUE(fs::exists(home.custom / "Logo.Card.PNG"));
}

TEST(AddCustomBackground, RefusesWhatCannotBeABackgroundAndSaysWhy) {
  // keptInFolder: another kind is copied; a picture that does not decode never is
  const std::tuple<const char*, bool, bool, const char*> cases[] = {
      {"Drawing.PSD", true, true, "not a kind of picture"},
      {"README", true, false, "no extension"},
      {"broken.png", true, false, "could not be read as a picture"},
      {"missing.png", false, false, "was not found"},
  };
  for (const auto& [file, present, keptInFolder, says] : cases) {
    TempFolder home, elsewhere;
    BackgroundTable table;
    if (present) test::WriteFileBytes(elsewhere / file, {1, 2, 3});
    const Outcome<int> added = AddCustomBackground(table, elsewhere / file, home.Path());
    EXPECT_FALSE(added.Ok()) << file;
    EXPECT_NE(added.Message().find(says), std::string::npos) << file << ": " << added.Message();
    EXPECT_EQ(table.Count(), 0) << file;
    EXPECT_EQ(fs::exists(home / "custombg" / file), keptInFolder) << file;
  }
}

TEST(AddCustomBackground, AFailedImportKeepsTheEarlierBackgroundOfThatName) {
  Home home(0);
  TempFolder elsewhere;
  SaveSolid(home.custom / "mine.png", 10, 200, 30);
  test::WriteFileBytes(home.custom / "mine.hue", HueBytes(0.25f));
  const std::vector<uint8_t> earlier = test::ReadFileBytes(home.custom / "mine.png");
  test::WriteFileBytes(elsewhere / "mine.png", {0x89, 'P', 'N', 'G', 1, 2, 3});
  BackgroundTable table;
  const Outcome<int> added = AddCustomBackground(table, elsewhere / "mine.png", home.dir.Path());
  EXPECT_FALSE(added.Ok());
  EXPECT_EQ(test::ReadFileBytes(home.custom / "mine.png"), earlier);
  EXPECT_EQ(test::ReadFileBytes(home.custom / "mine.hue"), HueBytes(0.25f));
}

TEST(AddCustomBackground, AFolderThatCannotBeWrittenIsNamedAndNothingChanges) {
  if (::geteuid() == 0) GTEST_SKIP() << "the superuser writes to read-only folders";
  TempFolder home, elsewhere;
  SaveSolid(elsewhere / "photo.png", 0, 255, 0);
  for (const bool folderExists : {false, true}) {
    if (folderExists) fs::create_directory(home / "custombg");
    const fs::path locked = folderExists ? home / "custombg" : home.Path();
    fs::permissions(locked, fs::perms::owner_write, fs::perm_options::remove);
    BackgroundTable table;
    const Outcome<int> added = AddCustomBackground(table, elsewhere / "photo.png", home.Path());
    fs::permissions(locked, fs::perms::owner_write, fs::perm_options::add);
    EXPECT_FALSE(added.Ok());
    EXPECT_NE(added.Message().find((home / "custombg").string() + ", beside the program"),
              std::string::npos)
        << added.Message();
    EXPECT_EQ(table.Count(), 0);
  }
}

TEST(BackgroundTable, PicturesAreDecodedWhenAskedForAndTheCacheStaysWithinItsBudget) {
  Home home(40);
  BackgroundTable table;
  ASSERT_TRUE(ReadBGFileIn(table, home.dir.Path()).Ok());
  const std::shared_ptr<const RasterImage> first = table.Image(0);
  ASSERT_TRUE(first->IsValid());
  EXPECT_EQ(table.Image(0), first);  // kept: the same picture, not a second decode

  int decodes = 0;
  DecodedPictureCache cache(3 * sizeof(RasterImage) + 3 * first->GetStride() * first->GetHeight());
  const auto decode = [&] {
    ++decodes;
    return *first;
  };
  for (int number = 0; number < 40; ++number) cache.Get(number, decode);
  EXPECT_EQ(decodes, 40);
  EXPECT_EQ(cache.HeldCount(), 3u);
  cache.Get(39, decode);  // the most recent ones stay
  cache.Get(37, decode);
  EXPECT_EQ(decodes, 40);
  cache.Get(0, decode);
  cache.Get(38, decode);  // pushed out by 0, as the least recently used
  EXPECT_EQ(decodes, 42);
}

TEST(BackgroundTable, LookupFindsTheLowerOfTwoEqualNamesAndZeroForUnknown) {
  BackgroundTable table;
  for (const char* name : {"one", "two", "two"}) {
    table.Append(MakeBackgroundName(name), RasterImage(), 0.0f);
  }
  EXPECT_EQ(table.LookupByName(MakeBackgroundName("two")), 1);
  EXPECT_EQ(table.LookupByName(MakeBackgroundName("Two")), 0);
  BackgroundName trailing = MakeBackgroundName("two");
  trailing[10] = 'x';  // bytes after the terminating zero count too
  EXPECT_EQ(table.LookupByName(trailing), 0);
}

// The library file the build draws beside the executables, read as the program reads it, against
// the same file's records decoded one by one.
TEST(ShippedBackgrounds, AtLeastSixtyCardsWithReadableUniqueNamesAndTheirMeasuredHues) {
  const std::filesystem::path folder = TAVOLO_BIN_DIR;
  ASSERT_TRUE(std::filesystem::exists(folder / "fl1.tmp"))
      << "fl1.tmp is missing from " << folder << ": build the backgrounds target";
  BackgroundTable table;
  const BackgroundLoading loading = ReadBGFileIn(table, folder, "fl1.tmp");
  ASSERT_TRUE(loading.Ok()) << loading.Message();
  const BackgroundsLoaded& result = loading.Value();
  EXPECT_FALSE(result.tableFull);
  EXPECT_GE(result.libraryCount, 60);

  std::vector<uint8_t> bytes = test::ReadFileBytes(folder / "fl1.tmp");
  Descramble(bytes);
  const ParsedLibrary parsed = ParseBackgroundLibrary(bytes);
  ASSERT_EQ(static_cast<int>(parsed.records.size()), result.libraryCount);
  std::set<BackgroundName> seen;
  for (size_t i = 0; i < parsed.records.size(); ++i) {
    const int n = result.customCount + static_cast<int>(i);
    SCOPED_TRACE("background " + std::to_string(n));
    const BackgroundName& name = table.Record(n).name;
    EXPECT_EQ(name, parsed.records[i].name);
    const auto end = std::find(name.begin(), name.end(), uint8_t{0});
    EXPECT_NE(end, name.begin()) << "no name";
    EXPECT_TRUE(std::all_of(name.begin(), end, [](uint8_t c) { return c >= 0x20 && c < 0x7F; }));
    EXPECT_TRUE(std::all_of(end, name.end(), [](uint8_t c) { return c == 0; })) << "not padded";
    EXPECT_TRUE(seen.insert(name).second) << "a repeated name";

    // Pictures decoded on demand are those of the file decoded one by one.
    const RasterImage& image = *table.Image(n);
    ASSERT_TRUE(image.IsValid()) << image.GetLastError();
    EXPECT_EQ(std::pair(image.GetWidth(), image.GetHeight()), std::pair(1062u, 615u));
    const std::span<const uint8_t> jpeg =
        std::span(bytes).subspan(parsed.records[i].jpegOffset, parsed.records[i].jpegLength);
    const RasterImage alone(jpeg, kFormatJpeg);
    EXPECT_EQ(image.GetBpp(), alone.GetBpp());
    EXPECT_TRUE(std::ranges::equal(image.PixelData(), alone.PixelData()));
    const float offset = table.HueOffset(n);
    EXPECT_LE(std::abs(offset), 0.5f);
    // The stored hue is the one an import of the same picture would measure; measuring is slow
    // in sanitizer builds and a wrong generator is wrong for all, so a sample does.
    if (i % 7 == 0) {
      EXPECT_FLOAT_EQ(offset, MeanHue(image) * kHueToOffset - 0.5f);
    }
  }
}

}  // namespace
}  // namespace tavolo
