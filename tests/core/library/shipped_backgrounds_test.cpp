#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <set>

#include "core/library/BackgroundLibrary.h"
#include "core/library/BackgroundLibraryFile.h"
#include "core/library/BackgroundTable.h"
#include "tests/core/TestFolders.h"

namespace tavolo {
namespace {

// The library file the build draws beside the executables, read as the program reads it.
class ShippedBackgrounds : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const std::filesystem::path folder = TAVOLO_BIN_DIR;
    ASSERT_TRUE(std::filesystem::exists(folder / "fl1.tmp"))
        << "fl1.tmp is missing from " << folder << ": build the backgrounds target";
    table_ = std::make_unique<BackgroundTable>();
    result_ = ReadBGFileIn(*table_, folder, "fl1.tmp");
  }
  static void TearDownTestSuite() { table_.reset(); }
  static int First() { return result_.customCount; }
  static int End() { return result_.customCount + result_.libraryCount; }

  static inline std::unique_ptr<BackgroundTable> table_;
  static inline BackgroundLoadResult result_;
};

TEST_F(ShippedBackgrounds, LibraryReadsWholeWithAtLeastSixty) {
  ASSERT_NE(table_, nullptr);
  EXPECT_TRUE(result_.Ok()) << result_.message;
  EXPECT_FALSE(result_.tableFull);
  EXPECT_GE(result_.libraryCount, 60);
}

TEST_F(ShippedBackgrounds, EveryNameIsReadableAndUnique) {
  ASSERT_GT(End(), First());
  std::set<BackgroundName> seen;
  for (int n = First(); n < End(); ++n) {
    const BackgroundName& name = table_->Record(n).name;
    const auto end = std::find(name.begin(), name.end(), uint8_t{0});
    EXPECT_NE(end, name.begin()) << "background " << n << " has no name";
    EXPECT_TRUE(std::all_of(name.begin(), end, [](uint8_t c) { return c >= 0x20 && c < 0x7F; }))
        << "background " << n;
    EXPECT_TRUE(std::all_of(end, name.end(), [](uint8_t c) { return c == 0; }))
        << "background " << n << " is not zero-padded";
    EXPECT_TRUE(seen.insert(name).second) << "background " << n << " repeats a name";
  }
}

TEST_F(ShippedBackgrounds, EveryImageIsACardWithItsOwnMeasuredHue) {
  ASSERT_GT(End(), First());
  for (int n = First(); n < End(); ++n) {
    const RasterImage& image = table_->Image(n);
    ASSERT_TRUE(image.IsValid()) << "background " << n << ": " << image.GetLastError();
    EXPECT_EQ(image.GetWidth(), 1062u) << "background " << n;
    EXPECT_EQ(image.GetHeight(), 615u) << "background " << n;
    const float offset = table_->HueOffset(n);
    EXPECT_GE(offset, -0.5f) << "background " << n;
    EXPECT_LE(offset, 0.5f) << "background " << n;
    // The stored hue is the one an import of the same picture would measure; measuring is slow
    // in sanitizer builds and a wrong generator is wrong for all, so a sample does.
    if ((n - First()) % 7 == 0) {
      EXPECT_FLOAT_EQ(offset, MeanHue(image) * kHueToOffset - 0.5f) << "background " << n;
    }
  }
}

TEST_F(ShippedBackgrounds, PicturesDecodedTogetherAreThoseOfTheFileOneByOneInOrder) {
  std::vector<uint8_t> bytes =
      test::ReadFileBytes(std::filesystem::path(TAVOLO_BIN_DIR) / "fl1.tmp");
  Descramble(bytes);
  const ParsedLibrary parsed = ParseBackgroundLibrary(bytes);
  ASSERT_EQ(static_cast<int>(parsed.records.size()), End() - First());
  for (size_t i = 0; i < parsed.records.size(); ++i) {
    const int n = First() + static_cast<int>(i);
    const RasterImage alone(parsed.records[i].jpeg, kFormatJpeg);
    EXPECT_EQ(table_->Record(n).name, parsed.records[i].name) << "background " << n;
    EXPECT_EQ(table_->Image(n).GetBpp(), alone.GetBpp()) << "background " << n;
    EXPECT_TRUE(std::ranges::equal(table_->Image(n).PixelData(), alone.PixelData()))
        << "background " << n;
  }
}

}  // namespace
}  // namespace tavolo
