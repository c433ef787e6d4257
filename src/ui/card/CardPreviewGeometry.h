// Where the preview puts the card: its scale (Zoom to Fit: as large as fits the control with at
// least 10 pixels to spare on each side; or a fixed zoom of 50, 100 or 200 per cent, one card pixel
// per control pixel at 100), the centred card rectangle, and the divisor at which the card is
// drawn before it is brought to the screen's pixels; and where the photo, the logo and the QR code
// stand on it. Shared by the paint, the pointer and the tests.
#pragma once

#include <optional>

#include <QPointF>
#include <QRect>

#include "core/card/CardState.h"

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

// The part of the picture the card shows, in the control's pixels; empty when the card has no
// such picture.
QRect PictureOutline(const PlacedPicture& picture, const CardPreviewGeometry& geometry);
// What can be moved on the card with the pointer and the arrow keys.
enum class CardObject { kPhoto, kLogo, kQrCode };
// The part of the object the card shows, in the control's pixels; empty when the card has none.
QRect ObjectOutline(const CardState& card, CardObject object, const CardPreviewGeometry& geometry);
// The object under `point` (control pixels), the one drawn on top first; none when nothing is
// there.
std::optional<CardObject> ObjectAt(const CardState& card, const CardPreviewGeometry& geometry,
                                   QPoint point);
// Whether the card has the object, on the card or off it.
bool HasObject(const CardState& card, CardObject object);
// The object's centre on the card, card pixels; and the card with it moved there.
QPointF CentreOf(const CardState& card, CardObject object);
void MoveObject(CardState& card, CardObject object, QPointF centre);
// A movement of the pointer over the control, in card pixels.
QPointF CardPixelsMoved(QPoint controlPixels, const CardPreviewGeometry& geometry);

}  // namespace tavolo
