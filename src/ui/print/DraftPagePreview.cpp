#include "ui/print/DraftPagePreview.h"

#include <QPainter>

#include "core/print/PagePreview.h"

namespace tavolo {

DraftPagePreview::DraftPagePreview(const SheetRenderer& renderer, const PageLayout& layout,
                                   QWidget* parent)
    : OwnerDrawnControl(parent), renderer_(renderer), layout_(layout) {}

QRect DraftPagePreview::SheetArea() const {
  if (paper_.width <= 0 || paper_.height <= 0) return rect();
  QRect area(QPoint(0, 0), QSize(paper_.width, paper_.height).scaled(size(), Qt::KeepAspectRatio));
  area.moveCenter(rect().center());
  return area;
}

void DraftPagePreview::Draw(QImage& picture) const {
  QPainter painter(&picture);
  painter.fillRect(picture.rect(), palette().window());
  const QRect sheet = SheetArea();
  painter.translate(sheet.topLeft());
  const PagePreviewGeometry geometry =
      ready_ ? ComputePagePreview(layout_, paper_, dpi_, sheet.size()) : PagePreviewGeometry{};
  renderer_.PaintPagePreview(painter, sheet.size(), geometry);
}

}  // namespace tavolo
