#include "ui/controls/Slider.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "core/base/CheckedCall.h"
#include "ui/controls/ControlPainting.h"
#include "ui/controls/SliderPosition.h"

namespace tavolo {

float SliderPositionAt(int x, int width) {
  const int span = width - 2 * kSliderInset;
  if (span <= 0) return 0.0f;
  const int clamped = std::clamp(x, kSliderInset, width - kSliderInset);
  return static_cast<float>(clamped - kSliderInset) / static_cast<float>(span);
}

int SliderThumbX(float position, int width) {
  return static_cast<int>(static_cast<float>(width - 11) * position) + kSliderInset;
}

Slider::Slider(QWidget* parent) : OwnerDrawnControl(parent) {
  AcceptKeyboardFocus();
}

void Slider::SetPosition(float position) {
  position_ = CheckedSliderPosition(position, 0.0f);
  TAVOLO_CHECK_AS("RedrawWindow()", RedrawNow(*this));
}

void Slider::Draw(QImage& picture) const {
  const QPalette& colours = palette();
  picture.fill(colours.color(QPalette::Button));
  QPainter painter(&picture);
  if (isEnabled()) {
    painter.setPen(QPen(colours.color(QPalette::ButtonText), 0, Qt::SolidLine));
  } else {
    painter.setPen(QPen(colours.color(QPalette::Disabled, QPalette::WindowText), 0, Qt::DotLine));
  }
  const int w = LogicalSize(picture).width();
  const QPoint track[] = {{kSliderInset, 0}, {kSliderInset, 3}, {w - 6, 3}, {w - 6, -1}};
  painter.drawPolyline(track, 4);
  TAVOLO_CHECK_AS("pos>=0 && pos<=1", position_ >= 0 && position_ <= 1);
  const int x = SliderThumbX(position_, w);
  const QPoint thumb[] = {{x, 4}, {x - 5, 9}, {x + 5, 9}, {x - 1, 3}};
  painter.drawPolyline(thumb, 4);
}

void Slider::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  dragging_ = true;
}

void Slider::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_) return;
  position_ = SliderPositionAt(event->position().toPoint().x(), width());
  update();
  Q_EMIT clicked();
}

void Slider::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !dragging_) return;
  dragging_ = false;
  TAVOLO_CHECK_AS("ReleaseCapture()", ReleaseMouseCapture(*this));
}

void Slider::keyPressEvent(QKeyEvent* event) {
  const std::optional<float> moved = SliderPositionForKey(event->key(), position_, 0.0f);
  if (!moved) {
    OwnerDrawnControl::keyPressEvent(event);
    return;
  }
  position_ = *moved;
  update();
  Q_EMIT clicked();
}

}  // namespace tavolo
