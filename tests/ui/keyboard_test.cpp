// The owner-drawn controls from the keyboard: Tab reaches them, a focus mark shows while they
// have the focus, Space or Enter presses a button, and the arrow keys move sliders, pickers and
// marks.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <memory>

#include "core/library/BackgroundTable.h"
#include "tests/ui/ReportLog.h"
#include "tests/ui/TestBackgrounds.h"
#include "ui/app/Textprop.h"
#include "ui/controls/ColorLine.h"
#include "ui/controls/FldName.h"
#include "ui/controls/GenBtn.h"
#include "ui/controls/HLPicker.h"
#include "ui/controls/HueSlider.h"
#include "ui/controls/LSlider.h"
#include "ui/controls/SLSlider.h"
#include "ui/controls/Slider.h"
#include "ui/library/BgBtn.h"
#include "ui/library/LayoutsBtn.h"

namespace tavolo {
namespace {

using test::ControlTest;

// A control in a window of its own, shown and given the keyboard focus.
struct Focused {
  explicit Focused(OwnerDrawnControl* made, QSize size) : control(made) {
    control->setParent(&window);
    control->resize(size);
    window.resize(size + QSize(20, 20));
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    control->setFocus(Qt::TabFocusReason);
  }
  QWidget window;
  OwnerDrawnControl* control;
};

TEST_F(ControlTest, TabReachesTheControlsAndAFocusMarkShowsOnlyWhileFocused) {
  BackgroundTable table = test::SyntheticBackgrounds(6);
  const std::pair<std::function<OwnerDrawnControl*()>, QSize> controls[] = {
      {[] { return new GenBtn; }, {120, 30}},
      {[] { return new Slider; }, {120, 14}},
      {[] { return new LSlider; }, {120, 25}},
      {[] { return new ColorLine; }, {154, 34}},
      {[&] {
         auto* chooser = new BgBtn;
         chooser->SetBackgrounds(&table);
         return chooser;
       },
       {300, 300}},
      {[] { return new LayoutsBtn; }, {1000, 120}},
      {[] { return new Textprop; }, {250, 20}},
  };
  for (const auto& [make, size] : controls) {
    Focused focused(make(), size);
    OwnerDrawnControl& control = *focused.control;
    const char* name = control.metaObject()->className();
    EXPECT_EQ(control.focusPolicy(), Qt::TabFocus) << name;
    ASSERT_TRUE(control.hasFocus()) << name;
    const QImage marked = control.Picture();
    control.clearFocus();
    EXPECT_NE(control.Picture(), marked) << name;
  }
  FldName label;
  EXPECT_EQ(label.focusPolicy(), Qt::NoFocus);
}

TEST_F(ControlTest, SpaceAndEnterPressAFocusedButtonUnlessItIsInactive) {
  for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
    Focused button(new GenBtn, {120, 30});
    QSignalSpy clicked(button.control, &OwnerDrawnControl::clicked);
    QTest::keyPress(button.control, key);
    EXPECT_TRUE(static_cast<GenBtn*>(button.control)->IsPressed());
    EXPECT_EQ(clicked.count(), 0);
    QTest::keyRelease(button.control, key);
    EXPECT_EQ(clicked.count(), 1) << key;
    static_cast<GenBtn*>(button.control)->SetActive(false);
    QTest::keyClick(button.control, key);
    EXPECT_EQ(clicked.count(), 1) << key;
  }
  Focused caption(new Textprop, {250, 20});
  QSignalSpy captionClicked(caption.control, &OwnerDrawnControl::clicked);
  QTest::keyClick(caption.control, Qt::Key_Return);
  EXPECT_EQ(captionClicked.count(), 1);
}

TEST_F(ControlTest, ArrowKeysMoveTheSlidersWithinTheirRanges) {
  Focused plain(new Slider, {120, 14});
  auto* slider = static_cast<Slider*>(plain.control);
  QSignalSpy moved(slider, &OwnerDrawnControl::clicked);
  const struct {
    Qt::Key key;
    float position;
  } steps[] = {{Qt::Key_Right, 0.05f}, {Qt::Key_Up, 0.1f},      {Qt::Key_PageUp, 0.3f},
               {Qt::Key_Left, 0.25f},  {Qt::Key_End, 1.0f},     {Qt::Key_Right, 1.0f},
               {Qt::Key_Home, 0.0f},   {Qt::Key_PageDown, 0.0f}};
  for (const auto& step : steps) {
    QTest::keyClick(slider, step.key);
    EXPECT_FLOAT_EQ(slider->Position(), step.position) << step.key;
  }
  EXPECT_EQ(moved.count(), 8);

  // The tint slider asks to apply once per key released; other keys do nothing.
  Focused centred(new LSlider, {120, 25});
  auto* tint = static_cast<LSlider*>(centred.control);
  QSignalSpy tintMoved(tint, &OwnerDrawnControl::clicked);
  QSignalSpy released(tint, &LSlider::released);
  QTest::keyPress(tint, Qt::Key_Home);
  EXPECT_FLOAT_EQ(tint->Position(), -0.5f);
  EXPECT_EQ(released.count(), 0);
  QTest::keyRelease(tint, Qt::Key_Home);
  QTest::keyClick(tint, Qt::Key_A);
  EXPECT_EQ(tintMoved.count(), 1);
  EXPECT_EQ(released.count(), 1);
}

TEST_F(ControlTest, ArrowKeysMoveThePickersAndMarksAndNotifyAsTheMouseDoes) {
  Focused strip(new HueSlider, {200, 20});
  auto* hue = static_cast<HueSlider*>(strip.control);
  QTest::keyClick(hue, Qt::Key_Left);
  EXPECT_FLOAT_EQ(hue->Position(), 0.0f);
  for (int i = 0; i < 4; ++i) QTest::keyClick(hue, Qt::Key_Right);
  EXPECT_FLOAT_EQ(hue->Position(), 0.1f);

  Focused square(new SLSlider, {200, 200});
  auto* sl = static_cast<SLSlider*>(square.control);
  sl->SetSaturation(0.5f);
  sl->SetLightness(1.0f);
  for (Qt::Key key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_Right}) QTest::keyClick(sl, key);
  EXPECT_FLOAT_EQ(sl->Saturation(), 0.525f);
  EXPECT_FLOAT_EQ(sl->Lightness(), 0.975f);

