#include <gtest/gtest.h>

#include <tuple>

#include "core/formats/ExportFormats.h"
#include "core/formats/ImageExport.h"
#include "core/formats/ImageFileTypes.h"
#include "core/pictures/ImageBridge.h"
#include "core/render/CardRenderer.h"
#include "tests/core/TestFolders.h"
#include "tests/core/imaging/MagickInterop.h"
#include "tests/core/imaging/RunLengthPicture.h"
#include "tests/core/render/RenderTestSupport.h"

namespace tavolo {
namespace {

using test::ReportRecorder;

// The picture of runs as a card: 200 colours, runs of every length that matters to an encoder and
// flat areas.
QImage RunCard() {
  return ToQImage(test::RunLengthPicture(24));
}

using test::ReadFileBytes;

// Every format holds the card's pixels (JPEG within its loss, GIF exactly, as the card has fewer
// than 256 colours) and the dpi where the format has a field for it. That ImageMagick reads the
// same pixels is the encoders' own test.
TEST(ImageExport, EveryFormatHoldsTheCardsPixelsAndItsDpi) {
  const test::TempFolder folder;
  const QImage card = RunCard();
  const RasterImage expected = test::RunLengthPicture(24);
  // The extension, the mean loss (0: exact) and the dpi the file says (0 for none).
  const std::tuple<const char*, double, int> cases[] = {
      {"bmp", 0, 254}, {"tga", 0, 0},   {"pcx", 0, 254}, {"png", 0, 254},
      {"gif", 0, 0},   {"jpg", 6, 254}, {"tif", 0, 254}};
  for (const auto& [extension, meanLoss, dpi] : cases) {
    SCOPED_TRACE(extension);
    const int format = *FormatForExtension(extension);
    const auto file = folder / (std::string("card.") + extension);
    const Outcome<> result = WriteExportImage(card, file, format, 90, 254);
    ASSERT_TRUE(result.Ok()) << result.Message();
    const RasterImage back(file, kFormatUnknown);
    ASSERT_TRUE(back.IsValid()) << back.GetLastError();
    EXPECT_EQ(back.GetType(), format);
    EXPECT_EQ(back.GetXDpi(), dpi);
    EXPECT_EQ(back.GetYDpi(), dpi);
    if (meanLoss == 0) {
      EXPECT_EQ(test::ImagePixels(back).rgb, test::ImagePixels(expected).rgb);
    } else {
      EXPECT_LT(test::MeanChannelDifference(test::ImagePixels(back), test::ImagePixels(expected)),
                meanLoss);
    }
  }
}

TEST(ImageExport, QualityKeepsItsLowEightBitsAndNoFormatSavesNothing) {
  const test::TempFolder folder;
  const QImage card = RunCard();
  for (const auto& [name, quality] : {std::pair{"a.jpg", 100}, {"b.jpg", 356}, {"c.jpg", 10}}) {
    ASSERT_TRUE(WriteExportImage(card, folder / name, kFormatJpeg, quality, 300).Ok());
  }
  EXPECT_EQ(ReadFileBytes(folder / "a.jpg"), ReadFileBytes(folder / "b.jpg"));
  EXPECT_LT(ReadFileBytes(folder / "c.jpg").size(), ReadFileBytes(folder / "a.jpg").size());

  EXPECT_TRUE(WriteExportImage(card, folder / "x.png", kNoFormat, kNoQuality, 300).Ok());
  EXPECT_FALSE(std::filesystem::exists(folder / "x.png"));
}

TEST(ImageExport, AFailedEncodingIsReportedAndAFailedWriteIsAFileError) {
  const test::TempFolder folder;
  // message: what the result says
  // reported: whether the checked report is raised
  const std::tuple<const char*, std::filesystem::path, int, std::string, bool> cases[] = {
      {"a folder that is not there", "/nonexistent-folder/card.png", kFormatPng,
       "/nonexistent-folder/card.png contains an invalid path.", false},
      {"a format that cannot be written", folder / "card.wmf", kFormatWmf, "Save WMF not supported",
       true},
  };
  for (const auto& [what, file, format, message, reported] : cases) {
    ReportRecorder recorder;
    const Outcome<> result = WriteExportImage(RunCard(), file, format, kNoQuality, 300);
    EXPECT_FALSE(result.Ok()) << what;
    EXPECT_NE(result.Message().find(message), std::string::npos)
        << what << ": " << result.Message();
    EXPECT_EQ(recorder.Saw("ci.Save( fname,imt) !=0"), reported) << what;
  }
  EXPECT_FALSE(std::filesystem::exists(folder / "card.wmf"));
  EXPECT_FALSE(WriteExportImage(QImage(), "/tmp/never.png", kFormatPng, kNoQuality, 300).Ok());

  // Off the interface thread a failed encoding is only returned.
  ReportRecorder recorder;
  EXPECT_FALSE(WriteExportImage(RunCard(), folder / "card.wmf", kFormatWmf, kNoQuality, 300,
                                ExportReporting::kResultOnly)
                   .Ok());
  EXPECT_TRUE(recorder.Reports().empty());
}

TEST(ExportFormats, FiltersAndExtensions) {
  for (const ExportFormatInfo& info : kExportFormats) {
    // The extension added to a bare name is one the format's filter shows.
    EXPECT_NE(FormatFileFilter(info.format).find(std::string("*.") + info.extension),
              std::string::npos)
        << info.label;
    EXPECT_EQ(FormatForExtension(info.extension), info.format) << info.label;
  }
  // Other spellings of an extension, and extensions of no export format; "tiff" is understood
  // but neither listed nor taken for a background.
  EXPECT_EQ(FormatForExtension(".JPEG"), kFormatJpeg);
  EXPECT_EQ(FormatForExtension("webp"), std::nullopt);
  EXPECT_EQ(FormatForExtension("TIFF"), kFormatTiff);
  EXPECT_EQ(OfferedFormatForExtension("tiff"), std::nullopt);
  // The chosen format's entry comes right after all pictures, whatever its place in the list,
  // and only there; what is not offered is not listed.
  const std::string filter = PictureFileFilter(kFormatGif);
  const std::string gif = ";;" + FormatFileFilter(kFormatGif) + ";;";
  EXPECT_EQ(filter.find(gif), filter.find(";;")) << filter;
  EXPECT_EQ(filter.rfind(gif), filter.find(gif)) << filter;
  EXPECT_EQ(filter.find("tiff"), std::string::npos) << filter;
  EXPECT_EQ(ExportFormatOf(12345).format, kDefaultExportFormat);

  EXPECT_EQ(WithExportExtension("/tmp/card", kFormatJpeg), "/tmp/card.jpg");
  EXPECT_EQ(WithExportExtension("/tmp/card.jpeg", kFormatJpeg), "/tmp/card.jpeg");
  EXPECT_EQ(WithExportExtension("/tmp/my.card.tif", kFormatTiff), "/tmp/my.card.tif");
  EXPECT_EQ(WithExportExtension("", kFormatPng), "");
}

}  // namespace
}  // namespace tavolo
