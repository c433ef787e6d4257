// Base of the pickers that follow a drag: a press or a move while dragging maps the point to
// the position(s), redraws and notifies the owner. With the keyboard focus the arrow keys move
// the marker a step the same way.
#pragma once

#include "ui/controls/OwnerDrawnControl.h"

namespace tavolo {

class DragPicker : public OwnerDrawnControl {
  Q_OBJECT

 public:
  bool IsDragging() const { return dragging_; }

 protected:
  explicit DragPicker(QWidget* parent);

  // Takes the position(s) from a point of the client area (or beyond it, while dragging).
  virtual void MapPoint(QPoint point) = 0;
  // Moves the position(s) by a fraction of the range across and down, staying in 0..1.
  virtual void StepBy(float across, float down) = 0;

  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Follow(QPoint point);

  bool dragging_ = false;
};

}  // namespace tavolo
