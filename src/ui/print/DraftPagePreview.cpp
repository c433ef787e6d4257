#include "ui/print/DraftPagePreview.h"

#include <QPainter>

#include "core/print/PagePreview.h"
#include "core/print/SheetRenderer.h"
#include "ui/controls/ControlPainting.h"

namespace tavolo {

DraftPagePreview::DraftPagePreview(const SheetJob& job, QWidget* parent)
    : OwnerDrawnControl(parent), job_(job) {}

QRect DraftPagePreview::SheetArea(int page) const {
  QRect space = rect();
  if (PrintsBacks(job_)) {
    // Two pages with a gap between them as wide as a tenth of a page.
    const int half = space.width() * 10 / 21;
    space = page == 0 ? QRect(space.left(), space.top(), half, space.height())
                      : QRect(space.right() + 1 - half, space.top(), half, space.height());
  }
  const PaperMm paper = job_.paper.WholeMm();
  if (paper.width <= 0 || paper.height <= 0) return space;
  QRect area(QPoint(0, 0),
             QSize(paper.width, paper.height).scaled(space.size(), Qt::KeepAspectRatio));
  area.moveCenter(space.center());
  return area;
}

void DraftPagePreview::Draw(QImage& picture) const {
  QPainter painter(&picture);
  painter.fillRect(LogicalRect(picture), palette().window());
  for (int page = 0; page < (PrintsBacks(job_) ? 2 : 1); ++page) {
    const QRect sheet = SheetArea(page);
    painter.save();
    painter.translate(sheet.topLeft());
    const PagePreviewGeometry geometry =
        ready_ ? ComputePagePreview(job_.layout, job_.paper.WholeMm(), job_.dpi, sheet.size())
               : PagePreviewGeometry{};
    PaintPagePreview(painter, sheet.size(), job_, geometry, page == 1);
    painter.restore();
  }
}

}  // namespace tavolo
