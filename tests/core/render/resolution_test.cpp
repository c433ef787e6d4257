// A card keeps its design at any resolution: the same card at 1200 dpi, drawn and brought down
// to a quarter, is the card drawn at 300 dpi, its photo, logo and QR code included.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include <QBuffer>
#include <QImage>
#include <QPainter>

#include "core/card/CardFaces.h"
#include "core/card/ContactLines.h"
#include "core/card/LayoutTable.h"
#include "core/render/CardRenderer.h"
#include "tests/core/render/RenderTestSupport.h"

namespace tavolo {
namespace {

std::vector<uint8_t> SoftPng(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      image.setPixel(x, y, qRgb(60 + x * 150 / width, 200 - y * 120 / height, 140));
    }
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return {bytes.begin(), bytes.end()};
}

// `image` brought down `factor` times each way, each pixel the mean of the ones it stands for.
QImage Reduced(const QImage& image, int factor) {
  QImage reduced(image.width() / factor, image.height() / factor, QImage::Format_RGB32);
  for (int y = 0; y < reduced.height(); ++y) {
    for (int x = 0; x < reduced.width(); ++x) {
      int sum[3] = {};
      for (int dy = 0; dy < factor; ++dy) {
        for (int dx = 0; dx < factor; ++dx) {
          const QRgb p = image.pixel(x * factor + dx, y * factor + dy);
          sum[0] += qRed(p);
          sum[1] += qGreen(p);
          sum[2] += qBlue(p);
        }
      }
      const int n = factor * factor;
      reduced.setPixel(x, y,
                       qRgb((sum[0] + n / 2) / n, (sum[1] + n / 2) / n, (sum[2] + n / 2) / n));
    }
  }
  return reduced;
}

double MeanDifference(const QImage& a, const QImage& b) {
  double total = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      total += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
               std::abs(qBlue(p) - qBlue(q));
    }
  }
  return total / (3.0 * a.width() * a.height());
}

TEST(Resolution, TheSameCardAt1200DpiBroughtDownFourTimesIsTheCardAt300Dpi) {
  test::EnsureGuiApplication();
  CardState card;
  card.layoutIndex = 2;
  card.boxCount = FieldDistribution(card.layoutIndex, DefaultContactDetails(), card.lines);
  card.photo.name = QStringLiteral("photo.png");
  card.photo.width = 120;
  card.photo.height = 160;
  card.photo.x = 150;
  card.photo.y = 300;
  card.logo.name = QStringLiteral("logo.png");
  card.logo.width = 96;
  card.logo.height = 48;
  card.logo.x = 900;
  card.logo.y = 90;
  EmbedPicture(card, PictureKind::kPhoto, card.photo.name, SoftPng(120, 160));
  EmbedPicture(card, PictureKind::kLogo, card.logo.name, SoftPng(96, 48));
  card.qrCode = PlacedQrCode{.content = QrContent::kFreeText, .freeText = QStringLiteral("tavolo")};

  CardState fine = card;
  CardState sized = card;
  sized.cardWidth *= 4;
  sized.cardHeight *= 4;
  sized.dpi = 1200;
  TakeSizeOf(fine, sized);

  CardRenderer renderer(nullptr, DataFolder());
  const QImage at300 = renderer.Render(card, 1, 1062, 615);
  CardRenderer fineRenderer(nullptr, DataFolder());
  const QImage at1200 = fineRenderer.Render(fine, 1, 4248, 2460);
  ASSERT_FALSE(at300.isNull());
  ASSERT_FALSE(at1200.isNull());
  EXPECT_TRUE(renderer.LoadError(PictureKind::kLogo).empty());
  EXPECT_TRUE(renderer.QrCodeError().empty());
  EXPECT_LE(MeanDifference(Reduced(at1200, 4), at300), 4.0);
}

}  // namespace
}  // namespace tavolo
