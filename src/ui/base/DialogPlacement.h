// Where a dialog that edits the card live opens: beside the card, never over it.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace tavolo {

// The top-left corner for a dialog of `size` that leaves `avoid` (the card on the screen) in view:
// to its right, else its left, below it, above it, each wholly on `screen`. Where no side has room,
// the side with the most, the dialog kept on the screen.
QPoint PlaceBeside(const QRect& avoid, const QSize& size, const QRect& screen);

}  // namespace tavolo
