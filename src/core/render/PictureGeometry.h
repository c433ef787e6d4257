// Where a placed picture's pixels come from and where they go on the card: the part of the file
// its trims leave, the rectangle it is drawn in, and its turn.
#pragma once

#include "core/card/PlacedPicture.h"
#include "core/imaging/RasterImage.h"
#include "core/render/TextBoxRenderer.h"

namespace tavolo {

// The part of a file of fileWidth × fileHeight pixels that is drawn. A trimmed kind measures its
// trims on its own stored size (a trim of 1 removes 47.5 % on that side); the others take the
// whole file.
PixelRect TrimEdges(const PlacedPicture& picture, int fileWidth, int fileHeight);
// Whether the picture stands as it was loaded or on its side (only a kind that turns is ever
// on its side).
bool IsUpright(const PlacedPicture& picture);
// Where the trimmed picture (trimmedWidth × trimmedHeight pixels before its turn) is drawn: the
// part that is left stays where it was on the card, and a quarter turn swaps width and height.
PixelRect PictureRectangle(const PlacedPicture& picture, int trimmedWidth, int trimmedHeight,
                           int divisor);
// Where a picture stands on the card drawn at `divisor`, from its stored size: what the card
// shows of it and what a pointer takes hold of. Empty for a card without that picture.
PixelRect PlacedArea(const PlacedPicture& picture, int divisor);
// The picture turned clockwise by `angle` degrees, as "Rotate Clockwise" turns it.
bool TurnPicture(const RasterImage& picture, float angle, RasterImage& turned);
// How many clockwise quarter turns (0 to 3) TurnPicture makes for `angle`; -1 when the angle is
// no whole number of them (the picture is then resampled, not only moved).
int QuarterTurns(float angle);

}  // namespace tavolo
