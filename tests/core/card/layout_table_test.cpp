// The layouts: how the field values are spread over the boxes, where the boxes sit, and the
// thumbnails that show every line of default text as one bar.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include <QStringList>

#include "core/card/LayoutTable.h"
#include "core/card/LayoutThumbnail.h"

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

std::map<int, std::vector<QRect>> BarsByBox(int layoutIndex) {
  std::map<int, std::vector<QRect>> boxes;
  for (const ThumbnailBar& bar : LayoutThumbnailBars(layoutIndex))
    boxes[bar.box].push_back(bar.rect);
  return boxes;
}

TEST(LayoutThumbnail, OneBarPerDistributedLineInsideTheCardWithoutOverlaps) {
  const QRect inner = LayoutThumbnailInnerArea();
  for (int layoutIndex = 0; layoutIndex < kLayoutCount; ++layoutIndex) {
    SCOPED_TRACE(layoutIndex);
    std::array<TextBoxLines, kTextBoxCount> boxes{};
    const int boxCount = FieldDistribution(layoutIndex, DefaultNamedValues(), boxes);
    const std::map<int, std::vector<QRect>> bars = BarsByBox(layoutIndex);
    ASSERT_EQ(static_cast<int>(bars.size()), boxCount);
    for (const auto& [box, rects] : bars)
      EXPECT_EQ(static_cast<int>(rects.size()), boxes[box].count);

    const std::vector<ThumbnailBar> all = LayoutThumbnailBars(layoutIndex);
    for (size_t i = 0; i < all.size(); ++i) {
      EXPECT_TRUE(inner.contains(all[i].rect)) << "box " << all[i].box;
      for (size_t j = i + 1; j < all.size(); ++j) {
        EXPECT_FALSE(all[i].rect.intersects(all[j].rect))
            << "boxes " << all[i].box << " and " << all[j].box;
      }
    }
  }
}

TEST(LayoutThumbnail, BoxesSitWhereTheirRowsPutThem) {
  const QRect inner = LayoutThumbnailInnerArea();
  const int innerRight = inner.left() + inner.width();
  const int innerBottom = inner.top() + inner.height();
  for (int layoutIndex = 0; layoutIndex < kLayoutCount; ++layoutIndex) {
    const std::map<int, std::vector<QRect>> bars = BarsByBox(layoutIndex);
    for (const PlacementRow& row : PlacementRows(layoutIndex)) {
      SCOPED_TRACE(testing::Message() << "layout " << layoutIndex << " box " << row.box);
      const std::vector<QRect>& rects = bars.at(row.box);
      QRect bounds;
      for (const QRect& bar : rects) bounds |= bar;
      if (row.angle != 0) {
        // The seventh layout's company name runs upward at the left, centred on the height.
        ASSERT_EQ(rects.size(), 1u);
        EXPECT_GT(bounds.height(), 3 * bounds.width());
        EXPECT_LE(bounds.left() - inner.left(), 1);
        EXPECT_LE(
            std::abs(bounds.top() - (kLayoutThumbnailHeight - bounds.top() - bounds.height())), 1);
        continue;
      }
      // A bar sits within its line, at most one pixel from the line's edges.
      if (row.offset == kOffsetTop) {
        EXPECT_LE(bounds.top() - inner.top(), 1);
      } else if (row.offset == kOffsetBottom) {
        EXPECT_LE(innerBottom - (bounds.top() + bounds.height()), 1);
        EXPECT_GE(innerBottom, bounds.top() + bounds.height());
      } else {
        EXPECT_LE(std::abs(bounds.top() - (inner.top() + inner.height() * row.offset / 100)), 1);
      }
      for (const QRect& bar : rects) {
        EXPECT_GT(bar.width(), bar.height());
        const int leftSpace = bar.left() - inner.left();
        const int rightSpace = innerRight - (bar.left() + bar.width());
        if (row.align == kAlignLeft) {
          EXPECT_EQ(leftSpace, 0);
        } else if (row.align == kAlignRight) {
          EXPECT_EQ(rightSpace, 0);
        } else {
          EXPECT_LE(std::abs(leftSpace - rightSpace), 1);
        }
      }
    }
  }
}

TEST(LayoutThumbnail, PicturesAndStrip) {
  for (int layoutIndex : {-1, 10}) {
    EXPECT_EQ(LayoutThumbnailBars(layoutIndex).size(), LayoutThumbnailBars(0).size());
  }
  const QImage strip = LayoutStrip();
  ASSERT_EQ(strip.size(), QSize(1060, 66));
  for (int layoutIndex = 0; layoutIndex < kLayoutCount; ++layoutIndex) {
    const QImage thumbnail = LayoutThumbnail(layoutIndex);
    ASSERT_EQ(thumbnail.size(), QSize(kLayoutThumbnailWidth, kLayoutThumbnailHeight));
    EXPECT_EQ(strip.copy(layoutIndex * kLayoutThumbnailWidth, 0, kLayoutThumbnailWidth,
                         kLayoutThumbnailHeight),
              thumbnail)
        << layoutIndex;
    // The card's edge frames a lighter face, and every bar is painted on it.
    EXPECT_NE(thumbnail.pixel(0, 0), thumbnail.pixel(2, 2));
    for (const ThumbnailBar& bar : LayoutThumbnailBars(layoutIndex)) {
      EXPECT_NE(thumbnail.pixel(bar.rect.center()), thumbnail.pixel(2, 2));
    }
  }
}

}  // namespace
}  // namespace tavolo
