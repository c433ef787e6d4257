// The card preview's selection and keys: which objects are selected, and the arrow keys, Delete,
// Ctrl+D, Tab and Escape acting on them, one step per key.
#include <algorithm>

#include <QAccessible>
#include <QKeyEvent>

#include "core/editing/ObjectArrangement.h"
#include "ui/card/CardPreview.h"

namespace tavolo {

namespace {

// The arrow's step in card pixels; none for another key.
std::optional<CardPoint> NudgeFor(const QKeyEvent& event) {
  const float step = (event.modifiers() & Qt::ShiftModifier) ? kLargeNudgeStep : kNudgeStep;
  switch (event.key()) {
    case Qt::Key_Left:
      return CardPoint{-step, 0};
    case Qt::Key_Right:
      return CardPoint{step, 0};
    case Qt::Key_Up:
      return CardPoint{0, -step};
    case Qt::Key_Down:
      return CardPoint{0, step};
    default:
      return std::nullopt;
  }
}

bool IsCardItem(const ObjectRef& ref) {
  return ref.added < 0 && ref.layoutBox < 0;
}

}  // namespace

std::optional<ObjectRef> CardPreview::SelectedObject() const {
  if (selection_.empty()) return std::nullopt;
  return selection_.front();
}

void CardPreview::Select(std::optional<ObjectRef> object) {
  SetSelection(object ? std::vector<ObjectRef>{*object} : std::vector<ObjectRef>{});
}

void CardPreview::SetSelection(std::vector<ObjectRef> selection) {
  if (selection == selection_) return;
  selection_ = std::move(selection);
  update();
  if (QAccessible::isActive() && selection_.size() == 1) {
    const std::vector<FaceObject> items = document_.PlaceableObjects();
    const auto found = std::ranges::find(items, selection_.front(), RefOf);
    if (found != items.end()) {
      QAccessibleEvent event(this, QAccessible::Selection);
      event.setChild(static_cast<int>(found - items.begin()));
      QAccessible::updateAccessibility(&event);
    }
  }
  Q_EMIT selectionChanged();
}

std::span<const SnapGuide> CardPreview::Guides() const {
  if (!drag_) return {};
  return snapped_.Guides();
}

std::vector<CardRect> CardPreview::SelectedBounds() {
  // An object deleted, or gone with an undo, since it was selected is no longer there.
  const std::vector<FaceObject> items = document_.PlaceableObjects();
  std::vector<ObjectRef> kept;
  std::vector<CardRect> bounds;
  for (const ObjectRef& ref : selection_) {
    const auto found = std::ranges::find(items, ref, RefOf);
    if (found == items.end()) continue;
    kept.push_back(ref);
    bounds.push_back(BoundsOf(found->object));
  }
  if (kept.size() != selection_.size()) SetSelection(std::move(kept));
  return bounds;
}

bool CardPreview::SelectionLocked() const {
  const CardState& live = document_.Live();
  return std::ranges::any_of(selection_, [&](const ObjectRef& ref) {
    return ref.added >= 0 && static_cast<size_t>(ref.added) < live.objects.size() &&
           live.objects[static_cast<size_t>(ref.added)].locked;
  });
}

void CardPreview::Nudge(float dx, float dy) {
  const std::vector<CardRect> bounds = SelectedBounds();
  if (bounds.empty() || SelectionLocked()) return;
  const CardDocument::ChangeScope scope(document_);
  for (size_t i = 0; i < bounds.size(); ++i) {
    document_.PlaceObjectLive(selection_[i], bounds[i].Moved(dx, dy));
  }
  document_.RecordEdit();
  update();
}

void CardPreview::DeleteSelection() {
  if (SelectedBounds().empty()) return;
  CardState live = document_.Live();
  // The added objects from the last, so that the indices of the others stay true.
  std::vector<ObjectRef> order = selection_;
  std::ranges::sort(order, std::ranges::greater{}, &ObjectRef::added);
  bool removed = false;
  for (const ObjectRef& ref : order) removed = RemoveObject(live, ref) || removed;
  // A box of the layout keeps its text in its editor: Delete leaves it, and records nothing.
  if (!removed) return;
  const CardDocument::ChangeScope scope(document_);
  document_.SetLive(live);
  // The card's own pictures are part of the cached ground.
  if (std::ranges::any_of(order, IsCardItem)) document_.DropBackgroundCache();
  document_.RecordEdit();
  SetSelection({});
}

void CardPreview::DuplicateSelection() {
  if (SelectedBounds().empty()) return;
  CardState live = document_.Live();
  std::vector<ObjectRef> copies;
  for (const ObjectRef& ref : selection_) {
    if (const std::optional<ObjectRef> copy = DuplicateObject(live, ref)) copies.push_back(*copy);
  }
  if (copies.empty()) return;
  const CardDocument::ChangeScope scope(document_);
  document_.SetLive(live);
  document_.RecordEdit();
  SetSelection(std::move(copies));
}

bool CardPreview::focusNextPrevChild(bool next) {
  // Tab goes through the card's objects while the card has the focus and any object.
  if (document_.PlaceableObjects().empty()) return QWidget::focusNextPrevChild(next);
  return false;
}

void CardPreview::keyPressEvent(QKeyEvent* event) {
  if (drag_) {
    if (event->key() != Qt::Key_Escape) return QWidget::keyPressEvent(event);
    return CancelDrag();
  }
  if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) {
    const bool forward = event->key() == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier);
    Select(NextObject(document_.Live(), SelectedObject(), forward));
    return;
  }
  if (SelectedBounds().empty()) return QWidget::keyPressEvent(event);
  if (event->key() == Qt::Key_Escape) return SetSelection({});
  if (event->key() == Qt::Key_Delete) return DeleteSelection();
  if (event->key() == Qt::Key_D && (event->modifiers() & Qt::ControlModifier)) {
    return DuplicateSelection();
  }
  const std::optional<CardPoint> step = NudgeFor(*event);
  if (!step) return QWidget::keyPressEvent(event);
  Nudge(step->x, step->y);
}

}  // namespace tavolo
