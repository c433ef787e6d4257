// Where a QR code stands on the card drawn at a divisor, and its drawing: each module a square of
// whole device pixels, so that the code stays sharp at every resolution it is drawn at.
#pragma once

#include <QPainter>

#include "core/card/PixelRect.h"
#include "core/card/PlacedQrCode.h"
#include "core/qr/QrSymbol.h"

namespace tavolo {

// The square the code takes on the card drawn at `divisor`, quiet zone included: what the card
// shows of it and what a pointer takes hold of.
PixelRect QrCodeArea(const PlacedQrCode& code, int divisor);

// The modules' squares inside that area: each module is the area's side divided by the modules
// a side (quiet zone included), rounded down, and the code is centred in the area. A module of 0
// pixels means the area is smaller than one pixel a module.
struct QrModuleGrid {
  int left = 0;
  int top = 0;
  int modulePixels = 0;
};
QrModuleGrid QrModulesIn(const PixelRect& area, int span);

// Draws the code, its quiet zone in the ground colour. Below one pixel a module no code can be
// read; a small picture of it is then scaled into the area, to show where it stands.
void DrawQrCode(QPainter& painter, const QrSymbol& symbol, const PlacedQrCode& code, int divisor);

// The code alone in its colours, `pixels` a side, as a dialog previews it.
QImage QrCodeImage(const QrSymbol& symbol, const PlacedQrCode& code, int pixels);

}  // namespace tavolo
