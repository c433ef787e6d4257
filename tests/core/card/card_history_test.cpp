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
