#include "core/print/DuplexFlip.h"

namespace tavolo {

std::vector<QRectF> BackCells(std::span<const QRectF> cells, QSizeF page, DuplexFlip flip) {
  std::vector<QRectF> backs;
  backs.reserve(cells.size());
  for (const QRectF& cell : cells) {
    QRectF back = cell;
    if (flip == DuplexFlip::kLongEdge) back.moveLeft(page.width() - cell.right());
    if (flip == DuplexFlip::kShortEdge) back.moveTop(page.height() - cell.bottom());
    backs.push_back(back);
  }
  return backs;
}

}  // namespace tavolo
