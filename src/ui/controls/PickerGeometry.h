// Geometry of the dragged colour pickers: the mapping from the mouse to a position and the
// position marker, whose centre stays 2 % away from either edge.
#pragma once

#include <QImage>
#include <QPoint>

namespace tavolo {

// The position 0..1 under a coordinate along an axis `length` long (clamped to 0..length).
float PickerPositionAt(int coordinate, int length);
// Where the marker of a position sits along an axis `length` long.
int PickerMarkerCoordinate(float position, int length);
// Four small black arms outlined in white around `centre`, and the 3 x 3 centre inverted.
void DrawPositionMarker(QImage& picture, QPoint centre);

}  // namespace tavolo
