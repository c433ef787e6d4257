// The owner-drawn controls from the keyboard.
#include <QSignalSpy>
#include <functional>

#include "core/card/BackgroundTable.h"
#include "tests/ui/WidgetTest.h"
#include "ui/app/FieldCaption.h"
#include "ui/choosers/BackgroundChooser.h"
#include "ui/choosers/LayoutChooser.h"
#include "ui/controls/ColourLine.h"
#include "ui/controls/ColourStripSlider.h"
#include "ui/controls/FieldNameLabel.h"
#include "ui/controls/HueLightnessPicker.h"
#include "ui/controls/HueSlider.h"
#include "ui/controls/PillButton.h"
#include "ui/controls/SaturationLightnessSquare.h"
#include "ui/controls/Slider.h"

namespace tavolo {
namespace {

using test::ControlTest;

void Press(QWidget* widget, std::initializer_list<Qt::Key> keys) {
  for (const Qt::Key key : keys) QTest::keyClick(widget, key);
}

class Keyboard : public ControlTest {
 protected:
  // The control in a window of its own, kept until the test ends, shown and given the focus.
  template <class Control>
  Control* Focus(QSize size, Control* control = new Control) {
    QWidget& window = *windows_.emplace_back(std::make_unique<QWidget>());
    control->setParent(&window);
    control->resize(size);
    window.resize(size + QSize(20, 20));
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    control->setFocus(Qt::TabFocusReason);
    return control;
  }

