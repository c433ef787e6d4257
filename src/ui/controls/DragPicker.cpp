#include "ui/controls/DragPicker.h"

#include <QMouseEvent>

#include "core/base/CheckedCall.h"
#include "ui/controls/ControlPainting.h"

namespace tavolo {

DragPicker::DragPicker(QWidget* parent) : OwnerDrawnControl(parent) {}

void DragPicker::Follow(QPoint point) {
  MapPoint(point);
  update();
  Q_EMIT clicked();
}

void DragPicker::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  dragging_ = true;
  Follow(event->position().toPoint());
}

void DragPicker::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_) Follow(event->position().toPoint());
}

void DragPicker::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !dragging_) return;
  dragging_ = false;
  TAVOLO_CHECK_AS("ReleaseCapture()", ReleaseMouseCapture(*this));
}

}  // namespace tavolo
