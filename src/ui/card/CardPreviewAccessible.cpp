// What a screen reader learns of the card preview: what the card view places on the face (the
// boxes of the layout among them), one cell each, with their names, places and whether they are
// selected.
#include <algorithm>

#include "core/editing/ObjectNames.h"
#include "ui/card/CardPreview.h"

namespace tavolo {

namespace {

std::optional<FaceObject> Cell(CardDocument& document, int cell) {
  std::vector<FaceObject> items = document.PlaceableObjects();
  if (cell < 0 || cell >= static_cast<int>(items.size())) return std::nullopt;
  return std::move(items[static_cast<size_t>(cell)]);
}

}  // namespace

int CardPreview::AccessibleCellCount() const {
  return static_cast<int>(document_.PlaceableObjects().size());
}

QString CardPreview::AccessibleCellName(int cell) const {
  const std::optional<FaceObject> item = Cell(document_, cell);
  return item ? ObjectName(document_.Live(), RefOf(*item)) : QString();
}

QRect CardPreview::AccessibleCellRect(int cell) const {
  const std::optional<FaceObject> item = Cell(document_, cell);
  if (!item) return {};
  return OnScreen(BoundsOf(item->object), geometry_).toAlignedRect().intersected(rect());
}

bool CardPreview::IsAccessibleCellSelected(int cell) const {
  const std::optional<FaceObject> item = Cell(document_, cell);
  return item && std::ranges::find(selection_, RefOf(*item)) != selection_.end();
}

}  // namespace tavolo
