#include <gtest/gtest.h>

#include <QStringList>

#include "core/card/LayoutTable.h"

namespace tavolo {
namespace {

NamedValues Letters() {
  NamedValues v;
  for (int i = 0; i < kNamedValueCount; ++i) v[i] = QString(QChar('A' + i));
  return v;
}

QStringList Lines(const TextBoxLines& box) {
  QStringList out;
  for (int i = 0; i < box.count; ++i) out << box.line[i];
  return out;
}

TEST(LayoutTable, DefaultNamedValues) {
  const NamedValues& v = DefaultNamedValues();
  EXPECT_EQ(v[0], QStringLiteral("Company Name"));
  EXPECT_EQ(v[5], QStringLiteral("City, State/Province"));
  EXPECT_EQ(v[10], QStringLiteral("Phone: Number 2"));
}

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
  for (int lnmb : {2, 3, 6, 8}) {
    EXPECT_EQ(FieldDistribution(lnmb, Letters(), boxes), 3);
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

TEST(LayoutTable, PlacementRowsNameTheUsedBoxesInOrder) {
  for (int lnmb = 0; lnmb < kLayoutCount; ++lnmb) {
    const auto rows = PlacementRows(lnmb);
    ASSERT_EQ(static_cast<int>(rows.size()), LayoutBoxCount(lnmb));
    for (size_t i = 0; i < rows.size(); ++i) {
      EXPECT_EQ(rows[i].box, static_cast<int>(i));
      EXPECT_EQ(rows[i].angle, (lnmb == 6 && i == 0) ? 90 : 0);
    }
  }
  const auto rows = PlacementRows(1);
  EXPECT_EQ(rows[0].offset, 20);
  EXPECT_EQ(rows[3].align, kAlignRight);
  EXPECT_EQ(PlacementRows(9)[2].offset, 40);
  EXPECT_EQ(PlacementRows(9)[2].align, kAlignCenter);
}

TEST(LayoutTable, Names) {
  EXPECT_EQ(LayoutName(0), QStringLiteral("Layout 1"));
  EXPECT_EQ(LayoutName(9), QStringLiteral("Layout 10"));
}

}  // namespace
}  // namespace tavolo
