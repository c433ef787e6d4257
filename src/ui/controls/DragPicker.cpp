#include "ui/controls/DragPicker.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "core/base/CheckedCall.h"
#include "ui/controls/ControlPainting.h"

namespace tavolo {

namespace {

// An arrow key moves the marker by this much of the range.
constexpr float kKeyStep = 0.025f;

}  // namespace

DragPicker::DragPicker(QWidget* parent) : OwnerDrawnControl(parent) {
  AcceptKeyboardFocus();
}

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

void DragPicker::keyPressEvent(QKeyEvent* event) {
  float across = 0.0f;
  float down = 0.0f;
  switch (event->key()) {
    case Qt::Key_Left:
      across = -kKeyStep;
      break;
    case Qt::Key_Right:
      across = kKeyStep;
      break;
    case Qt::Key_Up:
      down = -kKeyStep;
      break;
    case Qt::Key_Down:
      down = kKeyStep;
      break;
    default:
      OwnerDrawnControl::keyPressEvent(event);
      return;
  }
  StepBy(across, down);
  update();
  Q_EMIT clicked();
}

}  // namespace tavolo
