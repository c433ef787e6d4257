// Image export: what each format's file holds after the card is written.
#include <gtest/gtest.h>

#include <set>

#include "core/card/CardRenderer.h"
#include "core/io/ExportFormats.h"
#include "core/io/ImageExport.h"
#include "tests/core/TestFolders.h"
#include "tests/core/card/RenderTestSupport.h"

namespace tavolo {
namespace {

using test::ReportRecorder;

// A card of 200 flat colour blocks (fewer than 256 colours).
QImage BlockCard() {
  QImage card(200, 120, QImage::Format_RGB32);
  for (int y = 0; y < card.height(); ++y) {
    for (int x = 0; x < card.width(); ++x) {
      const int block = (y / 12) * 20 + x / 10;
      const uint32_t c = (static_cast<uint32_t>(block * 37 % 256) << 16) |
                         (static_cast<uint32_t>(block * 11 % 256) << 8) |
                         static_cast<uint32_t>(255 - block);
      reinterpret_cast<uint32_t*>(card.scanLine(y))[x] = c;
    }
  }
  return card;
}

struct ExportFolder {
  test::TempFolder dir;
  const std::filesystem::path& path = dir.Path();
};

using test::ReadFileBytes;

TEST(ImageExport, GifOfFewColoursKeepsEveryColour) {
  ExportFolder folder;
  const QImage card = BlockCard();
  const auto file = folder.path / "card.gif";
  const ExportResult result = WriteExportImage(card, file, kFormatGif, kNoQuality, 300);
  ASSERT_TRUE(result.ok) << result.message;
  const RasterImage back(file, kFormatUnknown);
  ASSERT_TRUE(back.IsValid()) << back.GetLastError();
  EXPECT_EQ(back.GetType(), kFormatGif);
  ASSERT_EQ(back.GetWidth(), 200u);
  for (int y = 0; y < card.height(); ++y) {
    for (int x = 0; x < card.width(); ++x) {
      const RgbQuad q = back.GetPixelColor(x, card.height() - 1 - y);
      const uint32_t got = (uint32_t{q.red} << 16) | (uint32_t{q.green} << 8) | q.blue;
      ASSERT_EQ(got, test::Rgb(card, x, y)) << x << "," << y;
    }
  }
  EXPECT_EQ(back.GetXDpi(), 0);  // GIF carries no resolution
}

TEST(ImageExport, EveryOtherFormatCarriesTheDpi) {
  ExportFolder folder;
  const QImage card = BlockCard();
  for (const char* ext : {"bmp", "png", "jpg", "tif", "pcx"}) {
    const auto file = folder.path / (std::string("card.") + ext);
    const int format = *ExportFormatForExtension(ext);
    const ExportResult result = WriteExportImage(card, file, format, 90, 254);
    ASSERT_TRUE(result.ok) << ext << ": " << result.message;
    const RasterImage back(file, format);
    ASSERT_TRUE(back.IsValid()) << ext << ": " << back.GetLastError();
    EXPECT_EQ(back.GetType(), format) << ext;
    EXPECT_EQ(back.GetWidth(), 200u) << ext;
    EXPECT_EQ(back.GetXDpi(), 254) << ext;
    EXPECT_EQ(back.GetYDpi(), 254) << ext;
  }
  // TGA has no resolution field; the picture itself must survive.
  const auto tga = folder.path / "card.tga";
  ASSERT_TRUE(WriteExportImage(card, tga, kFormatTga, kNoQuality, 254).ok);
  const RasterImage back(tga, kFormatTga);
  ASSERT_TRUE(back.IsValid());
  const RgbQuad q = back.GetPixelColor(15, 119);  // top row, second block
  EXPECT_EQ((uint32_t{q.red} << 16) | (uint32_t{q.green} << 8) | q.blue, test::Rgb(card, 15, 0));
}

TEST(ImageExport, QualityKeepsItsLowEightBits) {
  ExportFolder folder;
  const QImage card = BlockCard();
  ASSERT_TRUE(WriteExportImage(card, folder.path / "a.jpg", kFormatJpeg, 100, 300).ok);
  ASSERT_TRUE(WriteExportImage(card, folder.path / "b.jpg", kFormatJpeg, 356, 300).ok);
  ASSERT_TRUE(WriteExportImage(card, folder.path / "c.jpg", kFormatJpeg, 10, 300).ok);
  EXPECT_EQ(ReadFileBytes(folder.path / "a.jpg"), ReadFileBytes(folder.path / "b.jpg"));
  EXPECT_LT(ReadFileBytes(folder.path / "c.jpg").size(),
            ReadFileBytes(folder.path / "a.jpg").size());
}

TEST(ImageExport, NoFormatSavesNothing) {
  ExportFolder folder;
  EXPECT_TRUE(WriteExportImage(BlockCard(), folder.path / "x.png", kNoFormat, kNoQuality, 300).ok);
  EXPECT_FALSE(std::filesystem::exists(folder.path / "x.png"));
}

TEST(ImageExport, FailedSaveIsReportedAndReturned) {
  ReportRecorder recorder;
  const ExportResult result =
      WriteExportImage(BlockCard(), "/nonexistent-folder/card.png", kFormatPng, kNoQuality, 300);
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.message.find("/nonexistent-folder/card.png"), std::string::npos);
  EXPECT_TRUE(recorder.Saw("ci.Save( fname,imt) !=0"));
  EXPECT_FALSE(WriteExportImage(QImage(), "/tmp/never.png", kFormatPng, kNoQuality, 300).ok);
}

TEST(ImageExport, FailedSaveOffTheInterfaceThreadIsOnlyReturned) {
  ReportRecorder recorder;
  const ExportResult result =
      WriteExportImage(BlockCard(), "/nonexistent-folder/card.png", kFormatPng, kNoQuality, 300,
                       ExportReporting::kResultOnly);
  EXPECT_FALSE(result.ok);
  EXPECT_TRUE(recorder.Reports().empty());
}

TEST(ExportFormats, QualityFiltersAndExtensions) {
  int withQuality = 0;
  for (const ExportFormatInfo& info : kExportFormats) {
    EXPECT_EQ(info.takesQuality, info.format == kFormatJpeg || info.format == kFormatTiff);
    withQuality += info.takesQuality ? 1 : 0;
    // The extension added to a bare name is one the format's filter shows.
    EXPECT_TRUE(QString::fromLatin1(info.filter).contains(QStringLiteral("*.") + info.extension))
        << info.label;
    EXPECT_EQ(ExportFormatForExtension(info.extension), info.format) << info.label;
  }
  EXPECT_EQ(withQuality, 2);
  EXPECT_STREQ(ExportFormatOf(kFormatJpeg).filter, "jpeg files (*.jpeg *.jpg)");
  EXPECT_EQ(ExportFormatOf(12345).format, kDefaultExportFormat);

  EXPECT_EQ(WithExportExtension("/tmp/card", kFormatPng), "/tmp/card.png");
  EXPECT_EQ(WithExportExtension("/tmp/card", kFormatJpeg), "/tmp/card.jpg");
  EXPECT_EQ(WithExportExtension("/tmp/card.jpeg", kFormatJpeg), "/tmp/card.jpeg");
  EXPECT_EQ(WithExportExtension("/tmp/my.card.tif", kFormatTiff), "/tmp/my.card.tif");
  EXPECT_EQ(WithExportExtension("", kFormatPng), "");
}

TEST(ImageExport, FormatFromExtension) {
  EXPECT_EQ(ExportFormatForExtension(".JPEG"), kFormatJpeg);
  EXPECT_EQ(ExportFormatForExtension("jpg"), kFormatJpeg);
  EXPECT_EQ(ExportFormatForExtension("TIFF"), kFormatTiff);
  EXPECT_EQ(ExportFormatForExtension("tif"), kFormatTiff);
  EXPECT_EQ(ExportFormatForExtension("pcx"), kFormatPcx);
  EXPECT_EQ(ExportFormatForExtension("tga"), kFormatTga);
  EXPECT_EQ(ExportFormatForExtension("bmp"), kFormatBmp);
  EXPECT_EQ(ExportFormatForExtension("gif"), kFormatGif);
  EXPECT_EQ(ExportFormatForExtension("png"), kFormatPng);
  EXPECT_FALSE(ExportFormatForExtension("webp").has_value());
  EXPECT_FALSE(ExportFormatForExtension("").has_value());
}

TEST(ImageExport, CardIsExportedAtItsFullSize) {
  test::EnsureGuiApplication();
  ExportFolder folder;
  CardRenderer renderer(nullptr, folder.path);
  CardState card;
  card.boxCount = 3;
  card.cardWidth = 700.0f;
  card.cardHeight = 400.0f;
  card.dpi = 150;
  const auto file = folder.path / "card.png";
  ASSERT_TRUE(ExportCard(renderer, card, CardLines(card), file, kFormatPng, kNoQuality).ok);
  const RasterImage back(file, kFormatPng);
  EXPECT_EQ(back.GetWidth(), 700u);
  EXPECT_EQ(back.GetHeight(), 400u);
  EXPECT_EQ(back.GetXDpi(), 150);
}

}  // namespace
}  // namespace tavolo
