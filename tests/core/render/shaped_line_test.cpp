#include <gtest/gtest.h>

#include <QFont>
#include <QImage>
#include <QPainter>

#include "core/render/ShapedLine.h"
#include "tests/core/render/RenderTestSupport.h"

namespace tavolo {
namespace {

QImage Drawn(const QFont& font, Qt::Alignment alignment, const QString& text, qreal scale,
             ShapedLine* shaped) {
  QImage image(240, 40, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  // A painter laid out right to left swaps left and right; a scaled one draws a reduced card.
  if (scale == 1.0) painter.setLayoutDirection(Qt::RightToLeft);
  painter.scale(scale, scale);
  painter.setFont(font);
  const QRectF box(13, 7.5, 400 / scale, 30);
  if (shaped == nullptr) {
    painter.drawText(box, Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip | alignment, text);
  } else {
    shaped->Draw(painter, box, alignment, text);
  }
  return image;
}

TEST(ShapedLine, DrawsWhatDrawTextDraws) {
  test::EnsureGuiApplication();
  QFont sans("Arial");
  sans.setPixelSize(26);
  sans.setBold(true);
  QFont serif("Times New Roman");
  serif.setPixelSize(21);
  serif.setItalic(true);
  serif.setUnderline(true);
  const QString texts[] = {"Ferro & Figli", "Tel. +39 055 000 1234   ", "  office fi\tffl\r",
                           QString::fromUtf8("\u05e9\u05dc\u05d5\u05dd Stra\u00dfe  "),
                           QString::fromUtf8("two\u2028lines")};
  for (const QFont& font : {sans, serif}) {
    for (const Qt::Alignment alignment : {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight}) {
      for (const QString& text : texts) {
        for (const qreal scale : {1.0, 1.0 / 3}) {
          SCOPED_TRACE(QString("%1 %2 '%3' %4")
                           .arg(font.family())
                           .arg(int(alignment))
                           .arg(text)
                           .arg(scale)
                           .toStdString());
          ShapedLine shaped;
          // Shaped first in another font: the second drawing must not reuse that shaping.
          Drawn(sans.family() == font.family() ? serif : sans, alignment, text, scale, &shaped);
          EXPECT_EQ(Drawn(font, alignment, text, scale, &shaped),
                    Drawn(font, alignment, text, scale, nullptr));
        }
      }
    }
  }
}

}  // namespace
}  // namespace tavolo
