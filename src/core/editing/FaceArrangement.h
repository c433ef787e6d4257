// The Arrange menu on a card face: aligning, distributing, restacking and locking the selected
// objects, through the arranging geometry. The photo, the logo and the QR code align and
// distribute like any object; their places in the stacking order and their lock are fixed, so
// restacking and locking touch only the objects the user added.
#pragma once

#include <span>

#include "core/card/CardState.h"
#include "core/editing/ObjectArrangement.h"
#include "core/editing/ObjectEditing.h"

namespace tavolo {

// One selected object aligns to the card, several to each other. False when nothing moved.
bool AlignObjects(CardState& face, std::span<const ObjectRef> selected, AlignEdge edge);
// False when nothing moved (fewer than three objects that may move).
bool DistributeObjects(CardState& face, std::span<const ObjectRef> selected, DistributeAxis axis);
// The selected added objects moved in the drawing order, passing the card's own items and its
// layout's text as they pass any object; their z values are renumbered between those of the
// card's items. False when the order did not change.
bool RestackObjects(CardState& face, std::span<const ObjectRef> selected, StackMove move);
// False when no selected added object changed.
bool LockObjects(CardState& face, std::span<const ObjectRef> selected, bool locked);

}  // namespace tavolo
