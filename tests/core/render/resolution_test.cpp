// A card keeps its design at any resolution: the same card at 1200 dpi, drawn and brought down
// to a quarter, is the card drawn at 300 dpi, its photo, logo and QR code included, its text
// where it lies at 300 dpi.
#include <gtest/gtest.h>

#include <cstdlib>
#include <tuple>

#include <QImage>

#include "core/card/CardFaces.h"
#include "core/card/ContactLines.h"
#include "core/card/LayoutTable.h"
#include "core/render/CardRenderer.h"
#include "tests/core/render/RenderTestSupport.h"

namespace tavolo {
namespace {

QRgb Soft(int x, int y) {
  return qRgb(60 + x, 200 - y / 2, 140);
}

// `big` brought down `factor` times each way, each of its pixels the mean of those it stands for.
QImage Reduced(const QImage& big, int factor) {
  QImage small(big.width() / factor, big.height() / factor, QImage::Format_RGB32);
  const int n = factor * factor;
  for (int y = 0; y < small.height(); ++y) {
    for (int x = 0; x < small.width(); ++x) {
      int sum[3] = {};
      for (int d = 0; d < n; ++d) {
        const QRgb p = big.pixel(x * factor + d % factor, y * factor + d / factor);
        sum[0] += qRed(p), sum[1] += qGreen(p), sum[2] += qBlue(p);
      }
      small.setPixel(x, y, qRgb(sum[0] / n, sum[1] / n, sum[2] / n));
    }
  }
  return small;
}

// The mean difference of a channel between two pictures of the same size.
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

// The bounding box of the pixels darker than a quarter: where black text is.
QRect Ink(const QImage& image) {
  QRect ink;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qGray(image.pixel(x, y)) < 64) ink |= QRect(x, y, 1, 1);
    }
  }
  return ink;
}

TEST(Resolution, TheSameCardAt1200DpiBroughtDownFourTimesIsTheCardAt300Dpi) {
  test::EnsureGuiApplication();
  CardState card;
  card.layoutIndex = 2;
  card.boxCount = FieldDistribution(card.layoutIndex, DefaultContactDetails(), card.lines);
  card.photo.name = QStringLiteral("photo.png");
  std::tie(card.photo.width, card.photo.height, card.photo.x, card.photo.y) =
      std::tuple(120.0f, 160.0f, 150.0f, 300.0f);
  card.logo.name = QStringLiteral("logo.png");
  std::tie(card.logo.width, card.logo.height, card.logo.x, card.logo.y) =
      std::tuple(96.0f, 48.0f, 900.0f, 90.0f);
  EmbedPicture(card, PictureKind::kPhoto, card.photo.name, test::PngFile(120, 160, Soft));
  EmbedPicture(card, PictureKind::kLogo, card.logo.name, test::PngFile(96, 48, Soft));
  card.qrCode = PlacedQrCode{.content = QrContent::kFreeText, .freeText = QStringLiteral("tavolo")};
  for (const ObjectKind kind : {ObjectKind::kRectangle, ObjectKind::kEllipse, ObjectKind::kTextBox}) {
    card.objects.push_back(NewObject(kind, card.cardWidth, card.cardHeight, 500));
    card.objects.back().top = 60.0f * static_cast<float>(card.objects.size());
  }
  std::get<TextSource>(card.objects.back().source).lines = KeptLines(QStringList{"Free text"});

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
  ASSERT_TRUE(renderer.QrCodeError().empty() && !at1200.isNull());
  EXPECT_LE(MeanDifference(Reduced(at1200, 4), at300), 4.0);

  // Black lines alone: their text lies where it lies at 300 dpi, to a pixel.
  CardState text;
  text.boxCount = 3;
  test::SetLines(text, 0, {"Forno Tavolo"});
  test::SetLines(text, 1, {"Anna Rossi", "Head Baker"});
  test::SetLines(text, 2, {"+39 06 1234 5678", "anna@forno.example"});
  for (int box = 0; box < 3; ++box) text.styles[box].brightness = 0.0f;
  CardState fineText = text;
  TakeSizeOf(fineText, sized);
  const QRect ink = Ink(renderer.Render(text, 1, 1062, 615));
  const QRect fineInk = Ink(Reduced(fineRenderer.Render(fineText, 1, 4248, 2460), 4));
  for (const auto edge : {&QRect::left, &QRect::top, &QRect::right, &QRect::bottom}) {
    EXPECT_NEAR((ink.*edge)(), (fineInk.*edge)(), 1);
  }
}

}  // namespace
}  // namespace tavolo
