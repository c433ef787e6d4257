// Two-sided printing: which edge the sheet is turned over, and where each card's back goes on the
// back page so that it lands behind its front.
#pragma once

#include <span>
#include <vector>

#include <QRectF>
#include <QSizeF>

namespace tavolo {

enum class DuplexFlip {
  kNone,       // one side: no back pages
  kLongEdge,   // turned over the long edge: the backs' grid is mirrored left to right
  kShortEdge,  // turned over the short edge: the backs' grid is mirrored top to bottom
};

// The back page's rectangle for each front rectangle of `cells` (device units from the top-left
// corner of a portrait page of `page` device units): the front's mirrored across the page. The
// cards themselves stay upright; the printer turns the page.
std::vector<QRectF> BackCells(std::span<const QRectF> cells, QSizeF page, DuplexFlip flip);

}  // namespace tavolo
