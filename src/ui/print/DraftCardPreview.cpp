#include "ui/print/DraftCardPreview.h"

#include <QPainter>

#include "ui/controls/ControlPainting.h"

namespace tavolo {

DraftCardPreview::DraftCardPreview(QWidget* parent) : OwnerDrawnControl(parent) {}

void DraftCardPreview::Draw(QImage& picture) const {
  QPainter painter(&picture);
  if (!ready_ || image_.isNull()) {
    painter.fillRect(LogicalRect(picture), palette().window());
    return;
  }
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(LogicalRect(picture), image_);
  FrameRect3d(painter, LogicalRect(picture), Qt::black, Qt::white);
}

}  // namespace tavolo
