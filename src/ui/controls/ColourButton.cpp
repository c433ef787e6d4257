#include "ui/controls/ColourButton.h"

#include <QMouseEvent>
#include <QPainter>

#include "core/base/CheckedCall.h"
#include "ui/controls/ControlPainting.h"

namespace tavolo {

ColourButton::ColourButton(QWidget* parent) : OwnerDrawnControl(parent) {}

void ColourButton::SetColour(ColourRef colour) {
  colour_ = colour;
  TAVOLO_CHECK_AS("RedrawWindow()", RedrawNow(*this));
}

void ColourButton::Draw(QImage& picture) const {
  QPainter painter(&picture);
  const QColor colour = QColor::fromRgb(ToQRgb(colour_));
  const QRect all = LogicalRect(picture);
  if (isEnabled()) {
    painter.fillRect(all, colour);
  } else {
    FillHatched(painter, all, colour, palette().color(QPalette::Button));
  }
  FrameRect3d(painter, all, Qt::black, Qt::black);
  FrameRect3d(painter, all.adjusted(1, 1, -1, -1), Qt::white, Qt::white);
}

// An ordinary button click: pressed and released inside.
void ColourButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) pressed_ = true;
}

void ColourButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !pressed_) return;
  pressed_ = false;
  if (rect().contains(event->position().toPoint())) Q_EMIT clicked();
}

}  // namespace tavolo
