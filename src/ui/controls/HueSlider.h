// The hue strip of the colour dialog: every hue from left to right, with a marker at the
// current hue.
#pragma once

#include "ui/controls/DragPicker.h"

namespace tavolo {

class HueSlider : public DragPicker {
  Q_OBJECT

 public:
  explicit HueSlider(QWidget* parent = nullptr);

  // Position 0..1; the hue is position x 239.
  void SetPosition(float position);
  float Position() const { return position_; }

 protected:
  QAccessible::Role AccessibleRole() const override { return QAccessible::Slider; }
  void Draw(QImage& picture) const override;
  void MapPoint(QPoint point) override;
  void StepBy(float across, float down) override;

 private:
  float position_ = 0.0f;
};

}  // namespace tavolo
