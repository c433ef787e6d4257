#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "tests/ui/ReportLog.h"
#include "ui/controls/LSlider.h"
#include "ui/controls/Slider.h"

namespace tavolo {
namespace {

using test::ControlTest;
using test::TakeReports;

TEST(SliderGeometry, MapsTheInsetTrackOntoZeroToOne) {
  EXPECT_FLOAT_EQ(SliderPositionAt(5, 110), 0.0f);
  EXPECT_FLOAT_EQ(SliderPositionAt(105, 110), 1.0f);
  EXPECT_FLOAT_EQ(SliderPositionAt(55, 110), 0.5f);
  EXPECT_FLOAT_EQ(SliderPositionAt(-40, 110), 0.0f);
  EXPECT_FLOAT_EQ(SliderPositionAt(300, 110), 1.0f);
  // A slider too narrow for its track maps everything to 0 instead of dividing by zero.
  EXPECT_FLOAT_EQ(SliderPositionAt(5, 10), 0.0f);
  EXPECT_FLOAT_EQ(SliderPositionAt(3, 4), 0.0f);
  EXPECT_EQ(SliderThumbX(1.0f, 110), 104);
  EXPECT_EQ(SliderThumbX(0.0f, 110), 5);
  EXPECT_EQ(SliderThumbX(0.5f, 110), 54);
}

TEST_F(ControlTest, SliderDragClampsAndNotifiesButAClickAloneChangesNothing) {
  Slider slider;
  slider.resize(110, 14);
  slider.SetPosition(0.25f);
  QSignalSpy moves(&slider, &Slider::clicked);

  QTest::mouseClick(&slider, Qt::LeftButton, {}, QPoint(80, 5));
  EXPECT_FLOAT_EQ(slider.Position(), 0.25f);
  EXPECT_EQ(moves.count(), 0);

  QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(30, 5));
  EXPECT_FLOAT_EQ(slider.Position(), 0.25f);
  QTest::mouseMove(&slider, QPoint(105, 5));
  EXPECT_FLOAT_EQ(slider.Position(), 1.0f);
  QTest::mouseMove(&slider, QPoint(55, 40));
  EXPECT_FLOAT_EQ(slider.Position(), 0.5f);
  QTest::mouseMove(&slider, QPoint(-30, 5));
  EXPECT_FLOAT_EQ(slider.Position(), 0.0f);
  QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(-30, 5));
  EXPECT_EQ(moves.count(), 3);
  EXPECT_FALSE(slider.IsDragging());
}

TEST_F(ControlTest, SliderDrawsTheThumbTipAtItsPosition) {
  Slider slider;
  slider.resize(110, 14);
  slider.SetPosition(1.0f);
  const QImage picture = slider.Picture();
  const QRgb ink = slider.palette().color(QPalette::ButtonText).rgb();
  const QRgb face = slider.palette().color(QPalette::Button).rgb();
  EXPECT_EQ(picture.pixel(104, 4), ink);
  EXPECT_EQ(picture.pixel(99, 9), ink);
  EXPECT_EQ(picture.pixel(109, 9), ink);
  EXPECT_EQ(picture.pixel(104, 8), face);
  // The track: down at x = 5 and width - 6, along row 3.
  EXPECT_EQ(picture.pixel(5, 0), ink);
  EXPECT_EQ(picture.pixel(104, 0), ink);
  EXPECT_EQ(picture.pixel(50, 3), ink);
  EXPECT_EQ(picture.pixel(50, 2), face);
}

TEST_F(ControlTest, SliderPositionOutsideZeroToOneIsReportedAndPulledBack) {
  Slider slider;
  slider.resize(110, 14);
  slider.SetPosition(1.5f);
  auto reports = TakeReports();
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_NE(reports[0].find("Error in line: _pos>=0&&pos<=1"), std::string::npos);
  EXPECT_FLOAT_EQ(slider.Position(), 1.0f);
  slider.SetPosition(-0.1f);
  EXPECT_EQ(TakeReports().size(), 1u);
  EXPECT_FLOAT_EQ(slider.Position(), 0.0f);
  slider.Picture();
  EXPECT_TRUE(TakeReports().empty());
}

