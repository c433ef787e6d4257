#include "ui/controls/ColourStripSlider.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "core/base/CheckedCall.h"
#include "core/base/ColourModel.h"
#include "core/render/BackgroundProcessing.h"
#include "ui/controls/ControlPainting.h"
#include "ui/controls/SliderPosition.h"

namespace tavolo {

namespace {

const QColor kBackground(241, 236, 236);
const QColor kThumb(219, 219, 201);
constexpr int kWindowInset = 4;
constexpr int kWindowSize = 5;

}  // namespace

float ColourStripPositionAt(int x, int width) {
  if (width <= 0) return 0.0f;
  const int clamped = std::clamp(x, 0, width);
  return static_cast<float>(clamped) / static_cast<float>(width) - 0.5f;
}

int ColourStripThumbX(float position, int width) {
  return static_cast<int>((position + 0.5f) * static_cast<float>(width - kColourStripThumbWidth));
}

int ColourStripTop(int height) {
  return (height - kColourStripHeight) / 2;
}

ColourStripSlider::ColourStripSlider(QWidget* parent) : OwnerDrawnControl(parent) {
  AcceptKeyboardFocus();
}

void ColourStripSlider::SetMode(int mode) {
  mode_ = mode;
  update();
}

void ColourStripSlider::SetHue(float hue) {
  hue_ = hue;
  update();
}

void ColourStripSlider::SetPosition(float position) {
  position_ = CheckedSliderPosition(position, -0.5f);
  TAVOLO_CHECK_AS("RedrawWindow()", RedrawNow(*this));
}

QRgb ColourStripSlider::StripColour(float v) const {
  static constexpr TintStrip kStrips[] = {TintStrip::kHue, TintStrip::kSaturation,
                                          TintStrip::kLightness};
  if (mode_ < 0 || mode_ > 2) return kBackground.rgb();
  return 0xFF000000u | TintStripColour(kStrips[mode_], v - 0.5f, hue_);
}

void ColourStripSlider::Draw(QImage& picture) const {
  picture.fill(kBackground);
  const int w = LogicalSize(picture).width();
  const int h = LogicalSize(picture).height();
  const int y0 = ColourStripTop(h);
  TAVOLO_CHECK_AS("mode>=0 && mode<=2", mode_ >= 0 && mode_ <= 2);
  QPainter painter(&picture);
  for (int x = 0; x < w; ++x) {
    const float v = static_cast<float>(x) / static_cast<float>(w);
    painter.fillRect(x, y0, 1, kColourStripHeight, QColor::fromRgb(StripColour(v)));
  }
  const QRect strip(0, y0, w, kColourStripHeight);
  FrameRect3d(painter, strip, Qt::black, Qt::white);

  const int tx = ColourStripThumbX(position_, w);
  const int wy = (h - kWindowSize) / 2;
  const QRect window(tx + kWindowInset, wy, kWindowSize, kWindowSize);
  const QRegion bar = QRegion(tx, 0, kColourStripThumbWidth, h) - QRegion(window);
  painter.setClipRegion(bar);
  painter.fillRect(tx, 0, kColourStripThumbWidth, h, kThumb);
  painter.setClipping(false);
  FrameRect3d(painter, QRect(tx, 0, kColourStripThumbWidth, h), Qt::black, Qt::white);
  FrameRect3d(painter, window, Qt::black, Qt::white);
}

void ColourStripSlider::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  dragging_ = true;
}

void ColourStripSlider::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_) return;
  position_ = ColourStripPositionAt(event->position().toPoint().x(), width());
  update();
  Q_EMIT clicked();
}

void ColourStripSlider::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !dragging_) return;
  dragging_ = false;
  TAVOLO_CHECK_AS("ReleaseCapture()", ReleaseMouseCapture(*this));
  Q_EMIT released();
}

void ColourStripSlider::keyPressEvent(QKeyEvent* event) {
  const std::optional<float> moved = SliderPositionForKey(event->key(), position_, -0.5f);
  if (!moved) {
    OwnerDrawnControl::keyPressEvent(event);
    return;
  }
  keyDragging_ = true;
  position_ = *moved;
  update();
  Q_EMIT clicked();
}

void ColourStripSlider::keyReleaseEvent(QKeyEvent* event) {
  // A key held down repeats its press; only letting go ends the move, as a mouse release does.
  if (event->isAutoRepeat() || !keyDragging_ ||
      !SliderPositionForKey(event->key(), position_, -0.5f)) {
    OwnerDrawnControl::keyReleaseEvent(event);
    return;
  }
  keyDragging_ = false;
  Q_EMIT released();
}

}  // namespace tavolo