  BackgroundTable table_ = test::SyntheticBackgrounds(9);
  std::vector<std::unique_ptr<QWidget>> windows_;
};

TEST_F(Keyboard, TabReachesTheControlsAFocusMarkShowsWhileFocusedAndKeysPressButtons) {
  const std::pair<std::function<OwnerDrawnControl*()>, QSize> controls[] = {
      {[] { return new PillButton; }, {120, 30}},
      {[] { return new Slider; }, {120, 14}},
      {[] { return new ColourStripSlider; }, {120, 25}},
      {[] { return new ColourLine; }, {154, 34}},
      {[&] {
         auto* chooser = new BackgroundChooser;
         chooser->SetBackgrounds(&table_);
         return chooser;
       },
       {300, 300}},
      {[] { return new LayoutChooser; }, {1000, 120}},
      {[] { return new FieldCaption; }, {250, 20}},
  };
  for (const auto& [make, size] : controls) {
    OwnerDrawnControl& control = *Focus(size, make());
    const char* name = control.metaObject()->className();
    EXPECT_EQ(control.focusPolicy(), Qt::TabFocus) << name;
    ASSERT_TRUE(control.hasFocus()) << name;
    const QImage marked = control.Picture();
    control.clearFocus();
    EXPECT_NE(control.Picture(), marked) << name;
  }
  FieldNameLabel label;
  EXPECT_EQ(label.focusPolicy(), Qt::NoFocus);

  // Space and Enter press a focused button unless it is inactive.
  for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
    auto* button = Focus<PillButton>({120, 30});
    QSignalSpy clicked(button, &OwnerDrawnControl::clicked);
    QTest::keyPress(button, key);
    EXPECT_TRUE(button->IsPressed());
    EXPECT_EQ(clicked.count(), 0);
    QTest::keyRelease(button, key);
    EXPECT_EQ(clicked.count(), 1) << key;
    button->SetActive(false);
    QTest::keyClick(button, key);
    EXPECT_EQ(clicked.count(), 1) << key;
  }
  auto* caption = Focus<FieldCaption>({250, 20});
  QSignalSpy captionClicked(caption, &OwnerDrawnControl::clicked);
  QTest::keyClick(caption, Qt::Key_Return);
  EXPECT_EQ(captionClicked.count(), 1);
}

TEST_F(Keyboard, ArrowKeysMoveSlidersPickersAndMarksWithinTheirRangesAndNotifyAsTheMouseDoes) {
  auto* slider = Focus<Slider>({120, 14});
  QSignalSpy moved(slider, &OwnerDrawnControl::clicked);
  const std::pair<Qt::Key, float> steps[] = {{Qt::Key_Right, 0.05f}, {Qt::Key_Up, 0.1f},
                                             {Qt::Key_PageUp, 0.3f}, {Qt::Key_Left, 0.25f},
                                             {Qt::Key_End, 1.0f},    {Qt::Key_Right, 1.0f},
                                             {Qt::Key_Home, 0.0f},   {Qt::Key_PageDown, 0.0f}};
  for (const auto& [key, position] : steps) {
    QTest::keyClick(slider, key);
    EXPECT_FLOAT_EQ(slider->Position(), position) << key;
  }
  EXPECT_EQ(moved.count(), 8);

  // The tint slider asks to apply once per key released; other keys do nothing.
  auto* tint = Focus<ColourStripSlider>({120, 25});
  QSignalSpy tintMoved(tint, &OwnerDrawnControl::clicked);
  QSignalSpy released(tint, &ColourStripSlider::released);
  QTest::keyPress(tint, Qt::Key_Home);
  EXPECT_FLOAT_EQ(tint->Position(), -0.5f);
  EXPECT_EQ(released.count(), 0);
  QTest::keyRelease(tint, Qt::Key_Home);
  QTest::keyClick(tint, Qt::Key_A);
  EXPECT_EQ(tintMoved.count(), 1);
  EXPECT_EQ(released.count(), 1);

  // The pickers and marks move and notify as the mouse makes them.
  auto* hue = Focus<HueSlider>({200, 20});
  QTest::keyClick(hue, Qt::Key_Left);
  EXPECT_FLOAT_EQ(hue->Position(), 0.0f);
  Press(hue, {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right});
  EXPECT_FLOAT_EQ(hue->Position(), 0.1f);

  auto* sl = Focus<SaturationLightnessSquare>({200, 200});
  sl->SetSaturation(0.5f);
  sl->SetLightness(1.0f);
  Press(sl, {Qt::Key_Down, Qt::Key_Up, Qt::Key_Right});
  EXPECT_FLOAT_EQ(sl->Saturation(), 0.525f);
  EXPECT_FLOAT_EQ(sl->Lightness(), 0.975f);

  auto* picker = Focus<HueLightnessPicker>({221, 169});
  QSignalSpy picked(picker, &OwnerDrawnControl::clicked);
  Press(picker, {Qt::Key_Up, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Return});
  EXPECT_EQ(picker->CurrentColour(), HLPickerCellColour(1, 2));
  EXPECT_EQ(picked.count(), 1);

  auto* line = Focus<ColourLine>({154, 34});
  Press(line,
        {Qt::Key_Left, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Space});
  EXPECT_EQ(line->FocusCell(), 9);
  EXPECT_EQ(line->CurrentColour(), ColourLineCellColour(9));
  EXPECT_EQ(ColourLineCellAfterKey(6, Qt::Key_Right), 6);
  EXPECT_EQ(ColourLineCellAfterKey(13, Qt::Key_Up), 6);

  auto* bg = new BackgroundChooser;
  bg->SetBackgrounds(&table_);
  Focus({300, 300}, bg);
  QSignalSpy chosen(bg, &BackgroundChooser::backgroundPicked);
  EXPECT_EQ(bg->FocusItem(), 1);  // the selected one
  Press(bg, {Qt::Key_Down, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down});
  EXPECT_EQ(bg->FocusItem(), std::min(8, bg->Visible() - 1));
  QTest::keyClick(bg, Qt::Key_Return);
  EXPECT_EQ(bg->Selected(), bg->FocusItem());
  EXPECT_EQ(chosen.count(), 1);

  auto* layouts = Focus<LayoutChooser>({1000, 120});
  QSignalSpy layoutPicked(layouts, &LayoutChooser::layoutPicked);
  QTest::keyClick(layouts, Qt::Key_Enter);  // the current one: nothing
  EXPECT_EQ(layoutPicked.count(), 0);
  // End marks "Custom", after the ten layouts.
  Press(layouts, {Qt::Key_End, Qt::Key_Left, Qt::Key_Space});
  EXPECT_EQ(layouts->Current(), 9);
  EXPECT_EQ(layoutPicked.count(), 1);
}

}  // namespace
}  // namespace tavolo
