// The colour pickers: the hue strip, the saturation-lightness square and the palette, where a
// press lands and what it tells the owner. Their looks are in the goldens.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <vector>

#include "core/base/ColorModel.h"
#include "tests/ui/ReportLog.h"
#include "ui/controls/HLPicker.h"
#include "ui/controls/HueSlider.h"
#include "ui/controls/PickerGeometry.h"
#include "ui/controls/SLSlider.h"

namespace tavolo {
namespace {

using test::ControlTest;

TEST(PickerGeometry, MapsTheFullLengthButKeepsTheMarkerOffTheEdges) {
  EXPECT_FLOAT_EQ(PickerPositionAt(0, 240), 0.0f);
  EXPECT_FLOAT_EQ(PickerPositionAt(120, 240), 0.5f);
  EXPECT_FLOAT_EQ(PickerPositionAt(240, 240), 1.0f);
  EXPECT_FLOAT_EQ(PickerPositionAt(500, 240), 1.0f);
  EXPECT_FLOAT_EQ(PickerPositionAt(-5, 240), 0.0f);
  EXPECT_FLOAT_EQ(PickerPositionAt(5, 0), 0.0f);
  EXPECT_EQ(PickerMarkerCoordinate(0.0f, 240), 4);
  EXPECT_EQ(PickerMarkerCoordinate(1.0f, 240), 235);
  EXPECT_EQ(PickerMarkerCoordinate(0.5f, 100), 50);
  // A marker drawn at a corner is simply cut off.
  QImage picture(40, 40, QImage::Format_RGB32);
  picture.fill(qRgb(10, 100, 200));
  DrawPositionMarker(picture, QPoint(0, 0));
  EXPECT_EQ(picture.pixel(0, 0), qRgb(245, 155, 55));
}

TEST_F(ControlTest, HueSliderDraggedBeyondItsEndStaysAtOne) {
  HueSlider slider;
  slider.resize(240, 20);
  QSignalSpy changes(&slider, &HueSlider::clicked);
  QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(60, 10));
  EXPECT_FLOAT_EQ(slider.Position(), 0.25f);
  EXPECT_EQ(changes.count(), 1);
  QTest::mouseMove(&slider, QPoint(400, 50));
  EXPECT_FLOAT_EQ(slider.Position(), 1.0f);
  QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(400, 50));
  QTest::mouseMove(&slider, QPoint(10, 10));
  EXPECT_FLOAT_EQ(slider.Position(), 1.0f);
  EXPECT_EQ(changes.count(), 2);
}

TEST(SLSliderRows, InterpolatedPixelsStayWithinOneOfTheExactColour) {
  for (const int width : {1, 2, 3, 7, 100, 240, 241}) {
    for (const float hue : {0.0f, 80.0f, 143.4f, 239.0f}) {
      for (const float l : {0.0f, 60.0f, 120.0f, 200.0f, 240.0f}) {
        std::vector<QRgb> row(static_cast<size_t>(width));
        FillSaturationRow(row.data(), width, hue, l);
        for (int x = 0; x < width; ++x) {
          const float s =
              width > 1 ? static_cast<float>(x) / static_cast<float>(width - 1) * 240 : 0;
          const RgbColor c = HslToRgb({hue, s, l});
          const QRgb p = row[static_cast<size_t>(x)];
          ASSERT_NEAR(qRed(p), static_cast<int>(c.r * 255), 1) << width << " " << x;
          ASSERT_NEAR(qGreen(p), static_cast<int>(c.g * 255), 1) << width << " " << x;
          ASSERT_NEAR(qBlue(p), static_cast<int>(c.b * 255), 1) << width << " " << x;
        }
      }
    }
  }
}

TEST_F(ControlTest, SLSliderTakesSaturationAcrossAndLightnessDown) {
  SLSlider slider;
  slider.resize(240, 160);
  QSignalSpy changes(&slider, &SLSlider::clicked);
  QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(120, 40));
  EXPECT_FLOAT_EQ(slider.Saturation(), 0.5f);
  EXPECT_FLOAT_EQ(slider.Lightness(), 0.25f);
  QTest::mouseMove(&slider, QPoint(-10, 500));
  EXPECT_FLOAT_EQ(slider.Saturation(), 0.0f);
  EXPECT_FLOAT_EQ(slider.Lightness(), 1.0f);
  QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(-10, 500));
  EXPECT_EQ(changes.count(), 2);
}

TEST(HLPickerGeometry, BorderPixelsPickNothing) {
  const QSize size(240, 170);
  EXPECT_EQ(HLPickerCellAt(QPoint(0, 50), size), QPoint(-1, -1));
  EXPECT_EQ(HLPickerCellAt(QPoint(50, 0), size), QPoint(-1, -1));
  EXPECT_EQ(HLPickerCellAt(QPoint(240, 50), size), QPoint(-1, -1));
  EXPECT_EQ(HLPickerCellAt(QPoint(1, 1), size), QPoint(0, 0));
  EXPECT_EQ(HLPickerCellAt(QPoint(238, 168), size), QPoint(16, 12));
  // Cells 14 wide and 12.92 high: x = 15 is the second column, y = 14 the second row.
  EXPECT_EQ(HLPickerCellAt(QPoint(15, 14), size), QPoint(1, 1));
  EXPECT_EQ(HLPickerCellAt(QPoint(14, 13), size), QPoint(0, 0));
  EXPECT_EQ(HLPickerCellRect(0, 0, size), QRect(QPoint(1, 1), QPoint(14, 13)));
  EXPECT_EQ(HLPickerCellRect(12, 16, size), QRect(QPoint(225, 156), QPoint(238, 168)));
}

TEST_F(ControlTest, HLPickerPicksOnPressAndNotifiesOnRelease) {
  HLPicker picker;
  picker.resize(240, 170);
  QSignalSpy clicks(&picker, &HLPicker::clicked);
  picker.SetCurrentColor({100, 50, 60});

  QTest::mouseClick(&picker, Qt::LeftButton, {}, QPoint(0, 50));
  EXPECT_EQ(picker.CurrentColor(), (HslColor{100, 50, 60}));
  EXPECT_EQ(clicks.count(), 1);
  QTest::mouseClick(&picker, Qt::LeftButton, {}, QPoint(50, 0));
  EXPECT_EQ(picker.CurrentColor(), (HslColor{100, 50, 60}));

  QTest::mousePress(&picker, Qt::LeftButton, {}, QPoint(120, 20));
  EXPECT_EQ(picker.CurrentColor(), HLPickerCellColour(1, 8));
  EXPECT_EQ(clicks.count(), 2);
  QTest::mouseRelease(&picker, Qt::LeftButton, {}, QPoint(120, 20));
  EXPECT_EQ(clicks.count(), 3);

  QTest::mousePress(&picker, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseRelease(&picker, Qt::LeftButton, {}, QPoint(300, 5));
  EXPECT_EQ(picker.CurrentColor(), (HslColor{0, 0, 0}));
  EXPECT_EQ(clicks.count(), 3);
}

}  // namespace
}  // namespace tavolo
