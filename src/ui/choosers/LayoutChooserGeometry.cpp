#include "ui/choosers/LayoutChooserGeometry.h"

#include "core/render/LayoutThumbnail.h"

namespace tavolo {

namespace {

QRect FromEdges(double left, double top, double right, double bottom) {
  const int l = static_cast<int>(left);
  const int t = static_cast<int>(top);
  return QRect(l, t, static_cast<int>(right) - l, static_cast<int>(bottom) - t);
}

}  // namespace

QRect LayoutChooserGeometry::Thumbnail(int layout) const {
  return QRect(static_cast<int>(Left(layout)), static_cast<int>(top), static_cast<int>(thumbWidth),
               static_cast<int>(thumbHeight));
}

QRect LayoutChooserGeometry::Highlight(int layout) const {
  const double x = Left(layout);
  return FromEdges(x - gap / 2, 0, x + thumbWidth + gap / 2,
                   thumbHeight + 0.85 * (height - thumbHeight));
}

QRect LayoutChooserGeometry::HighlightInner(int layout) const {
  const double x = Left(layout);
  return FromEdges(x - gap / 2 + 3, 3, x + thumbWidth + gap / 2 - 3,
                   thumbHeight + (height - thumbHeight) / 4 + 6);
}

QRect LayoutChooserGeometry::Label(int layout) const {
  const double x = Left(layout);
  return FromEdges(x - gap / 2 + 3, thumbHeight + (height - thumbHeight) / 2 - 3, x + thumbWidth,
                   thumbHeight + (height - thumbHeight) / 4 + 50);
}

LayoutChooserGeometry ComputeLayoutChooserGeometry(QSize size) {
  LayoutChooserGeometry geometry;
  const int w = size.width();
  geometry.height = size.height();
  geometry.thumbWidth = static_cast<double>(w) / kLayoutChooserCells - 10;
  if (geometry.thumbWidth >= kLayoutThumbnailWidth) {
    geometry.thumbWidth = kLayoutThumbnailWidth;
    geometry.thumbHeight = kLayoutThumbnailHeight;
  } else {
    geometry.thumbHeight = geometry.thumbWidth * kLayoutThumbnailHeight / kLayoutThumbnailWidth;
  }
  geometry.gap = (w - kLayoutChooserCells * geometry.thumbWidth) / (kLayoutChooserCells + 1);
  geometry.top = (geometry.height - geometry.thumbHeight) / 4;
  // A control under 110 pixels wide would ask for thumbnails of no or negative size.
  geometry.thumbnailsShown = geometry.gap >= 0 && geometry.top >= 0 && geometry.thumbWidth >= 1 &&
                             geometry.thumbHeight >= 1;
  return geometry;
}

int LayoutChooserHoverColumn(int width, int x) {
  const int k = width / kLayoutChooserCells;
  if (x < 0 || k <= 0) return -1;
  const int column = x / k;
  return column < kLayoutChooserCells ? column : -1;
}

int LayoutChooserPressColumn(int width, int x) {
  const int k = width / kLayoutChooserCells;
  int found = -1;
  for (int i = 0; i < kLayoutChooserCells; ++i) {
    if (i * k <= x && x < static_cast<double>(i + 1) * width / kLayoutChooserCells) found = i;
  }
  return found;
}

}  // namespace tavolo
