#include "core/editing/FaceArrangement.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace tavolo {

namespace {

// The selected objects the face has, with their bounds, in the selection's order.
struct Selected {
  std::vector<ObjectRef> refs;
  std::vector<ArrangedObject> boxes;
};

Selected Gather(const CardState& face, std::span<const ObjectRef> selected) {
  const std::vector<FaceObject> items = PlaceableObjects(face);
  Selected found;
  for (const ObjectRef& ref : selected) {
    const auto item = std::ranges::find(items, ref, RefOf);
    if (item == items.end()) continue;
    found.refs.push_back(ref);
    found.boxes.push_back({BoundsOf(item->object), item->object.locked});
  }
  return found;
}

bool Place(CardState& face, const Selected& found, const std::vector<CardRect>& boxes) {
  bool moved = false;
  for (size_t i = 0; i < found.refs.size() && i < boxes.size(); ++i) {
    if (boxes[i] == found.boxes[i].box) continue;
    moved = SetBounds(face, found.refs[i], boxes[i]) || moved;
  }
  return moved;
}

// A place in the drawing order: an added object by its index, or one of the card's own items
// (the layout's text among them) at its fixed z.
struct Slot {
  int added = -1;
  int32_t z = 0;
};

}  // namespace

bool AlignObjects(CardState& face, std::span<const ObjectRef> selected, AlignEdge edge) {
  const Selected found = Gather(face, selected);
  const AlignTarget target = found.refs.size() == 1 ? AlignTarget::kCard : AlignTarget::kSelection;
  return Place(face, found, Aligned(found.boxes, edge, target, face.cardWidth, face.cardHeight));
}

bool DistributeObjects(CardState& face, std::span<const ObjectRef> selected, DistributeAxis axis) {
  const Selected found = Gather(face, selected);
  return Place(face, found, Distributed(found.boxes, axis));
}

bool RestackObjects(CardState& face, std::span<const ObjectRef> selected, StackMove move) {
  std::vector<Slot> slots;
  bool textPlaced = false;
  for (const FaceObject& item : FaceObjects(face)) {
    if (!textPlaced && AfterLayoutText(item)) {
      slots.push_back({-1, kLayoutTextZ});
      textPlaced = true;
    }
    slots.push_back({item.added, item.object.z});
  }
  if (!textPlaced) slots.push_back({-1, kLayoutTextZ});

  std::vector<int> chosen;
  for (size_t i = 0; i < slots.size(); ++i) {
    if (slots[i].added < 0) continue;
    const ObjectRef ref{face.objects[static_cast<size_t>(slots[i].added)].kind, slots[i].added};
    if (std::ranges::find(selected, ref) != selected.end()) chosen.push_back(static_cast<int>(i));
  }
  std::vector<int> ranks(slots.size());
  std::iota(ranks.begin(), ranks.end(), 0);
  const std::vector<int> restacked = Restacked(ranks, chosen, move);
  if (restacked == ranks) return false;
  std::vector<Slot> order(slots.size());
  for (size_t i = 0; i < slots.size(); ++i) order[static_cast<size_t>(restacked[i])] = slots[i];

  // Added objects under everything count up to the lowest card item; the others from the z of
  // the card item under them (an equal z draws them over it).
  const auto addedCount = static_cast<int32_t>(face.objects.size());
  int32_t next = std::min(kPhotoZ, kLayoutTextZ) - addedCount - 1;
  for (const Slot& slot : order) {
    if (slot.added < 0) {
      next = slot.z;
      continue;
    }
    face.objects[static_cast<size_t>(slot.added)].z = next++;
  }
  return true;
}

bool LockObjects(CardState& face, std::span<const ObjectRef> selected, bool locked) {
  bool changed = false;
  for (const ObjectRef& ref : selected) {
    if (ref.added < 0 || static_cast<size_t>(ref.added) >= face.objects.size()) continue;
    PlacedObject& object = face.objects[static_cast<size_t>(ref.added)];
    if (object.kind != ref.kind || object.locked == locked) continue;
    object.locked = locked;
    changed = true;
  }
  return changed;
}

}  // namespace tavolo
