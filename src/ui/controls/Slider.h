// The plain horizontal slider, position 0..1: a track with an upward-pointing thumb. Dragging
// notifies the owner at every step; a click alone changes nothing. With the keyboard focus the
// arrow, page, Home and End keys move it and notify alike.
#pragma once

#include "ui/controls/OwnerDrawnControl.h"

namespace tavolo {

// The inset of the track from either end.
inline constexpr int kSliderInset = 5;

// The position under x in a slider `width` wide: x is clamped to 5..width-5.
float SliderPositionAt(int x, int width);
// The x of the thumb's tip for a position.
int SliderThumbX(float position, int width);

class Slider : public OwnerDrawnControl {
  Q_OBJECT

 public:
  explicit Slider(QWidget* parent = nullptr);

  // Sets the position from code (checked to lie in 0..1) and redraws; does not notify.
  void SetPosition(float position);
  float Position() const { return position_; }
  bool IsDragging() const { return dragging_; }

 protected:
  QAccessible::Role AccessibleRole() const override { return QAccessible::Slider; }
  void Draw(QImage& picture) const override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  float position_ = 0.0f;
  bool dragging_ = false;
};

}  // namespace tavolo
