// Geometry of the draft card preview of the photo and logo dialogs: the scale from card pixels to
// the control, where the picture is drawn, where a press grabs it and where a drag puts it. The
// control paints and hit-tests with these same functions.
#pragma once

#include <QPoint>
#include <QPointF>
#include <QSize>
#include <QSizeF>

#include "core/card/CardState.h"
#include "core/card/PlacedPicture.h"
#include "core/render/TextBoxRenderer.h"

namespace tavolo {

// Control pixels per card pixel, across and down.
struct PreviewScale {
  float sx = 0.0f;
  float sy = 0.0f;
  bool Usable() const { return sx > 0.0f && sy > 0.0f; }
};

// The card (width × height card pixels) stretched over the whole control; unusable for an
// empty card.
PreviewScale PreviewScaleFor(QSize control, QSizeF card);

// The draft preview for a card: half the print image across, 531 pixels, and the card's
// proportions, kept within 120 to 420 pixels down (and 120 to 700 across). A card of no usable
// size is shown as the default one.
QSize DraftPreviewSize(float cardWidth, float cardHeight);

// How the card is drawn under the object: divisor and size in pixels, about the print image's
// size (exactly it for the default card, and for a card of no usable size).
struct DraftPicture {
  int divisor = 1;
  int dx = 0;
  int dy = 0;
};
DraftPicture DraftPictureFor(float cardWidth, float cardHeight);

// Where the trimmed picture (trimmedWidth × trimmedHeight pixels before its turn) is drawn: the
// part that is left stays where it was in the untrimmed picture, and a quarter turn swaps its
// width and height.
PixelRect PreviewPictureRect(const PlacedPicture& picture, int trimmedWidth, int trimmedHeight,
                             PreviewScale scale);

// Whether a press at `point` takes hold of an object centred at (x, y), width × height card
// pixels drawn at 1 − reduction: anywhere on its whole extent.
bool GrabsObject(QPoint point, float x, float y, float width, float height, float reduction,
                 PreviewScale scale);
// A picture is taken hold of on its untrimmed extent, turned or not.
bool GrabsPicture(QPoint point, const PlacedPicture& picture, PreviewScale scale);
// Where the press lies from the object's centre, in control pixels.
QPointF GrabOffset(QPoint point, float x, float y, PreviewScale scale);
// The object's new centre in card pixels when the mouse is at `point`.
QPointF DraggedCentre(QPoint point, QPointF grabOffset, PreviewScale scale);

}  // namespace tavolo
