// On a screen of two device pixels per control pixel (run with QT_SCALE_FACTOR=2; skipped at
// 1) the owner-drawn controls and the card preview are drawn at the device resolution: a
// one-pixel edge is two whole device pixels of its colour, never a blend of two.
#include "core/document/CardDocument.h"
#include "tests/ui/WidgetTest.h"
#include "ui/card/CardPreview.h"
#include "ui/controls/HueSlider.h"

namespace tavolo {
namespace {

using test::ControlTest;

TEST_F(ControlTest, HighDpiControlsDrawEdgesInWholeDevicePixels) {
  HueSlider slider;
  slider.resize(100, 20);
  if (slider.devicePixelRatioF() != 2) GTEST_SKIP() << "needs QT_SCALE_FACTOR=2";
  const QImage picture = slider.Picture();
  ASSERT_EQ(picture.size(), QSize(200, 40));
  EXPECT_EQ(picture.devicePixelRatio(), 2);
  // The sunken edge: the dark outer bevel, then the shadow, each two device pixels thick.
  const QRgb dark = slider.palette().color(QPalette::Dark).rgb();
  const QRgb shadow = slider.palette().color(QPalette::Shadow).rgb();
  for (const int y : {6, 20, 33}) {
    EXPECT_EQ(picture.pixel(0, y), dark) << y;
    EXPECT_EQ(picture.pixel(1, y), dark) << y;
    EXPECT_EQ(picture.pixel(2, y), shadow) << y;
    EXPECT_EQ(picture.pixel(3, y), shadow) << y;
  }

  CardDocument document(nullptr, {});
  CardPreview preview(document);
  preview.resize(300, 200);
  const QImage shown = preview.grab().toImage();
  EXPECT_EQ(shown.size(), QSize(600, 400));
  EXPECT_EQ(preview.Backdrop().size(), QSize(600, 400));
}

}  // namespace
}  // namespace tavolo
