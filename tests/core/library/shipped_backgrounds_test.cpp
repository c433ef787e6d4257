#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "core/library/BackgroundLibrary.h"
#include "core/library/BackgroundLibraryFile.h"
#include "core/library/BackgroundTable.h"
#include "tests/core/TestFolders.h"

namespace tavolo {
namespace {

// The library file the build draws beside the executables, read as the program reads it, against
// the same file's records decoded one by one.
TEST(ShippedBackgrounds, AtLeastSixtyCardsWithReadableUniqueNamesAndTheirMeasuredHues) {
  const std::filesystem::path folder = TAVOLO_BIN_DIR;
  ASSERT_TRUE(std::filesystem::exists(folder / "fl1.tmp"))
      << "fl1.tmp is missing from " << folder << ": build the backgrounds target";
  BackgroundTable table;
  const BackgroundLoadResult result = ReadBGFileIn(table, folder, "fl1.tmp");
  EXPECT_TRUE(result.Ok()) << result.message;
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

    // Pictures decoded together are those of the file decoded one by one.
    const RasterImage& image = table.Image(n);
    ASSERT_TRUE(image.IsValid()) << image.GetLastError();
    EXPECT_EQ(image.GetWidth(), 1062u);
    EXPECT_EQ(image.GetHeight(), 615u);
    const RasterImage alone(parsed.records[i].jpeg, kFormatJpeg);
    EXPECT_EQ(image.GetBpp(), alone.GetBpp());
    EXPECT_TRUE(std::ranges::equal(image.PixelData(), alone.PixelData()));
    const float offset = table.HueOffset(n);
    EXPECT_GE(offset, -0.5f);
    EXPECT_LE(offset, 0.5f);
    // The stored hue is the one an import of the same picture would measure; measuring is slow
    // in sanitizer builds and a wrong generator is wrong for all, so a sample does.
    if (i % 7 == 0) {
      EXPECT_FLOAT_EQ(offset, MeanHue(image) * kHueToOffset - 0.5f);
    }
  }
}

}  // namespace
}  // namespace tavolo
