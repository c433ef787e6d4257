#include "ui/controls/HueSlider.h"

#include <QPainter>
#include <algorithm>

#include "core/base/ColourModel.h"
#include "ui/controls/ControlPainting.h"
#include "ui/controls/PickerGeometry.h"

namespace tavolo {

HueSlider::HueSlider(QWidget* parent) : DragPicker(parent) {}

void HueSlider::SetPosition(float position) {
  position_ = position;
  update();
}

void HueSlider::MapPoint(QPoint point) {
  position_ = PickerPositionAt(point.x(), width());
}

void HueSlider::StepBy(float across, float) {
  position_ = std::clamp(position_ + across, 0.0f, 1.0f);
}

void HueSlider::Draw(QImage& picture) const {
  const int w = LogicalSize(picture).width();
  const int h = LogicalSize(picture).height();
  picture.fill(Qt::black);
  {
    QPainter painter(&picture);
    const float last = w > 1 ? static_cast<float>(w - 1) : 1.0f;
    for (int n = 0; n < w; ++n) {
      const float hue = static_cast<float>(n) / last * 239;
      painter.fillRect(n, 0, 1, h,
                       QColor::fromRgb(ToQRgb(RgbToColourRef(HslToRgb({hue, 240, 120})))));
    }
  }
  DrawPositionMarker(picture, QPoint(PickerMarkerCoordinate(position_, w), h / 2));
  QPainter painter(&picture);
  DrawSunkenEdge(painter, LogicalSize(picture), palette());
}

}  // namespace tavolo
