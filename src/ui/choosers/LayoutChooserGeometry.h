// Where the layout chooser puts its ten thumbnails, their highlights and labels, and which layout
// a point is over. The same numbers paint the chooser and hit-test it.
#pragma once

#include <QRect>
#include <QSize>

namespace tavolo {

struct LayoutChooserGeometry {
  double thumbWidth = 0;
  double thumbHeight = 0;
  double gap = 0;  // between thumbnails and before the first
  double top = 0;  // top edge of every thumbnail
  int height = 0;  // the control's height
  bool thumbnailsShown = false;

  double Left(int layout) const { return gap + layout * (thumbWidth + gap); }
  // The thumbnail rectangle, each value truncated to whole pixels.
  QRect Thumbnail(int layout) const;
  // The lit area behind a hovered or current layout, and the inner area left in the background
  // colour, both as (left, top, right, bottom) with the right and bottom edges excluded.
  QRect Highlight(int layout) const;
  QRect HighlightInner(int layout) const;
  // The rectangle the label is centred in, on a single line from its top.
  QRect Label(int layout) const;
};

// Thumbnails of W × 0.1 − 10 pixels, at most 106 × 66, spread evenly in one row.
LayoutChooserGeometry ComputeLayoutChooserGeometry(QSize size);

// The layout under x for the hover: columns W / 10 wide from the left; -1 right of the last one
// or outside the control.
int LayoutChooserHoverColumn(int width, int x);
// The layout a press at x takes: the last i with i × (W / 10) ≤ x < (i + 1) × W × 0.1, so the
// pixels right of the tenth hover column still belong to the last layout; -1 outside.
int LayoutChooserPressColumn(int width, int x);

}  // namespace tavolo
