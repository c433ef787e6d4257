#include "ui/library/BgBtnGeometry.h"

namespace tavolo {

QRect BgBtnGeometry::Square(int slot) const {
  const int column = slot % kBgBtnColumns;
  const int row = slot / kBgBtnColumns;
  return QRect(kBgBtnMargin + column * (cell + kBgBtnMargin), gap + row * (cell + gap), cell, cell);
}

BgBtnGeometry ComputeBgBtnGeometry(QSize size, int count, int first) {
  BgBtnGeometry geometry;
  geometry.cell = (size.width() - (kBgBtnColumns + 1) * kBgBtnMargin) / kBgBtnColumns;
  // A control too narrow for a one-pixel thumbnail shows none.
  if (geometry.cell <= 0 || size.height() <= 0) return geometry;
  const int capacity = kBgBtnColumns * (size.height() / geometry.cell);
  if (count > capacity) {
    geometry.visible = capacity;
  } else if (count >= kBgBtnColumns) {
    geometry.visible = count - count % kBgBtnColumns;
  } else {
    // Fewer backgrounds than one row holds would otherwise never be shown at all.
    geometry.visible = count;
  }
  geometry.rows = (geometry.visible + kBgBtnColumns - 1) / kBgBtnColumns;
  geometry.gap = (size.height() - geometry.rows * geometry.cell) / (geometry.rows + 1);
  if (first + geometry.visible > count) geometry.visible = count - first;
  if (geometry.visible < 0) geometry.visible = 0;
  return geometry;
}

BgBtnHit BgBtnHitTest(const BgBtnGeometry& geometry, QSize size, QPoint point) {
  BgBtnHit hit;
  const int px = point.x();
  const int py = point.y();
  hit.inside = px > 0 && px < size.width() && py > 0 && py < size.height();
  if (!hit.inside) return hit;
  const int s = geometry.cell;
  const int g = geometry.gap;
  for (int r = 0; r <= geometry.rows; ++r) {
    if (r * (s + g) < py && py < (r + 1) * (s + g + 1)) hit.row = r;
  }
  for (int c = 0; c < kBgBtnColumns; ++c) {
    if (c * (s + kBgBtnMargin) < px && px < (c + 1) * (s + kBgBtnMargin + 1)) hit.column = c;
  }
  if (px >= kBgBtnColumns * (s + kBgBtnMargin) + kBgBtnColumns) hit.column = kBgBtnColumns - 1;
  return hit;
}

}  // namespace tavolo
