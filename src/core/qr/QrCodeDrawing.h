// Where a QR code stands on the card drawn at a divisor, and its drawing: each module whole
// device pixels, so that the code stays sharp at every resolution it is drawn at, and the code
// with its quiet zone fills its square exactly, so that it prints at the size it is given.
#pragma once

#include <algorithm>
#include <cstdint>

#include <QPainter>

#include "core/card/PixelRect.h"
#include "core/card/PlacedQrCode.h"
#include "core/qr/QrSymbol.h"

namespace tavolo {

// The square the code takes on the card drawn at `divisor`, quiet zone included: what the card
// shows of it and what a pointer takes hold of.
PixelRect QrCodeArea(const PlacedQrCode& code, int divisor);

// The modules inside that area: module k (quiet zone included) runs from Edge(k) to Edge(k + 1),
// the area's side shared out in whole pixels, so modules differ by a pixel at most.
// `modulePixels` is the smallest module's side; 0 means the area is smaller than one pixel a
// module.
struct QrModuleGrid {
  int left = 0;
  int top = 0;
  int modulePixels = 0;
  int side = 0;  // the area's side
  int span = 1;  // modules a side, quiet zone included
  int Edge(int k) const {
    return static_cast<int>((int64_t{k} * side + span / 2) / std::max(span, 1));
  }
};
QrModuleGrid QrModulesIn(const PixelRect& area, int span);

// Draws the code, its quiet zone in the ground colour. Below one pixel a module no code can be
// read; a small picture of it is then scaled into the area, to show where it stands.
void DrawQrCode(QPainter& painter, const QrSymbol& symbol, const PlacedQrCode& code, int divisor);

// The code alone in its colours, `pixels` a side, as a dialog previews it.
QImage QrCodeImage(const QrSymbol& symbol, const PlacedQrCode& code, int pixels);

}  // namespace tavolo
