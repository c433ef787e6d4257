// Where the preview puts the card: its scale (Zoom to Fit: as large as fits the control with at
// least 10 pixels to spare on each side; or a fixed zoom of 50, 100 or 200 per cent, one card pixel
// per control pixel at 100), the centred card rectangle, and the divisor at which the card is
// drawn before it is brought to the screen's pixels; and how card pixels map onto the control's.
// Shared by the paint, the pointer and the tests.
#pragma once

#include <optional>

#include <QPointF>
#include <QRect>
#include <QRectF>

#include "core/card/CardState.h"
#include "core/editing/CardPoint.h"
#include "core/editing/CardRect.h"

namespace tavolo {

// The card keeps this many pixels clear on both sides of each axis together.
inline constexpr int kPreviewMargin = 20;

// The fixed zooms, in per cent; 0 stands for Zoom to Fit.
inline constexpr int kZoomToFit = 0;
inline constexpr int kZoomSteps[] = {50, 100, 200};

struct CardPreviewGeometry {
  double scale = 1;  // control pixels per card pixel
  int divisor = 1;  // the card is drawn at cardWidth / divisor × cardHeight / divisor device pixels
  int dx = 0;       // drawn card width, cardWidth / divisor
  int dy = 0;       // drawn card height, cardHeight / divisor
  QRect card;       // the card on the screen, in the item rectangle's pixels
};

// The card's pixel size from the live state's float size (truncated; damaged values are bounded).
int CardPixels(float size);

// `item` is the control's item rectangle; W and H the card's pixel size; `zoomPercent` one of
// kZoomSteps or kZoomToFit; `devicePixelRatio` the screen's device pixels per control pixel. A
// control of 20 pixels or less on a side counts its room as 1 pixel there, so the scale stays
// defined. The divisor is the largest that still draws the card with at least as many pixels as
// the screen shows of it: the picture is only ever reduced, never enlarged.
CardPreviewGeometry PreviewGeometryFor(const QRect& item, int cardWidth, int cardHeight,
                                       int zoomPercent = kZoomToFit, qreal devicePixelRatio = 1);
// The fixed zoom after `scale` (control pixels per card pixel) towards larger (`in`) or smaller;
// none when no fixed zoom lies that way.
std::optional<int> NextZoom(double scale, bool in);

// A box of card pixels in the control's pixels.
QRectF OnScreen(const CardRect& box, const CardPreviewGeometry& geometry);
// The card pixel under `point` (control pixels), on the card or beside it.
CardPoint CardPointAt(QPointF point, const CardPreviewGeometry& geometry);
// A length of control pixels in card pixels.
float CardLength(double controlPixels, const CardPreviewGeometry& geometry);

}  // namespace tavolo
