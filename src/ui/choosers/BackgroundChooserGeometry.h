// Where the background chooser puts its thumbnails and which one a point hits. The same numbers
// paint the chooser and hit-test it.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace tavolo {

inline constexpr int kBackgroundChooserMargin = 5;  // between columns and at the left
inline constexpr int kBackgroundChooserColumns = 3;

struct BackgroundChooserGeometry {
  int cell = 0;     // width = height of a thumbnail
  int rows = 0;     // whole rows of a full page
  int gap = 0;      // between rows and above the first row
  int visible = 0;  // backgrounds on this page

  // The square of the `slot`-th thumbnail of the page, counted from 0.
  QRect Square(int slot) const;
};

// The page of a chooser of `size` holding `count` backgrounds, starting at number `first`. Only
// whole rows are shown, except on a last page, which may end in a partial row, and when there are
// fewer backgrounds than one row holds.
BackgroundChooserGeometry ComputeBackgroundChooserGeometry(QSize size, int count, int first);

struct BackgroundChooserHit {
  bool inside = false;  // the point lies strictly inside the control
  int row = -1;         // -1 when no row was hit
  int column = -1;

  bool Found() const { return inside && row >= 0; }
  // The background under the point, on the page that starts at `first`.
  int Item(int first) const { return first + kBackgroundChooserColumns * row + column; }
};

// Rows reach from r × (cell + gap) to (r + 1) × (cell + gap + 1) and columns from
// c × (cell + margin) to (c + 1) × (cell + margin + 1), both exclusive, the later one winning
// where they overlap; a row just below the last one counts too, and the third column reaches
// to the right edge.
BackgroundChooserHit BackgroundChooserHitTest(const BackgroundChooserGeometry& geometry, QSize size,
                                              QPoint point);

}  // namespace tavolo
