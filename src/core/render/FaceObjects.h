// Every object placed on a card face as one list: the photo, the logo and the QR code from their
// own fields, with the objects the user added, in the order they are drawn. Drawing, geometry
// and hit-testing all take them from here, so that no kind has a path of its own.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include <QPointF>

#include "core/card/CardState.h"
#include "core/card/PlacedObject.h"
#include "core/render/TextBoxLayout.h"

namespace tavolo {

struct FaceObject {
  PlacedObject object;
  // Its index in the face's `objects`; -1 for the photo, the logo, the QR code and a box of the
  // layout.
  int added = -1;
  // The box of the layout it stands for (see PlaceableObjects); -1 for any other object.
  int layoutBox = -1;
};

// The face's objects in drawing order (the later on top): by z, at equal z the card's own items
// first, the added objects in the order added. A photo or logo the face does not show and a QR
// code it does not have are not listed.
std::vector<FaceObject> FaceObjects(const CardState& face);

// What the card view places: the face's objects and, as text boxes at the layout text's z, the
// boxes of its layout that hold text and can be placed freely (see CanPlaceFreely), each where its
// lines stand (the box where a freely placed box stands). `text` is the card's text laid out at
// full size (LayOutCardText); without it the text is laid out here.
std::vector<FaceObject> PlaceableObjects(const CardState& face,
                                         std::span<const std::optional<TextBoxLayout>> text);
std::vector<FaceObject> PlaceableObjects(const CardState& face);

// Whether the layout's text is drawn before `item`.
bool AfterLayoutText(const FaceObject& item);

// The topmost of `items` (in drawing order) a pointer at `point` (card pixels at full size) takes
// hold of, within `tolerance` pixels (see Covers); none over bare card.
std::optional<FaceObject> ObjectAt(std::span<const FaceObject> items, QPointF point,
                                   float tolerance = 0.0f);
// The same among the face's placeable objects.
std::optional<FaceObject> ObjectAt(const CardState& face, QPointF point, float tolerance = 0.0f);

}  // namespace tavolo
