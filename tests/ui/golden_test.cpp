// Every control rendered through its paint at a fixed size and compared with its golden picture.
#include <gtest/gtest.h>

#include <QTest>

#include "tests/ui/GoldenImage.h"
#include "tests/ui/ReportLog.h"
#include "ui/controls/ColorBtn.h"
#include "ui/controls/ColorLine.h"
#include "ui/controls/FldName.h"
#include "ui/controls/GenBtn.h"
#include "ui/controls/HLPicker.h"
#include "ui/controls/HueSlider.h"
#include "ui/controls/LSlider.h"
#include "ui/controls/SLSlider.h"
#include "ui/controls/Slider.h"

namespace tavolo {
namespace {

using test::ControlTest;
using test::kExact;
using test::kWithText;
using test::MatchesGolden;

QImage Grab(QWidget& control, QSize size) {
  control.resize(size);
  return control.grab().toImage();
}

TEST_F(ControlTest, GenBtnLooksAsItsGoldens) {
  GenBtn button;
  button.SetText(QStringLiteral("Background options"));
  EXPECT_TRUE(MatchesGolden(Grab(button, {150, 30}), "genbtn_normal", kWithText));
  EXPECT_TRUE(MatchesGolden(Grab(button, {150, 40}), "genbtn_tall", kWithText));
  button.SetActive(false);
  EXPECT_TRUE(MatchesGolden(Grab(button, {150, 30}), "genbtn_inactive", kWithText));
  button.SetActive(true);
  QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(75, 15));
  EXPECT_TRUE(MatchesGolden(Grab(button, {150, 30}), "genbtn_pressed", kWithText));
  QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(75, 15));

  GenBtn previous;
  previous.SetSymbol(kSymbolArrowLeft);
  EXPECT_TRUE(MatchesGolden(Grab(previous, {50, 30}), "genbtn_arrow_left", kExact));
  GenBtn next;
  next.SetSymbol(kSymbolArrowRight);
  EXPECT_TRUE(MatchesGolden(Grab(next, {50, 30}), "genbtn_arrow_right", kExact));
}

TEST_F(ControlTest, SlidersLookAsTheirGoldens) {
  Slider slider;
  slider.SetPosition(0.3f);
  EXPECT_TRUE(MatchesGolden(Grab(slider, {160, 14}), "slider", kExact));
  slider.setEnabled(false);
  EXPECT_TRUE(MatchesGolden(Grab(slider, {160, 14}), "slider_disabled", kExact));

  LSlider centred;
  centred.SetMode(0);
  centred.SetPosition(0.0f);
  EXPECT_TRUE(MatchesGolden(Grab(centred, {200, 25}), "lslider_hue", kExact));
  centred.SetMode(1);
  centred.SetHue(160);
  centred.SetPosition(0.2f);
  EXPECT_TRUE(MatchesGolden(Grab(centred, {200, 25}), "lslider_saturation", kExact));
  centred.SetMode(2);
  centred.SetPosition(-0.3f);
  EXPECT_TRUE(MatchesGolden(Grab(centred, {200, 25}), "lslider_grey", kExact));
}

TEST_F(ControlTest, SwatchesAndLabelLookAsTheirGoldens) {
  ColorBtn swatch;
  swatch.SetColor(MakeColorref(200, 40, 60));
  EXPECT_TRUE(MatchesGolden(Grab(swatch, {40, 24}), "colorbtn", kExact));
  swatch.setEnabled(false);
  EXPECT_TRUE(MatchesGolden(Grab(swatch, {40, 24}), "colorbtn_disabled", kExact));

  ColorLine line;
  EXPECT_TRUE(MatchesGolden(Grab(line, {140, 42}), "colorline", kExact));
  line.setEnabled(false);
  EXPECT_TRUE(MatchesGolden(Grab(line, {140, 42}), "colorline_disabled", kExact));

  FldName label;
  label.SetText(QStringLiteral("Company Name"));
  EXPECT_TRUE(MatchesGolden(Grab(label, {120, 20}), "fldname", kWithText));
}

TEST_F(ControlTest, PickersLookAsTheirGoldens) {
  HueSlider hue;
  hue.SetPosition(0.6f);
  EXPECT_TRUE(MatchesGolden(Grab(hue, {240, 20}), "hueslider", kExact));

  SLSlider square;
  square.SetHue(0.6f);
  square.SetSaturation(0.75f);
  square.SetLightness(0.4f);
  EXPECT_TRUE(MatchesGolden(Grab(square, {240, 160}), "slslider", kExact));

  HLPicker palette;
  EXPECT_TRUE(MatchesGolden(Grab(palette, {240, 170}), "hlpicker", kExact));
}

}  // namespace
}  // namespace tavolo
