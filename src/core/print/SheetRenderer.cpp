#include "core/print/SheetRenderer.h"

#include <QPainter>

namespace tavolo {

void PaintSheet(QPainter& painter, const SheetJob& job, int sheet,
                const SheetPlacement& placement) {
  if (!job.cards) return;
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  // Cards carry text: a PDF keeps the picture exact instead of re-encoding it as JPEG.
  painter.setRenderHint(QPainter::LosslessImageRendering);
  for (size_t cell = 0; cell < placement.cards.size(); ++cell) {
    if (job.paintedCards) {
      job.paintedCards(painter, QRectF(placement.cards[cell]), sheet, static_cast<int>(cell));
      continue;
    }
    const QImage card = job.cards(sheet, static_cast<int>(cell));
    if (!card.isNull()) painter.drawImage(placement.cards[cell], card);
  }
  painter.restore();
}

void PaintPagePreview(QPainter& painter, QSize size, const SheetJob& job,
                      const PagePreviewGeometry& preview) {
  const QRect whole(QPoint(0, 0), size);
  const QRect sheet = preview.drawn ? preview.sheet : whole;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  if (sheet != whole) painter.fillRect(whole, Qt::lightGray);
  painter.fillRect(sheet, Qt::white);
  painter.setPen(QPen(Qt::black, 0));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(sheet.adjusted(0, 0, -1, -1));
  if (preview.drawn && HasCards(job)) {
    if (!preview.grid.Ok()) {
      painter.setBackgroundMode(Qt::OpaqueMode);
      painter.setBackground(Qt::white);
      const QString message = QString::fromUtf8(GridMessage(preview.grid.status));
      // One line, unless the preview is too narrow for it: then the words wrap, not cut off.
      const bool fits = painter.fontMetrics().horizontalAdvance(message) < whole.width() - 2;
      painter.drawText(whole, Qt::AlignCenter | (fits ? Qt::TextSingleLine : Qt::TextWordWrap),
                       message);
    } else {
      painter.setRenderHint(QPainter::SmoothPixmapTransform);
      for (size_t cell = 0; cell < preview.cards.size(); ++cell) {
        const QImage card = job.cards(0, static_cast<int>(cell));
        if (!card.isNull()) painter.drawImage(preview.cards[cell], card);
      }
    }
  }
  painter.restore();
}

}  // namespace tavolo
