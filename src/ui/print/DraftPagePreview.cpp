#include "ui/print/DraftPagePreview.h"

#include <QPainter>

#include "core/print/PagePreview.h"
#include "core/print/SheetRenderer.h"
#include "ui/controls/ControlPainting.h"

namespace tavolo {

DraftPagePreview::DraftPagePreview(const SheetJob& job, QWidget* parent)
    : OwnerDrawnControl(parent), job_(job) {}

QRect DraftPagePreview::SheetArea() const {
  const PaperMm paper = job_.paper.WholeMm();
  if (paper.width <= 0 || paper.height <= 0) return rect();
  QRect area(QPoint(0, 0), QSize(paper.width, paper.height).scaled(size(), Qt::KeepAspectRatio));
  area.moveCenter(rect().center());
  return area;
}

void DraftPagePreview::Draw(QImage& picture) const {
  QPainter painter(&picture);
  painter.fillRect(LogicalRect(picture), palette().window());
  const QRect sheet = SheetArea();
  painter.translate(sheet.topLeft());
  const PagePreviewGeometry geometry =
      ready_ ? ComputePagePreview(job_.layout, job_.paper.WholeMm(), job_.dpi, sheet.size())
             : PagePreviewGeometry{};
  PaintPagePreview(painter, sheet.size(), job_, geometry);
}

}  // namespace tavolo
