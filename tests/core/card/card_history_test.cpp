#include <gtest/gtest.h>

#include "core/base/CheckedCall.h"
#include "core/card/CardHistory.h"
#include "core/card/CardState.h"
#include "tests/core/ReportRecorder.h"

namespace tavolo {
namespace {

CardState Numbered(int n) {
  CardState s;
  s.dpi = n;
  return s;
}

TEST(CardState, BlankProjectResetsStylesAndGradientOnly) {
  CardState s;
  s.styles.fill({.size = "12",
                 .face = "Georgia",
                 .style = "Bold",
                 .textColour = {1, 2, 3},
                 .fillColour = {4, 5, 6},
                 .frameMode = kFrameCardLong,
                 .frameSize = 3,
                 .reserved = 7,
                 .opacity = 0.5f,
                 .brightness = 0.7f});
  std::tie(s.bgShift, s.gradScale, s.gradOrientation, s.backgroundColour, s.bgBrightness) =
      std::tuple(0.4f, 0.5f, kGradRightToLeft, HslColour{1, 2, 3}, 0.2f);
  std::tie(s.hueShift, s.layoutIndex, s.lines[0].line[0]) = std::tuple(0.3f, 6, "kept");
  // Black text at brightness 0 on a white fill, no frame; no gradient, white, full brightness.
  CardState expected = s;
  expected.styles.fill(TextBoxStyle{.brightness = 0.0f});
  std::tie(expected.bgShift, expected.gradScale, expected.gradOrientation,
           expected.backgroundColour, expected.bgBrightness) =
      std::tuple(0.0f, 0.0f, kGradTopToBottom, HslColour{0, 240, 240}, 1.0f);
  ResetForBlankProject(s);
  EXPECT_EQ(s, expected);
}

TEST(CardHistory, UndoRedoWalkThePushedStatesAndAPushAfterUndoDropsRedo) {
  CardHistory h;
  h.Clear();
  EXPECT_FALSE(h.CanUndo());
  h.Push(Numbered(1));
  EXPECT_EQ(h.Current(), 0);
  EXPECT_EQ(h.UndoCount(), 0);
  EXPECT_FALSE(h.CanUndo());  // the first state cannot be undone
  EXPECT_FALSE(h.CanRedo());
  for (int i = 2; i <= 3; ++i) h.Push(Numbered(i));
  EXPECT_EQ(h.StepBack().dpi, 2);
  EXPECT_EQ(h.StepBack().dpi, 1);
  EXPECT_FALSE(h.CanUndo());
  EXPECT_EQ(h.StepForward().dpi, 2);
  EXPECT_EQ(h.StepForward().dpi, 3);
  EXPECT_FALSE(h.CanRedo());
  h.StepBack();
  EXPECT_TRUE(h.CanRedo());
  h.Push(Numbered(9));
  EXPECT_FALSE(h.CanRedo());
  EXPECT_EQ(h.StepBack().dpi, 2);
}

TEST(CardHistory, RingCapsAt99UndoStepsAndWrapsBothWays) {
  CardHistory h;
  for (int i = 1; i <= 150; ++i) h.Push(Numbered(i));
  EXPECT_EQ(h.UndoCount(), 99);
  EXPECT_EQ(h.Current(), 49);
  CardState reached;
  for (int i = 0; i < 99; ++i) reached = h.StepBack();
  EXPECT_EQ(reached.dpi, 51);
  EXPECT_EQ(h.Current(), 50);
  EXPECT_FALSE(h.CanUndo());
  EXPECT_EQ(h.RedoCount(), 99);

  CardHistory w;
  for (int i = 0; i < 101; ++i) w.Push(Numbered(i));  // the 101st lands in slot 0
  EXPECT_EQ(w.Current(), 0);
  EXPECT_EQ(w.StepBack().dpi, 99);  // undo at slot 0 moves to slot 99
  EXPECT_EQ(w.Current(), 99);
  EXPECT_EQ(w.StepForward().dpi, 100);  // redo at slot 99 moves to slot 0
  EXPECT_EQ(w.Current(), 0);
}

TEST(CardHistory, RedoOfANegativeNumberRaisesTheReport) {
  const test::ReportRecorder reports;
  CardHistory h;
  h.Push(Numbered(1));
  CardState bad = Numbered(2);
  bad.backgroundIndex = -1;
  bad.layoutIndex = -3;
  h.Push(bad);
  h.StepBack();
  const CardState applied = h.StepForward();  // after Retry the state is still given back
  EXPECT_EQ(applied.dpi, 2);
  ASSERT_EQ(reports.Reports().size(), 2u);
  EXPECT_NE(reports.Reports()[0].find("Error in line: pds[cur].pnmb >=0"), std::string::npos);
  EXPECT_NE(reports.Reports()[1].find("Error in line: pds[cur].lnmb >=0"), std::string::npos);
}

}  // namespace
}  // namespace tavolo
