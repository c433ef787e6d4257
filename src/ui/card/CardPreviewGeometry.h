// Where the preview puts the card: the integer divisor that fits the full-size card into the
// control with at least 10 pixels to spare on each side, the drawn size, and the centred card
// rectangle; and where the photo, the logo and the QR code stand on it. Shared by the paint, the
// pointer and the tests.
#pragma once

#include <optional>

#include <QPointF>
#include <QRect>

#include "core/card/CardState.h"

namespace tavolo {

// The card keeps this many pixels clear on both sides of each axis together.
inline constexpr int kPreviewMargin = 20;

struct CardPreviewGeometry {
  int divisor = 1;
  int dx = 0;  // drawn card width, cardWidth / divisor
  int dy = 0;  // drawn card height, cardHeight / divisor
  QRect card;  // frameColour: the drawn card inside the item rectangle
};

// The card's pixel size from the live state's float size (truncated; damaged values are bounded).
int CardPixels(float size);

// `item` is the control's item rectangle; W and H the card's pixel size. A control of 20 pixels or
// less on a side counts its room as 1 pixel there, so the divisor stays defined.
CardPreviewGeometry PreviewGeometryFor(const QRect& item, int cardWidth, int cardHeight);

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
