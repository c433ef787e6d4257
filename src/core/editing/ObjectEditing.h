// Editing the objects of a card face one at a time, as the card view does with the pointer and
// the keys: which object is meant, where it stands, moving and resizing it, removing and
// duplicating it, and the order Tab visits them in. The photo and the logo keep their size as a
// reduction of the picture and the QR code as its side, so a new box is mapped onto those.
#pragma once

#include <optional>
#include <vector>

#include "core/card/CardState.h"
#include "core/editing/CardRect.h"
#include "core/render/FaceObjects.h"

namespace tavolo {

// One object of a face: the photo, the logo or the QR code by its kind, an added object by its
// index in the face's `objects`.
struct ObjectRef {
  ObjectKind kind = ObjectKind::kPhoto;
  int added = -1;
  friend bool operator==(const ObjectRef&, const ObjectRef&) = default;
};

ObjectRef RefOf(const FaceObject& item);

// The object as the face lists it; none when the face no longer has it.
std::optional<FaceObject> FindObject(const CardState& face, ObjectRef ref);

// What the object covers on the card after its turn, stroke not counted: the box its handles
// stand on.
CardRect BoundsOf(const PlacedObject& object);

// Whether a drag may resize the object freely, or only with its aspect kept: a picture and the
// QR code cannot be stretched.
bool KeepsAspect(ObjectKind kind);

// The face with the object's bounds made `bounds`. An added object takes them as they are (a
// turned one with its box turned back); the photo and the logo are centred on them and reduced
// to their width; the QR code is centred on them with the smaller side as its own, within the
// sides a code may have. False when the face does not have the object.
bool SetBounds(CardState& face, ObjectRef ref, const CardRect& bounds);

// Takes the object off the face: the photo and the logo as Delete Photo and Delete Logo do, the
// QR code and added objects entirely. False when the face does not have it.
bool RemoveObject(CardState& face, ObjectRef ref);

// How far a duplicate lies from its original, right and down, in card pixels.
inline constexpr float kDuplicateOffset = 20.0f;
// A copy of an added object, moved by the offset and put on top of everything; its reference.
// None for the photo, the logo and the QR code, which a card has one of each.
std::optional<ObjectRef> DuplicateObject(CardState& face, ObjectRef ref);

// `object` added to the face on top of everything; its reference.
ObjectRef InsertObject(CardState& face, PlacedObject object);
// A new object of an added kind for the face: in its middle at a quarter of its width (see
// NewObject); a text box holds `text` in the style of the face's first shown box without a
// frame (of its first box when all are framed).
PlacedObject NewObjectFor(const CardState& face, ObjectKind kind, const QString& text);
// The z that puts a new object over everything the face has.
int32_t TopZ(const CardState& face);

// The object Tab (forward) or Shift+Tab selects after `current`: the next in drawing order, round
// from the last to the first; the first (or last) when nothing is selected; none on an empty face.
std::optional<ObjectRef> NextObject(const CardState& face, std::optional<ObjectRef> current,
                                    bool forward);

}  // namespace tavolo
