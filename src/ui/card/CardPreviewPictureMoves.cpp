// The card preview's pointer and keys: the photo, the logo and the QR code outlined under the
// pointer, dragged, selected and nudged. Positions go through the preview's geometry, as the paint
// takes them.
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "ui/card/CardPreview.h"

namespace tavolo {

namespace {

constexpr qreal kNudge = 1.0;
constexpr qreal kShiftNudge = 10.0;

// The arrow's step in card pixels; none for another key.
std::optional<QPointF> NudgeFor(const QKeyEvent& event) {
  const qreal step = (event.modifiers() & Qt::ShiftModifier) ? kShiftNudge : kNudge;
  switch (event.key()) {
    case Qt::Key_Left:
      return QPointF(-step, 0);
    case Qt::Key_Right:
      return QPointF(step, 0);
    case Qt::Key_Up:
      return QPointF(0, -step);
    case Qt::Key_Down:
      return QPointF(0, step);
    default:
      return std::nullopt;
  }
}

}  // namespace

void CardPreview::DrawOutline(QPainter& picturePainter) const {
  const std::optional<CardObject> shown = hovered_ ? hovered_ : selected_;
  if (!shown) return;
  const QRect outline = ObjectOutline(document_.Live(), *shown, geometry_);
  if (outline.isEmpty()) return;
  // Black dashes over white show on light and dark cards alike.
  picturePainter.setPen(QPen(Qt::white, 1));
  picturePainter.drawRect(outline.adjusted(0, 0, -1, -1));
  picturePainter.setPen(QPen(Qt::black, 1, Qt::DashLine));
  picturePainter.drawRect(outline.adjusted(0, 0, -1, -1));
}

void CardPreview::Hover(std::optional<CardObject> object) {
  if (object) {
    setCursor(Qt::SizeAllCursor);
  } else {
    unsetCursor();
  }
  if (object == hovered_) return;
  hovered_ = object;
  update();
}

void CardPreview::PlaceObject(CardObject object, QPointF centre, bool record) {
  const CardDocument::ChangeScope scope(document_);
  CardState live = document_.Live();
  MoveObject(live, object, centre);
  document_.SetLive(live);
  if (record) document_.RecordEdit();
  update();
}

void CardPreview::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  const QPoint at = event->position().toPoint();
  selected_ = ObjectAt(document_.Live(), geometry_, at);
  if (selected_) drag_ = Drag{*selected_, at, CentreOf(document_.Live(), *selected_)};
  update();
}

void CardPreview::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (!drag_) {
    Hover(ObjectAt(document_.Live(), geometry_, at));
    return;
  }
  if (at == drag_->from && !drag_->moved) return;
  drag_->moved = true;
  PlaceObject(drag_->object, drag_->centre + CardPixelsMoved(at - drag_->from, geometry_), false);
}

void CardPreview::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !drag_) return QWidget::mouseReleaseEvent(event);
  const Drag done = *drag_;
  drag_.reset();
  // A drag of any length is one step; a click without a move records nothing.
  if (done.moved) document_.RecordEdit();
  Hover(ObjectAt(document_.Live(), geometry_, event->position().toPoint()));
}

void CardPreview::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  if (!drag_) Hover(std::nullopt);
}

void CardPreview::keyPressEvent(QKeyEvent* event) {
  // An object deleted or replaced since the click is no longer there to move.
  if (selected_ && !HasObject(document_.Live(), *selected_)) selected_.reset();
  if (!selected_ || drag_) return QWidget::keyPressEvent(event);
  if (event->key() == Qt::Key_Escape) {
    selected_.reset();
    update();
    return;
  }
  const std::optional<QPointF> step = NudgeFor(*event);
  if (!step) return QWidget::keyPressEvent(event);
  PlaceObject(*selected_, CentreOf(document_.Live(), *selected_) + *step, true);
}

}  // namespace tavolo
