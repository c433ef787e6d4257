// What a print shop gets from tavolo-cli: bleed, crop marks, and 1200 dpi as at 300.
#include <QImage>

#include <cmath>

#include "core/card/CardState.h"
#include "tests/cli/CliRun.h"

namespace tavolo {
namespace {

constexpr double kPxPerMm = 300 / 25.4;

// A card of lines in black on the library's background, one box in a light frame.
CardState TextCard(int scale) {
  CardState card;
  card.cardWidth = 1004.0f * scale;  // 85 × 55 mm at 300 dpi
  card.cardHeight = 650.0f * scale;
  card.dpi = 300 * scale;
  const char* lines[3][2] = {{"Forno Tavolo", ""},
                             {"Anna Rossi", "Head Baker"},
                             {"+39 06 1234 5678", "anna@forno.example"}};
  for (int box = 0; box < 3; ++box) {
    card.lines[box] = KeptLines(QStringList{lines[box][0], lines[box][1]});
    card.styles[box].brightness = 0.0f;
  }
  card.styles[1].frameMode = kFrameExact;
  card.styles[1].opacity = 0.8f;  // its one-pixel ring too light to count as text
  return card;
}

// The bounding box of the text: the pixels darker than a quarter.
QRect Ink(const QImage& image) {
  QRect ink;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qGray(image.pixel(x, y)) < 64) ink |= QRect(x, y, 1, 1);
    }
  }
  return ink;
}

class CliPrintShop : public test::CliTest {};

TEST_F(CliPrintShop, ACardAt1200DpiScaledDownMatchesItAt300) {
  const std::string low = Scratch("300.png");
  const std::string high = Scratch("1200.png");
  ASSERT_EQ(Run("render '" + Project(TextCard(1), "300.tvc") + "' -o " + low).code, 0);
  ASSERT_EQ(Run("render '" + Project(TextCard(4), "1200.tvc") + "' -o " + high).code, 0);
  const QImage small = QImage(QString::fromStdString(low)).convertToFormat(QImage::Format_RGB32);
  const QImage large = QImage(QString::fromStdString(high)).convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(large.size(), small.size() * 4);
  // Each pixel of the small card against the mean of the 4 × 4 it stands for.
  QImage reduced(small.size(), QImage::Format_RGB32);
  double difference = 0;
  for (int y = 0; y < small.height(); ++y) {
    for (int x = 0; x < small.width(); ++x) {
      int sum[3] = {0, 0, 0};
      for (int i = 0; i < 16; ++i) {
        const QRgb p = large.pixel(4 * x + i % 4, 4 * y + i / 4);
        sum[0] += qRed(p), sum[1] += qGreen(p), sum[2] += qBlue(p);
      }
      reduced.setPixel(x, y, qRgb(sum[0] / 16, sum[1] / 16, sum[2] / 16));
      const QRgb s = small.pixel(x, y);
      difference += std::abs(qRed(s) - sum[0] / 16) + std::abs(qGreen(s) - sum[1] / 16) +
                    std::abs(qBlue(s) - sum[2] / 16);
    }
  }
  EXPECT_LE(difference / (3.0 * small.width() * small.height()), 4.0) << "the mean difference";
  const QRect inkSmall = Ink(small);
  const QRect inkReduced = Ink(reduced);
  for (const auto edge : {&QRect::left, &QRect::top, &QRect::right, &QRect::bottom}) {
    EXPECT_NEAR((inkSmall.*edge)(), (inkReduced.*edge)(), 1);
  }
}

TEST_F(CliPrintShop, ACardPageIsTheCardWithItsBleedAndCropMarksAtTheCuts) {
  if (std::system("pdftoppm -v > /dev/null 2>&1") != 0) GTEST_SKIP() << "no poppler-utils";
  const std::string project = Project(TextCard(1));
  const std::string bled = Scratch("bled.pdf");
  ASSERT_EQ(Run("pdf '" + project + "' -o " + bled + " --bleed 3").code, 0);
  // pdfinfo: "Page size:      257.95 x 172.91 pts"; whole points as Qt keeps page sizes.
  const std::string size =
      test::RunShell("pdfinfo " + bled + " | sed -n 's/^Page size: *//p'").output;
  double width = 0, height = 0;
  ASSERT_EQ(std::sscanf(size.c_str(), "%lf x %lf", &width, &height), 2) << size;
  EXPECT_NEAR(width / 72 * 25.4, 85.0 + 6, 0.36);
  EXPECT_NEAR(height / 72 * 25.4, 55.0 + 6, 0.36);

  const std::string marked = Scratch("marked");
  ASSERT_EQ(Run("pdf '" + project + "' -o " + marked + ".pdf --bleed 2 --crop-marks").code, 0);
  ASSERT_EQ(test::RunShell("pdftoppm -png -r 300 -singlefile " + marked + ".pdf " + marked).code,
            0);
  const QImage page(QString::fromStdString(marked + ".png"));
  ASSERT_FALSE(page.isNull());
  // The cut lies 2 + 1 + 5 mm in: marks end 1 mm outside the 2 mm bleed, the card's edges
  // repeated out to the bleed.
  const double cut = 8 * kPxPerMm;
  const double right = cut + 85 * kPxPerMm;
  const auto darkAt = [&](double x, double y) {
    const int cx = static_cast<int>(x), cy = static_cast<int>(y);
    for (const QPoint p : {QPoint(cx, cy), QPoint(cx + 1, cy), QPoint(cx, cy + 1),
                           QPoint(cx - 1, cy), QPoint(cx, cy - 1)}) {
      if (qGray(page.pixel(p)) < 128) return true;
    }
    return false;
  };
  const double markMiddle = 2.5 * kPxPerMm;  // half way along a mark from the page's edge
  EXPECT_TRUE(darkAt(markMiddle, cut)) << "the top cut, left of the card";
  EXPECT_TRUE(darkAt(cut, markMiddle)) << "the left cut, above the card";
  EXPECT_TRUE(darkAt(right, markMiddle)) << "the right cut, above the card";
  EXPECT_TRUE(darkAt(page.width() - markMiddle, cut)) << "the top cut, right of the card";
  EXPECT_FALSE(darkAt(cut, cut - 2.5 * kPxPerMm)) << "nothing between the mark and the bleed";
  EXPECT_FALSE(darkAt(markMiddle, markMiddle)) << "nothing off the cut lines";
}

}  // namespace
}  // namespace tavolo
