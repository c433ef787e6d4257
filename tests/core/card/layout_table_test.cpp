// The layouts: how the field values are spread over the boxes.
#include <gtest/gtest.h>

#include <array>

#include <QStringList>

#include "core/card/LayoutTable.h"
#include "tests/core/card/RenderTestSupport.h"

namespace tavolo {
namespace {

using test::Letters;
using test::Lines;

TEST(LayoutTable, FiveBoxDistribution) {
  std::array<TextBoxLines, kTextBoxCount> boxes{};
  EXPECT_EQ(FieldDistribution(0, Letters(), boxes), 5);
  EXPECT_EQ(Lines(boxes[0]), QStringList({"A"}));
  EXPECT_EQ(Lines(boxes[1]), QStringList({"B", "C"}));
  EXPECT_EQ(Lines(boxes[2]), QStringList({"D", "E", "F", "G"}));
  EXPECT_EQ(Lines(boxes[3]), QStringList({"H", "I"}));
  EXPECT_EQ(Lines(boxes[4]), QStringList({"J", "K"}));

  EXPECT_EQ(FieldDistribution(9, Letters(), boxes), 5);
  EXPECT_EQ(Lines(boxes[0]), QStringList({"B", "C"}));
  EXPECT_EQ(Lines(boxes[1]), QStringList({"H", "I"}));
  EXPECT_EQ(Lines(boxes[2]), QStringList({"A"}));
}

TEST(LayoutTable, ThreeBoxLayoutsPutEightLinesInBoxTwoAndKeepTheRest) {
  std::array<TextBoxLines, kTextBoxCount> boxes{};
  FieldDistribution(0, Letters(), boxes);
  for (int layoutIndex : {2, 3, 6, 8}) {
    EXPECT_EQ(FieldDistribution(layoutIndex, Letters(), boxes), 3);
    EXPECT_EQ(Lines(boxes[2]), QStringList({"D", "E", "F", "G", "J", "K", "H", "I"}));
    EXPECT_EQ(Lines(boxes[3]), QStringList({"H", "I"}));  // beyond the count: untouched
  }
}

TEST(LayoutTable, Layout5JoinsTheAddressOnOneLineEvenWithEmptyParts) {
  NamedValues v = Letters();
  v[4] = "";
  std::array<TextBoxLines, kTextBoxCount> boxes{};
  EXPECT_EQ(FieldDistribution(4, v, boxes), 4);
  EXPECT_EQ(Lines(boxes[2]), QStringList({"H", "I"}));
  EXPECT_EQ(Lines(boxes[3]), QStringList({"D  F G", "J K"}));
}

}  // namespace
}  // namespace tavolo