  Focused palette(new HLPicker, {221, 169});
  auto* picker = static_cast<HLPicker*>(palette.control);
  QSignalSpy picked(picker, &OwnerDrawnControl::clicked);
  for (Qt::Key key : {Qt::Key_Up, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Return}) {
    QTest::keyClick(picker, key);
  }
  EXPECT_EQ(picker->CurrentColor(), HLPickerCellColour(1, 2));
  EXPECT_EQ(picked.count(), 1);

  Focused swatches(new ColorLine, {154, 34});
  auto* line = static_cast<ColorLine*>(swatches.control);
  for (Qt::Key key :
       {Qt::Key_Left, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Space}) {
    QTest::keyClick(line, key);
  }
  EXPECT_EQ(line->FocusCell(), 9);
  EXPECT_EQ(line->CurrentColor(), ColorLineCellColour(9));
  EXPECT_EQ(ColorLineCellAfterKey(6, Qt::Key_Right), 6);
  EXPECT_EQ(ColorLineCellAfterKey(13, Qt::Key_Up), 6);

  BackgroundTable table = test::SyntheticBackgrounds(9);
  auto* bg = new BgBtn;
  bg->SetBackgrounds(&table);
  Focused chooser(bg, {300, 300});
  QSignalSpy chosen(bg, &BgBtn::backgroundPicked);
  EXPECT_EQ(bg->FocusItem(), 1);  // the selected one
  for (Qt::Key key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down}) {
    QTest::keyClick(bg, key);
  }
  EXPECT_EQ(bg->FocusItem(), std::min(8, bg->Visible() - 1));
  QTest::keyClick(bg, Qt::Key_Return);
  EXPECT_EQ(bg->Selected(), bg->FocusItem());
  EXPECT_EQ(chosen.count(), 1);

  auto* layouts = new LayoutsBtn;
  Focused thumbnails(layouts, {1000, 120});
  QSignalSpy layoutPicked(layouts, &LayoutsBtn::layoutPicked);
  QTest::keyClick(layouts, Qt::Key_Enter);  // the current one: nothing
  EXPECT_EQ(layoutPicked.count(), 0);
  for (Qt::Key key : {Qt::Key_End, Qt::Key_Left, Qt::Key_Space}) QTest::keyClick(layouts, key);
  EXPECT_EQ(layouts->Current(), 8);
  EXPECT_EQ(layoutPicked.count(), 1);
}

}  // namespace
}  // namespace tavolo
