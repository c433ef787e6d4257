// What the card preview draws over the card: the outline of the object under the pointer, the
// selection with its handles, the safe margin while anything is selected and the guides of a
// drag.
#include <QPainter>

#include "core/editing/SnapCandidates.h"
#include "ui/card/CardPreview.h"

namespace tavolo {

namespace {

// The side of a handle's square, control pixels.
constexpr qreal kHandleSide = 7.0;
const QColor kGuideColour(255, 0, 170);
const QColor kMarginColour(0, 140, 255);

// Black dashes over white show on light and dark cards alike.
void DrawDashed(QPainter& painter, const QRectF& box) {
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Qt::white, 1));
  painter.drawRect(box);
  painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
  painter.drawRect(box);
}

}  // namespace

void CardPreview::DrawSelection(QPainter& painter) const {
  const CardState& live = document_.Live();
  const std::vector<FaceObject> items = document_.PlaceableObjects();
  const auto shown = [&](const ObjectRef& ref) -> std::optional<QRectF> {
    const auto found = std::ranges::find(items, ref, RefOf);
    if (found == items.end()) return std::nullopt;
    return OnScreen(BoundsOf(found->object), geometry_);
  };
  if (!selection_.empty()) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kMarginColour, 1, Qt::DashLine));
    painter.drawRect(OnScreen(SafeArea(live.cardWidth, live.cardHeight, live.dpi), geometry_));
  }
  if (hovered_ && std::ranges::find(selection_, *hovered_) == selection_.end()) {
    if (const std::optional<QRectF> box = shown(*hovered_)) DrawDashed(painter, *box);
  }
  for (const ObjectRef& ref : selection_) {
    if (const std::optional<QRectF> box = shown(ref)) DrawDashed(painter, *box);
  }
  if (selection_.size() != 1 || SelectionLocked()) return;
  const auto found = std::ranges::find(items, selection_.front(), RefOf);
  if (found == items.end()) return;
  const CardRect bounds = BoundsOf(found->object);
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(Qt::white);
  for (const ResizeHandle handle : kResizeHandles) {
    const CardPoint point = HandlePoint(bounds, handle);
    const QRectF box = OnScreen({point.x, point.y, 0, 0}, geometry_);
    painter.drawRect(QRectF(box.topLeft() - QPointF(kHandleSide, kHandleSide) / 2,
                            QSizeF(kHandleSide, kHandleSide)));
  }
}

void CardPreview::DrawGuides(QPainter& painter) const {
  painter.setPen(QPen(kGuideColour, 1));
  for (const SnapGuide& guide : Guides()) {
    const CardRect line = guide.vertical
                              ? CardRect{guide.position, guide.from, 0, guide.to - guide.from}
                              : CardRect{guide.from, guide.position, guide.to - guide.from, 0};
    const QRectF shown = OnScreen(line, geometry_);
    painter.drawLine(shown.topLeft(), shown.bottomRight());
  }
}

}  // namespace tavolo
