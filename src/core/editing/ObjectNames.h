// What an object of a card face is called where the user reads or hears of it (a screen reader
// going through the card's objects): "Photo", "Logo" and "QR code" for the card's own items, an
// added object by its kind and its number among the face's objects of that kind in the order they
// were added ("Text box 3", "Rectangle 1"), so that restacking never renames one.
#pragma once

#include <QString>

#include "core/editing/ObjectEditing.h"

namespace tavolo {

// Empty when the face does not have the object.
QString ObjectName(const CardState& face, ObjectRef ref);

}  // namespace tavolo
