// Where the layout chooser puts its eleven thumbnails (the ten layouts and "Custom"), their
// highlights and labels, and which cell a point is over. The same numbers paint the chooser and
// hit-test it.
#pragma once

#include <QRect>
#include <QSize>

namespace tavolo {

// The ten layouts and "Custom" (kCustomLayout).
inline constexpr int kLayoutChooserCells = 11;

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

// Thumbnails of W / 11 − 10 pixels, at most 106 × 66, spread evenly in one row.
LayoutChooserGeometry ComputeLayoutChooserGeometry(QSize size);

// The cell under x for the hover: columns W / 11 wide (whole pixels) from the left; -1 right of
// the last one or outside the control.
int LayoutChooserHoverColumn(int width, int x);
// The cell a press at x takes: the last i with i × (W / 11) ≤ x < (i + 1) × W / 11, so the
// pixels right of the last hover column still belong to the last cell; -1 outside.
int LayoutChooserPressColumn(int width, int x);

}  // namespace tavolo
