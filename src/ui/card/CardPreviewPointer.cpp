// The card preview's pointer: the object under it outlined, a click selecting, a drag moving the
// selection or resizing it by a handle, snapped to the lines gathered when the drag began.
// Positions go through the preview's geometry, as the paint takes them. A move is shown by the
// drag's composite, drawn at its first step, until the drag ends or anything else changes.
#include <algorithm>
#include <cmath>

#include <QMouseEvent>

#include "core/editing/ObjectArrangement.h"
#include "ui/card/CardPreview.h"

namespace tavolo {

namespace {

// How near a handle, in control pixels, the pointer takes hold of it.
constexpr double kHandleReach = 6.0;

}  // namespace

std::optional<ObjectRef> CardPreview::ObjectUnder(QPointF point) const {
  const CardPoint at = CardPointAt(point, geometry_);
  // What lies under the pointer first; else a hairline a few screen pixels away.
  const std::vector<FaceObject> items = document_.PlaceableObjects();
  std::optional<FaceObject> hit = ObjectAt(items, {at.x, at.y});
  if (!hit) hit = ObjectAt(items, {at.x, at.y}, CardLength(kHandleReach / 2, geometry_));
  if (!hit) return std::nullopt;
  return RefOf(*hit);
}

void CardPreview::Hover(std::optional<ObjectRef> object) {
  if (object) {
    setCursor(Qt::SizeAllCursor);
  } else {
    unsetCursor();
  }
  if (object == hovered_) return;
  hovered_ = object;
  update();
}

void CardPreview::StartDrag(QPointF at, std::optional<ResizeHandle> handle) {
  const std::vector<CardRect> starts = SelectedBounds();
  if (starts.empty()) return;
  std::vector<ArrangedObject> arranged;
  for (const CardRect& box : starts) arranged.push_back({box});
  std::vector<CardRect> others;
  for (const FaceObject& item : document_.PlaceableObjects()) {
    if (std::ranges::find(selection_, RefOf(item)) == selection_.end()) {
      others.push_back(BoundsOf(item.object));
    }
  }
  const CardState& live = document_.Live();
  snapLines_.Build(live.cardWidth, live.cardHeight, live.dpi, others);
  drag_ = Drag{at, handle, SelectionBounds(arranged), starts};
  drag_->before = live;
  drag_->revision = document_.Revision();
}

void CardPreview::DragTo(QPointF at, Qt::KeyboardModifiers modifiers) {
  if (!drag_->moved && (at - drag_->from).manhattanLength() < 1) return;
  drag_->moved = true;
  if (SelectionLocked()) return;
  const float dx = CardLength(at.x() - drag_->from.x(), geometry_);
  const float dy = CardLength(at.y() - drag_->from.y(), geometry_);
  const Snapping snapping = (modifiers & Qt::AltModifier) ? Snapping::kOff : Snapping::kOn;
  const float threshold = CardLength(kSnapReachScreenPixels, geometry_);
  if (drag_->handle) {
    const CardDocument::ChangeScope scope(document_);
    drag_->revision = document_.Revision();
    const ObjectRef& object = selection_.front();
    const bool kept = KeepsAspect(object.kind) || (modifiers & Qt::ShiftModifier);
    snapped_ = SnapResize(snapLines_, drag_->start, *drag_->handle, dx, dy,
                          kept ? Aspect::kKept : Aspect::kFree, threshold, snapping);
    document_.PlaceObjectLive(object, snapped_.rect);
  } else {
    snapped_ = SnapMove(snapLines_, drag_->start.Moved(dx, dy), threshold, snapping);
    const float shiftX = snapped_.rect.left - drag_->start.left;
    const float shiftY = snapped_.rect.top - drag_->start.top;
    if (!drag_->lifted) {
      // The layers are drawn with the selection where it stood.
      drag_->lifted = true;
      composite_.Start(document_.Renderer(), document_.Live(), geometry_.divisor, geometry_.dx,
                       geometry_.dy, [this](const FaceObject& item) {
                         return std::ranges::find(selection_, RefOf(item)) != selection_.end();
                       });
    }
    // The document tells its listener once for the whole selection, which repaints at once.
    const CardDocument::ChangeScope scope(document_);
    drag_->shift = {shiftX, shiftY};
    drag_->revision = document_.Revision();
    for (size_t i = 0; i < selection_.size() && i < drag_->starts.size(); ++i) {
      document_.PlaceObjectLive(selection_[i], drag_->starts[i].Moved(shiftX, shiftY));
    }
  }
  update();
}

void CardPreview::EndDrag() {
  drag_.reset();
  composite_.Stop();
  snapped_.guideCount = 0;
}

void CardPreview::CancelDrag() {
  // After another change during the drag (an undo, say) the card it began with is no longer the
  // one to go back to: the drag then ends as a release ends it.
  if (drag_->moved && !SelectionLocked()) {
    if (drag_->revision == document_.Revision()) {
      document_.Revert(drag_->before);
    } else {
      document_.RecordEdit();
    }
  }
  EndDrag();
  update();
}

QImage CardPreview::CardPicture() {
  const int divisor = geometry_.divisor;
  if (composite_.Active()) {
    if (drag_ && drag_->revision == document_.Revision() &&
        composite_.DrawnFor(divisor, geometry_.dx, geometry_.dy)) {
      return composite_.Compose(static_cast<int>(std::lround(drag_->shift.x / divisor)),
                                static_cast<int>(std::lround(drag_->shift.y / divisor)));
    }
    // Another change, or another zoom: the rest of the drag is drawn in full.
    composite_.Stop();
  }
  return document_.Render(divisor, geometry_.dx, geometry_.dy);
}

void CardPreview::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  const QPointF at = event->position();
  // A handle of the object that carries them comes before whatever lies under it.
  const std::vector<CardRect> bounds = SelectedBounds();
  if (selection_.size() == 1 && !SelectionLocked()) {
    const CardPoint point = CardPointAt(at, geometry_);
    if (const std::optional<ResizeHandle> handle =
            HandleAt(bounds.front(), point, CardLength(kHandleReach, geometry_))) {
      StartDrag(at, handle);
      return;
    }
  }
  const std::optional<ObjectRef> hit = ObjectUnder(at);
  const bool adding = (event->modifiers() & Qt::ShiftModifier) != 0;
  if (!hit) {
    if (!adding) SetSelection({});
    return;
  }
  if (std::ranges::find(selection_, *hit) == selection_.end()) {
    std::vector<ObjectRef> selection = adding ? selection_ : std::vector<ObjectRef>{};
    selection.insert(selection.begin(), *hit);
    SetSelection(std::move(selection));
  } else if (adding) {
    std::vector<ObjectRef> selection = selection_;
    std::erase(selection, *hit);
    SetSelection(std::move(selection));
    return;
  }
  StartDrag(at, std::nullopt);
}

void CardPreview::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mouseDoubleClickEvent(event);
  const std::optional<ObjectRef> hit = ObjectUnder(event->position());
  if (!hit) return;
  SetSelection({*hit});
  Q_EMIT propertiesRequested();
}

void CardPreview::mouseMoveEvent(QMouseEvent* event) {
  if (!drag_) {
    Hover(ObjectUnder(event->position()));
    return;
  }
  DragTo(event->position(), event->modifiers());
}

void CardPreview::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !drag_) return QWidget::mouseReleaseEvent(event);
  const bool moved = drag_->moved && !SelectionLocked();
  EndDrag();
  // A drag of any length is one step; a click without a move records nothing.
  if (moved) document_.RecordEdit();
  Hover(ObjectUnder(event->position()));
  update();
}

void CardPreview::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  if (!drag_) Hover(std::nullopt);
}

}  // namespace tavolo
