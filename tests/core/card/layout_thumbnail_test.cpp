// The layout thumbnails: every line of default text becomes one bar, each box lands where its
// placement row puts it on the card, and the strip holds the ten thumbnails in layout order.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "core/card/LayoutTable.h"
#include "core/card/LayoutThumbnail.h"

namespace tavolo {
namespace {

std::map<int, std::vector<QRect>> BarsByBox(int lnmb) {
  std::map<int, std::vector<QRect>> boxes;
  for (const ThumbnailBar& bar : LayoutThumbnailBars(lnmb)) boxes[bar.box].push_back(bar.rect);
  return boxes;
}

QRect Bounds(const std::vector<QRect>& bars) {
  QRect bounds;
  for (const QRect& bar : bars) bounds |= bar;
  return bounds;
}

TEST(LayoutThumbnail, OneBarPerDistributedLineInsideTheCardWithoutOverlaps) {
  const QRect inner = LayoutThumbnailInnerArea();
  for (int lnmb = 0; lnmb < kLayoutCount; ++lnmb) {
    SCOPED_TRACE(lnmb);
    std::array<TextBoxLines, kTextBoxCount> boxes{};
    const int boxCount = FieldDistribution(lnmb, DefaultNamedValues(), boxes);
    const std::map<int, std::vector<QRect>> bars = BarsByBox(lnmb);
    ASSERT_EQ(static_cast<int>(bars.size()), boxCount);
    for (const auto& [box, rects] : bars)
      EXPECT_EQ(static_cast<int>(rects.size()), boxes[box].count);

    const std::vector<ThumbnailBar> all = LayoutThumbnailBars(lnmb);
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
  for (int lnmb = 0; lnmb < kLayoutCount; ++lnmb) {
    const std::map<int, std::vector<QRect>> bars = BarsByBox(lnmb);
    for (const PlacementRow& row : PlacementRows(lnmb)) {
      SCOPED_TRACE(testing::Message() << "layout " << lnmb << " box " << row.box);
      const std::vector<QRect>& rects = bars.at(row.box);
      const QRect bounds = Bounds(rects);
      if (row.angle != 0) continue;
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

TEST(LayoutThumbnail, TheSeventhLayoutsCompanyNameRunsUpwardAtTheLeft) {
  const std::map<int, std::vector<QRect>> bars = BarsByBox(6);
  ASSERT_EQ(bars.at(0).size(), 1u);
  const QRect upright = bars.at(0).front();
  EXPECT_GT(upright.height(), 3 * upright.width());
  EXPECT_LE(upright.left() - LayoutThumbnailInnerArea().left(), 1);
  // Centred on the card's height, as the rotated text is.
  EXPECT_LE(std::abs(upright.top() - (kLayoutThumbnailHeight - upright.top() - upright.height())),
            1);
  for (int lnmb = 0; lnmb < kLayoutCount; ++lnmb) {
    for (const ThumbnailBar& bar : LayoutThumbnailBars(lnmb)) {
      if (lnmb == 6 && bar.box == 0) continue;
      EXPECT_GT(bar.rect.width(), bar.rect.height()) << "layout " << lnmb << " box " << bar.box;
    }
  }
}

TEST(LayoutThumbnail, TheCompanyNameStandsOutAndJoinedLinesAreLonger) {
  for (const ThumbnailBar& bar : LayoutThumbnailBars(0)) {
    if (bar.box == 0) {
      EXPECT_EQ(bar.kind, ThumbnailLineKind::Company);
    } else if (bar.box != 1) {
      EXPECT_EQ(bar.kind, ThumbnailLineKind::Detail);
      EXPECT_LT(bar.rect.height(), 4);
    }
  }
  // Layout 5's fourth box writes the whole address on one line: wider than any single part.
  const std::map<int, std::vector<QRect>> bars = BarsByBox(4);
  const std::vector<QRect>& joined = bars.at(3);
  ASSERT_EQ(joined.size(), 2u);
  int widestPart = 0;
  const std::map<int, std::vector<QRect>> firstLayout = BarsByBox(0);
  for (const QRect& bar : firstLayout.at(2)) widestPart = std::max(widestPart, bar.width());
  EXPECT_GT(joined[0].width(), 2 * widestPart);
  EXPECT_LE(joined[0].width(), LayoutThumbnailInnerArea().width());
}

TEST(LayoutThumbnail, PicturesAndStrip) {
  for (int lnmb : {-1, 10}) {
    EXPECT_EQ(LayoutThumbnailBars(lnmb).size(), LayoutThumbnailBars(0).size());
  }
  const QImage strip = LayoutStrip();
  ASSERT_EQ(strip.size(), QSize(1060, 66));
  for (int lnmb = 0; lnmb < kLayoutCount; ++lnmb) {
    const QImage thumbnail = LayoutThumbnail(lnmb);
    ASSERT_EQ(thumbnail.size(), QSize(kLayoutThumbnailWidth, kLayoutThumbnailHeight));
    EXPECT_EQ(
        strip.copy(lnmb * kLayoutThumbnailWidth, 0, kLayoutThumbnailWidth, kLayoutThumbnailHeight),
        thumbnail)
        << lnmb;
    // The card's edge frames a lighter face, and every bar is painted on it.
    EXPECT_NE(thumbnail.pixel(0, 0), thumbnail.pixel(2, 2));
    for (const ThumbnailBar& bar : LayoutThumbnailBars(lnmb)) {
      EXPECT_NE(thumbnail.pixel(bar.rect.center()), thumbnail.pixel(2, 2));
    }
  }
  EXPECT_NE(LayoutThumbnail(2), LayoutThumbnail(3));
}

}  // namespace
}  // namespace tavolo
