#include <gtest/gtest.h>

#include "core/base/CheckedCall.h"
#include "core/card/CardHistory.h"
#include "tests/core/ReportRecorder.h"

namespace tavolo {
namespace {

CardState Numbered(int n) {
  CardState s;
  s.dpi = n;
  return s;
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

TEST(CardHistory, RingCapsAt99UndoSteps) {
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
}

TEST(CardHistory, BothWrapArounds) {
  CardHistory h;
  for (int i = 0; i < 101; ++i) h.Push(Numbered(i));  // the 101st lands in slot 0
  EXPECT_EQ(h.Current(), 0);
  EXPECT_EQ(h.StepBack().dpi, 99);  // undo at slot 0 moves to slot 99
  EXPECT_EQ(h.Current(), 99);
  EXPECT_EQ(h.StepForward().dpi, 100);  // redo at slot 99 moves to slot 0
  EXPECT_EQ(h.Current(), 0);
}

TEST(CardHistory, RedoOfANegativeNumberRaisesTheReport) {
  const test::ReportRecorder reports;
  CardHistory h;
  h.Push(Numbered(1));
  CardState bad = Numbered(2);
  bad.pnmb = -1;
  bad.lnmb = -3;
  h.Push(bad);
  h.StepBack();
  const CardState applied = h.StepForward();  // after Retry the state is still given back
  EXPECT_EQ(applied.dpi, 2);
  ASSERT_EQ(reports.Reports().size(), 2u);
  EXPECT_NE(reports.Reports()[0].find("Error in line: pds[cur].pnmb >=0"), std::string::npos);
  EXPECT_NE(reports.Reports()[1].find("Error in line: pds[cur].lnmb >=0"), std::string::npos);
}

TEST(CardHistory, SlotsAreIndependentCopies) {
  CardHistory h;
  CardState s;
  s.lines[0].line[0] = QStringLiteral("before");
  h.Push(s);
  s.lines[0].line[0] = QStringLiteral("after");
  EXPECT_EQ(h.Slot(0).lines[0].line[0], QStringLiteral("before"));
}

}  // namespace
}  // namespace tavolo
