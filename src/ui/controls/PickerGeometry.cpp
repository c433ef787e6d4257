#include "ui/controls/PickerGeometry.h"

#include <QPainter>
#include <algorithm>

#include "ui/controls/ControlPainting.h"

namespace tavolo {

float PickerPositionAt(int coordinate, int length) {
  if (length <= 0) return 0.0f;
  return static_cast<float>(std::clamp(coordinate, 0, length)) / static_cast<float>(length);
}

int PickerMarkerCoordinate(float position, int length) {
  return static_cast<int>((position * 0.96f + 0.02f) * static_cast<float>(length));
}

void DrawPositionMarker(QImage& picture, QPoint centre) {
  const int x = centre.x();
  const int y = centre.y();
  {
    QPainter painter(&picture);
    DrawBox(painter, x - 7, y - 1, x - 2, y + 2, Qt::white, Qt::black);
    DrawBox(painter, x - 1, y - 7, x + 2, y - 2, Qt::white, Qt::black);
    DrawBox(painter, x + 3, y - 1, x + 8, y + 2, Qt::white, Qt::black);
    DrawBox(painter, x - 1, y + 3, x + 2, y + 8, Qt::white, Qt::black);
  }
  InvertRect(picture, QRect(x - 1, y - 1, 3, 3));
}

}  // namespace tavolo