TEST(LSliderGeometry, MapsTheWholeWidthOntoMinusHalfToHalf) {
  EXPECT_FLOAT_EQ(LSliderPositionAt(0, 200), -0.5f);
  EXPECT_FLOAT_EQ(LSliderPositionAt(100, 200), 0.0f);
  EXPECT_FLOAT_EQ(LSliderPositionAt(200, 200), 0.5f);
  EXPECT_FLOAT_EQ(LSliderPositionAt(-9, 200), -0.5f);
  EXPECT_FLOAT_EQ(LSliderPositionAt(999, 200), 0.5f);
  EXPECT_FLOAT_EQ(LSliderPositionAt(3, 0), 0.0f);
  EXPECT_EQ(LSliderThumbX(-0.5f, 200), 0);
  EXPECT_EQ(LSliderThumbX(0.0f, 200), 94);
  EXPECT_EQ(LSliderThumbX(0.5f, 200), 188);
  EXPECT_EQ(LSliderStripTop(25), 5);
  EXPECT_EQ(LSliderStripTop(24), 4);
}

TEST_F(ControlTest, LSliderNotifiesWhileDraggingAndAsksToApplyOnRelease) {
  LSlider slider;
  slider.resize(200, 25);
  QSignalSpy moves(&slider, &LSlider::clicked);
  QSignalSpy releases(&slider, &LSlider::released);
  QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(50, 10));
  EXPECT_FLOAT_EQ(slider.Position(), 0.0f);
  QTest::mouseMove(&slider, QPoint(150, 10));
  EXPECT_FLOAT_EQ(slider.Position(), 0.25f);
  QTest::mouseMove(&slider, QPoint(400, 10));
  EXPECT_FLOAT_EQ(slider.Position(), 0.5f);
  EXPECT_EQ(releases.count(), 0);
  QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(400, 10));
  EXPECT_EQ(moves.count(), 2);
  EXPECT_EQ(releases.count(), 1);
}

TEST_F(ControlTest, LSliderTakesCentredPositionsAndReportsOthers) {
  LSlider slider;
  slider.resize(200, 25);
  slider.SetPosition(-0.5f);
  slider.SetPosition(0.5f);
  EXPECT_TRUE(TakeReports().empty());
  slider.SetPosition(0.7f);
  EXPECT_EQ(TakeReports().size(), 1u);
  EXPECT_FLOAT_EQ(slider.Position(), 0.5f);
}

TEST_F(ControlTest, LSliderStripShowsItsModeAndTheThumbWindowShowsTheStrip) {
  LSlider slider;
  slider.resize(200, 25);
  slider.SetMode(2);
  slider.SetPosition(-0.5f);
  QImage picture = slider.Picture();
  const int y = LSliderStripTop(25) + 7;
  EXPECT_EQ(picture.pixel(100, y), qRgb(127, 127, 127));
  EXPECT_EQ(picture.pixel(150, y), qRgb(191, 191, 191));
  // The thumb's window (x 4..8, y 10..14 for a bar at 0) lets the strip through.
  EXPECT_EQ(picture.pixel(6, 12), qRgb(7, 7, 7));
  EXPECT_EQ(picture.pixel(10, 12), qRgb(219, 219, 201));
  EXPECT_EQ(picture.pixel(0, 0), qRgb(0, 0, 0));
  EXPECT_EQ(picture.pixel(11, 24), qRgb(255, 255, 255));

  slider.SetMode(0);
  picture = slider.Picture();
  EXPECT_EQ(picture.pixel(100, y), qRgb(0, 255, 251));

  slider.SetMode(3);
  slider.Picture();
  const auto reports = TakeReports();
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_NE(reports[0].find("mode>=0 && mode<=2"), std::string::npos);
}

}  // namespace
}  // namespace tavolo
