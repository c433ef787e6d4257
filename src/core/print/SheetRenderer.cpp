#include "core/print/SheetRenderer.h"

#include <QPainter>

#include "core/bridge/ImageBridge.h"

namespace tavolo {

SheetRenderer::SheetRenderer(const RasterImage& printImage) : image_(ToQImage(printImage)) {}

SheetRenderer::SheetRenderer(QImage printImage) : image_(std::move(printImage)) {
  if (image_.width() == 0 || image_.height() == 0) image_ = QImage();
}

void SheetRenderer::PaintCards(QPainter& painter, std::span<const QRectF> cards) const {
  if (!IsValid()) return;
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  // Cards carry text: a PDF keeps the picture exact instead of re-encoding it as JPEG.
  painter.setRenderHint(QPainter::LosslessImageRendering);
  for (const QRectF& card : cards) painter.drawImage(card, image_);
  painter.restore();
}

void SheetRenderer::PaintSheet(QPainter& painter, const SheetPlacement& placement) const {
  PaintCards(painter, placement.cards);
}

void SheetRenderer::PaintPagePreview(QPainter& painter, QSize size,
                                     const PagePreviewGeometry& preview) const {
  const QRect whole(QPoint(0, 0), size);
  const QRect sheet = preview.drawn ? preview.sheet : whole;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  if (sheet != whole) painter.fillRect(whole, Qt::lightGray);
  painter.fillRect(sheet, Qt::white);
  painter.setPen(QPen(Qt::black, 0));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(sheet.adjusted(0, 0, -1, -1));
  if (preview.drawn && IsValid()) {
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
      for (const QRect& card : preview.cards) painter.drawImage(card, image_);
    }
  }
  painter.restore();
}

}  // namespace tavolo
