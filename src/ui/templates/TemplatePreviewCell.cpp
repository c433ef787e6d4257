#include "ui/templates/TemplatePreviewCell.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "core/library/TemplatePreview.h"
#include "ui/controls/CheckMark.h"
#include "ui/controls/ControlPainting.h"

namespace tavolo {

namespace {

// The check mark sits this far above the cell's bottom edge.
constexpr int kCheckMarkRise = 90;

}  // namespace

TemplatePreviewCell::TemplatePreviewCell(QWidget* parent) : OwnerDrawnControl(parent) {
  AcceptKeyboardFocus();
  setCursor(Qt::PointingHandCursor);
}

void TemplatePreviewCell::SetImage(const QImage* image) {
  image_ = image;
  update();
}

void TemplatePreviewCell::SetSelected(bool selected) {
  if (selected_ == selected) return;
  selected_ = selected;
  update();
}

QPoint TemplatePreviewCell::ImageOrigin(QSize cell, QSize image) {
  return {cell.width() / 2 - image.width() / 2, cell.height() / 2 - image.height() / 2};
}

QPoint TemplatePreviewCell::CheckMarkOrigin(QSize cell) {
  return {cell.width() - kCheckMarkSize, cell.height() - kCheckMarkRise};
}

void TemplatePreviewCell::Draw(QImage& picture) const {
  picture.fill(kPreviewCellColour);
  QPainter painter(&picture);
  if (image_ != nullptr && !image_->isNull()) {
    painter.drawImage(ImageOrigin(LogicalSize(picture), image_->size()), *image_);
  }
  if (selected_) painter.drawImage(CheckMarkOrigin(LogicalSize(picture)), CheckMarkPicture());
}

void TemplatePreviewCell::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    Q_EMIT clicked();
  }
}

void TemplatePreviewCell::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Space:
      if (!event->isAutoRepeat()) Q_EMIT clicked();
      return;
    case Qt::Key_Left:
      Q_EMIT stepRequested(-1);
      return;
    case Qt::Key_Right:
      Q_EMIT stepRequested(1);
      return;
    case Qt::Key_Up:
      Q_EMIT stepRequested(-2);
      return;
    case Qt::Key_Down:
      Q_EMIT stepRequested(2);
      return;
    default:
      // Enter reaches the library, which continues with the selection.
      OwnerDrawnControl::keyPressEvent(event);
  }
}

}  // namespace tavolo
