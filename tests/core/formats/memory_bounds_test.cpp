#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "core/card/CardLimits.h"
#include "core/formats/ImageExport.h"
#include "core/formats/ProjectFile.h"
#include "core/library/BackgroundLibrary.h"
#include "core/library/BackgroundLibraryFile.h"
#include "core/render/CardRenderer.h"
#include "tests/core/TestFolders.h"
#include "tests/core/formats/ProjectSamples.h"
#include "tests/core/render/RenderTestSupport.h"

namespace tavolo {
namespace {

namespace fs = std::filesystem;

using test::TempFolder;

// A JPEG of 16 x 16 pixels whose frame header declares side x side: a few hundred bytes that
// would decode to gigabytes.
std::vector<uint8_t> JpegHeaderBomb(uint16_t side) {
  RasterImage small;
  small.Create(16, 16, 24, kFormatUnknown);
  std::vector<uint8_t> bytes;
  EXPECT_TRUE(small.Encode(bytes, kFormatJpeg));
  const std::vector<uint8_t> sof = {0xFF, 0xC0};
  const auto at = std::search(bytes.begin(), bytes.end(), sof.begin(), sof.end());
  EXPECT_NE(at, bytes.end());
  const auto frame = static_cast<size_t>(at - bytes.begin());
  for (const size_t offset : {frame + 5, frame + 7}) {
    bytes[offset] = static_cast<uint8_t>(side >> 8);
    bytes[offset + 1] = static_cast<uint8_t>(side);
  }
  return bytes;
}

const std::string kTooLarge = "Image too large: at most 32768 pixels a side and 64 megapixels";

TEST(MemoryBounds, APictureForTheCardOfMoreThan64MegapixelsIsRefusedAsTooLarge) {
  test::EnsureGuiApplication();
  TempFolder home;
  const std::vector<uint8_t> bomb = JpegHeaderBomb(16384);
  fs::create_directories(home / "custombg");
  fs::create_directories(home / "customphotos");
  ASSERT_TRUE(test::WriteFileBytes(home / "custombg" / "bomb.jpg", bomb));
  ASSERT_TRUE(test::WriteFileBytes(home / "custombg" / "bomb.hue", {0, 0, 0, 0}));
  ASSERT_TRUE(test::WriteFileBytes(home / "customphotos" / "bomb.jpg", bomb));
  ASSERT_TRUE(test::WriteFileBytes(home / "import.jpg", bomb));
  const std::vector<LibraryEntry> library = {{MakeBackgroundName("bomb"), 0.0f, bomb}};
  ASSERT_TRUE(WriteBackgroundLibrary(home / "fl1.tmp", library));

  // Each use, and how it loads the bomb: the message the loader leaves.
  const std::pair<const char*, std::function<std::string()>> cases[] = {
      {"a picture loaded for the card, by its format or by detection",
       [&] {
         const RasterImage jpeg(home / "import.jpg", kFormatJpeg, kMaxCardPicturePixels);
         const RasterImage detected(home / "import.jpg", kFormatUnknown, kMaxCardPicturePixels);
         EXPECT_EQ(jpeg.GetLastError(), detected.GetLastError());
         return detected.GetLastError();
       }},
      {"imported background and library record",
       [&] {
         BackgroundTable table;
         EXPECT_TRUE(ReadBGFileIn(table, home.Path()).Ok());
         EXPECT_EQ(table.Count(), 2);  // each keeps its number, with no picture
         EXPECT_FALSE(table.Image(0)->IsValid());
         EXPECT_FALSE(table.Image(1)->IsValid());
         EXPECT_EQ(table.Image(1)->GetLastError(), table.Image(0)->GetLastError());
         return table.Image(0)->GetLastError();
       }},
      {"Import Background",
       [&] {
         BackgroundTable table;
         const Outcome<int> added = AddCustomBackground(table, home / "import.jpg", home.Path());
         EXPECT_FALSE(added.Ok());
         return added.Message();
       }},
      {"photo and logo",
       [&] {
         CardState card;
         card.boxCount = 3;
         card.photo.name = card.logo.name = QStringLiteral("bomb.jpg");
         CardRenderer renderer(nullptr, home / "customphotos");
         const QImage drawn = renderer.Render(card, 6, 177, 102);
         EXPECT_EQ(test::Rgb(drawn, 83, 50), 0xFFFFFFu);  // nothing drawn where they would be
         EXPECT_EQ(renderer.LoadError(PictureKind::kLogo), renderer.LoadError(PictureKind::kPhoto));
         return renderer.LoadError(PictureKind::kPhoto);
       }},
  };
  for (const auto& [use, load] : cases) {
    const std::string message = load();
    EXPECT_NE(message.find(kTooLarge), std::string::npos) << use;
    EXPECT_EQ(message.find("Unknown or wrong format"), std::string::npos) << use;
  }
  // The limit is the card's; other pictures keep the image layer's own.
  EXPECT_EQ(RasterImage().GetMaxPixels(), kMaxImagePixels);
}

TEST(MemoryBounds, ACardTooLargeToDrawIsRefusedWhereItIsReadAndWhereItIsExported) {
  test::EnsureGuiApplication();
  const BackgroundTable table = test::Table({"Linen"});
  for (const auto& [width, height] :
       {std::pair{16384.0f, 16384.0f}, {0.0f, 615.0f}, {1062.0f, -615.0f}}) {
    CardState huge;
    std::tie(huge.cardWidth, huge.cardHeight) = std::tuple(width, height);
    const std::string says = CardPixels(width, height).problem;
    ASSERT_FALSE(says.empty());

    CardState read;
    const ProjectReading result = ReadProject(SerializeProject(huge, table), read, table);
    EXPECT_STREQ(ReadingName(result), "file error");
    EXPECT_EQ(result.Message(), says);
    EXPECT_EQ(read.cardWidth, CardState().cardWidth);  // the refused size never reaches the card

    TempFolder dir;
    test::ReportRecorder reports;
    CardRenderer renderer(&table, dir.Path());
    const Outcome<> exported = ExportCard(renderer, huge, dir / "card.png", kFormatPng, kNoQuality);
    EXPECT_FALSE(exported.Ok());
    EXPECT_EQ(exported.Message(), "The card cannot be drawn: " + says + ".");
    EXPECT_TRUE(reports.Reports().empty());  // said plainly, not as a lack of memory
    EXPECT_FALSE(fs::exists(dir / "card.png"));
  }
}

}  // namespace
}  // namespace tavolo
