// Paints a sheet of cards: the print image drawn at every card's rectangle. The page preview, the
// print job and the command-line PDF all paint through one renderer, so what the preview shows is
// what the printer gets. The image is converted once and drawn as one QImage, so a PDF embeds it
// once however many cards and sheets use it.
#pragma once

#include <span>

#include <QImage>
#include <QRectF>
#include <QSize>

#include "core/imaging/RasterImage.h"
#include "core/print/PagePreview.h"
#include "core/print/SheetGrid.h"

class QPainter;

namespace tavolo {

class SheetRenderer {
 public:
  // The print image as the card renderer made it (CardRenderer::RenderPrintImage).
  explicit SheetRenderer(const RasterImage& printImage);
  explicit SheetRenderer(QImage printImage);

  // False when the print image is missing or empty: nothing is painted then.
  bool IsValid() const { return !image_.isNull(); }
  const QImage& PrintImage() const { return image_; }

  // The print image scaled into each rectangle, in the painter's device units.
  void PaintCards(QPainter& painter, std::span<const QRectF> cards) const;
  // One sheet: every card of the placement (PlaceCards at the device's resolution).
  void PaintSheet(QPainter& painter, const SheetPlacement& placement) const;

  // The whole page preview of `size` pixels: a white sheet framed in black (grey beside it when
  // the sheet is narrower than the preview), then the grid's message centred on one line on
  // white (wrapped when the preview is narrower than the line), or the cards.
  void PaintPagePreview(QPainter& painter, QSize size, const PagePreviewGeometry& preview) const;

 private:
  QImage image_;
};

}  // namespace tavolo
