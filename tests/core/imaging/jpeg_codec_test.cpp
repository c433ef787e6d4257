#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include <jpeglib.h>

#include "core/imaging/RasterImage.h"
#include "tests/core/imaging/RunLengthPicture.h"
#include "tests/core/imaging/imaging_test_util.h"

namespace tavolo {
namespace {

using test::Encode;
using test::ImagePixels;

// The luma sampling factors from the frame header: 0x22 is 4:2:0, 0x11 full resolution (the
// chroma components are always 1 × 1).
uint8_t LumaSampling(const std::vector<uint8_t>& file) {
  const uint8_t frame[] = {0xFF, 0xC0};
  const auto at = std::search(file.begin(), file.end(), frame, frame + 2);
  return file.end() - at > 11 ? at[11] : 0;
}

TEST(JpegCodec, FromQuality90ColourIsKeptAtFullResolution) {
  RasterImage runs = test::RunLengthPicture(24);
  const auto lossAt = [&](uint8_t quality, uint8_t sampling) {
    runs.SetJpegQuality(quality);
    const std::vector<uint8_t> file = Encode(runs, kFormatJpeg);
    EXPECT_EQ(LumaSampling(file), sampling) << int{quality};
    return test::MeanChannelDifference(ImagePixels(RasterImage(file, kFormatJpeg)),
                                       ImagePixels(runs));
  };
  const double below = lossAt(89, 0x22);
  const double full = lossAt(90, 0x11);
  // Runs of one or two coloured pixels keep their colour only at full resolution.
  EXPECT_LT(full, below / 2);
}

// Compresses rows with libjpeg itself: `configure` sets the parameters after the defaults,
// `row(y)` gives each row's samples.
template <class Configure, class Row>
std::vector<uint8_t> LibjpegCompress(uint32_t width, uint32_t height, int components,
                                     J_COLOR_SPACE input, Configure configure, Row row) {
  jpeg_compress_struct info{};
  jpeg_error_mgr error{};
  info.err = jpeg_std_error(&error);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = width;
  info.image_height = height;
  info.input_components = components;
  info.in_color_space = input;
  jpeg_set_defaults(&info);
  configure(info);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < height) {
    JSAMPROW samples = row(info.next_scanline);
    jpeg_write_scanlines(&info, &samples, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::vector<uint8_t> bytes(buffer, buffer + size);
  std::free(buffer);
  return bytes;
}

TEST(JpegCodec, ReadsCmykAndYcckAsInvertedInks) {
  // Flat halves, so that compression barely changes the inks; 255 is no ink.
  const uint8_t halves[2][4] = {{255, 128, 200, 255}, {55, 255, 200, 100}};
  std::vector<uint8_t> row;
  for (uint32_t x = 0; x < 32; ++x) row.insert(row.end(), halves[x / 16], halves[x / 16] + 4);
  // YCCK is known only by Adobe's marker; plain CMYK is read as inverted too, as ImageMagick does.
  for (const auto& [stored, marker] :
       {std::pair{JCS_CMYK, true}, std::pair{JCS_YCCK, true}, std::pair{JCS_CMYK, false}}) {
    SCOPED_TRACE(std::string(stored == JCS_CMYK ? "CMYK" : "YCCK") + (marker ? " Adobe" : ""));
    const auto configure = [&](jpeg_compress_struct& info) {
      jpeg_set_colorspace(&info, stored);
      jpeg_set_quality(&info, 100, TRUE);
      info.write_Adobe_marker = marker ? TRUE : FALSE;
    };
    const RasterImage image(
        LibjpegCompress(32, 16, 4, JCS_CMYK, configure, [&](uint32_t) { return row.data(); }),
        kFormatJpeg);
    ASSERT_TRUE(image.IsValid()) << image.GetLastError();
    ASSERT_EQ(image.GetBpp(), 24u);
    // Inverted inks: r = c × k / 255.
    for (const auto& [x, red, green, blue] :
         {std::tuple{3u, 255, 128, 200}, {28u, 55 * 100 / 255, 100, 200 * 100 / 255}}) {
      const RgbQuad c = image.GetPixelColour(x, 8);
      EXPECT_NEAR(c.red, red, 2) << x;
      EXPECT_NEAR(c.green, green, 2) << x;
      EXPECT_NEAR(c.blue, blue, 2) << x;
    }
  }
}

// A progressive JPEG written by libjpeg, with its last scan repeated `repeats` more times.
std::vector<uint8_t> ProgressiveWithRepeatedScan(int repeats) {
  RasterImage image = test::MakePhoto(16, 16);
  std::vector<uint8_t> bytes = LibjpegCompress(
      16, 16, 3, JCS_EXT_BGR, [](jpeg_compress_struct& info) { jpeg_simple_progression(&info); },
      [&](uint32_t y) { return image.GetBits(15 - y); });
  // Stuffed entropy data never holds FF DA, so the last one starts the last scan.
  const uint8_t startOfScan[] = {0xFF, 0xDA};
  const std::vector<uint8_t> scan(
      std::find_end(bytes.begin(), bytes.end(), startOfScan, startOfScan + 2), bytes.end() - 2);
  for (int i = 0; i < repeats; ++i) bytes.insert(bytes.end() - 2, scan.begin(), scan.end());
  return bytes;
}

TEST(JpegCodec, RefusesFilesWithEndlessScans) {
  const RasterImage few(ProgressiveWithRepeatedScan(3), kFormatJpeg);
  EXPECT_TRUE(few.IsValid()) << few.GetLastError();
  RasterImage many;
  EXPECT_FALSE(many.Decode(ProgressiveWithRepeatedScan(1200), kFormatJpeg));
  EXPECT_EQ(many.GetLastError(), "JPEG has too many scans");
}

}  // namespace
}  // namespace tavolo
