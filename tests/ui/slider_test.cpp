// The two sliders: where a press lands, dragging with clamping, the release that asks the owner
// to apply, and positions out of range reported and pulled back. Their looks are in the goldens.
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

TEST(SliderGeometry, MapsTheTrackOntoItsRangeAndClamps) {
  struct Case {
    int x, width;
    float position;
  };
  // The plain slider's track is inset by 5; a slider too narrow for it maps to 0.
  for (const Case& c : {Case{5, 110, 0.0f}, Case{105, 110, 1.0f}, Case{55, 110, 0.5f},
                        Case{-40, 110, 0.0f}, Case{300, 110, 1.0f}, Case{5, 10, 0.0f}}) {
    EXPECT_FLOAT_EQ(SliderPositionAt(c.x, c.width), c.position) << c.x << " of " << c.width;
  }
  // The tint slider's whole width is -0.5 to 0.5.
  for (const Case& c : {Case{0, 200, -0.5f}, Case{100, 200, 0.0f}, Case{200, 200, 0.5f},
                        Case{-9, 200, -0.5f}, Case{999, 200, 0.5f}, Case{3, 0, 0.0f}}) {
    EXPECT_FLOAT_EQ(LSliderPositionAt(c.x, c.width), c.position) << c.x << " of " << c.width;
  }
  EXPECT_EQ(SliderThumbX(1.0f, 110), 104);
  EXPECT_EQ(SliderThumbX(0.0f, 110), 5);
  EXPECT_EQ(SliderThumbX(0.5f, 110), 54);
  EXPECT_EQ(LSliderThumbX(-0.5f, 200), 0);
  EXPECT_EQ(LSliderThumbX(0.0f, 200), 94);
  EXPECT_EQ(LSliderThumbX(0.5f, 200), 188);
  EXPECT_EQ(LSliderStripTop(25), 5);
  EXPECT_EQ(LSliderStripTop(24), 4);
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

TEST_F(ControlTest, PositionsAndModesOutOfRangeAreReportedAndPulledBack) {
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

  LSlider centred;
  centred.resize(200, 25);
  centred.SetPosition(-0.5f);
  centred.SetPosition(0.5f);
  EXPECT_TRUE(TakeReports().empty());
  centred.SetPosition(0.7f);
  EXPECT_EQ(TakeReports().size(), 1u);
  EXPECT_FLOAT_EQ(centred.Position(), 0.5f);
  centred.SetMode(3);
  centred.Picture();
  reports = TakeReports();
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_NE(reports[0].find("mode>=0 && mode<=2"), std::string::npos);
}

}  // namespace
}  // namespace tavolo
