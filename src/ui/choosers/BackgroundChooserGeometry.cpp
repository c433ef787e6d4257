#include "ui/choosers/BackgroundChooserGeometry.h"

namespace tavolo {

QRect BackgroundChooserGeometry::Square(int slot) const {
  const int column = slot % kBackgroundChooserColumns;
  const int row = slot / kBackgroundChooserColumns;
  return QRect(kBackgroundChooserMargin + column * (cell + kBackgroundChooserMargin),
               gap + row * (cell + gap), cell, cell);
}

BackgroundChooserGeometry ComputeBackgroundChooserGeometry(QSize size, int count, int first) {
  BackgroundChooserGeometry geometry;
  geometry.cell = (size.width() - (kBackgroundChooserColumns + 1) * kBackgroundChooserMargin) /
                  kBackgroundChooserColumns;
  // A control too narrow for a one-pixel thumbnail shows none.
  if (geometry.cell <= 0 || size.height() <= 0) return geometry;
  const int capacity = kBackgroundChooserColumns * (size.height() / geometry.cell);
  if (count > capacity) {
    geometry.visible = capacity;
  } else if (count >= kBackgroundChooserColumns) {
    geometry.visible = count - count % kBackgroundChooserColumns;
  } else {
    // Fewer backgrounds than one row holds would otherwise never be shown at all.
    geometry.visible = count;
  }
  geometry.rows = (geometry.visible + kBackgroundChooserColumns - 1) / kBackgroundChooserColumns;
  geometry.gap = (size.height() - geometry.rows * geometry.cell) / (geometry.rows + 1);
  if (first + geometry.visible > count) geometry.visible = count - first;
  if (geometry.visible < 0) geometry.visible = 0;
  return geometry;
}

BackgroundChooserHit BackgroundChooserHitTest(const BackgroundChooserGeometry& geometry, QSize size,
                                              QPoint point) {
  BackgroundChooserHit hit;
  const int px = point.x();
  const int py = point.y();
  hit.inside = px > 0 && px < size.width() && py > 0 && py < size.height();
  if (!hit.inside) return hit;
  const int s = geometry.cell;
  const int g = geometry.gap;
  for (int r = 0; r <= geometry.rows; ++r) {
    if (r * (s + g) < py && py < (r + 1) * (s + g + 1)) hit.row = r;
  }
  for (int c = 0; c < kBackgroundChooserColumns; ++c) {
    if (c * (s + kBackgroundChooserMargin) < px &&
        px < (c + 1) * (s + kBackgroundChooserMargin + 1))
      hit.column = c;
  }
  if (px >= kBackgroundChooserColumns * (s + kBackgroundChooserMargin) + kBackgroundChooserColumns)
    hit.column = kBackgroundChooserColumns - 1;
  return hit;
}

}  // namespace tavolo
