// An SVG drawing painted into pixels with its alpha, once what the painting would cost has been
// counted and found affordable.
#pragma once

#include <cstdint>

#include <QSize>

#include "core/imaging/RasterImage.h"

class QSvgRenderer;

namespace tavolo {

// SVG lengths are pixels of 1/96 inch; the card's composition has 300 pixels an inch.
inline constexpr double kSvgPixelsToPrintPixels = 300.0 / 96.0;

// Paints `renderer`'s drawing stretched over `size` pixels (each side at least 1) into `out`,
// colours and alpha, on clear ground. The cost of the painting is taken from `costBudget`; a
// drawing that would cost more than is left is not painted, and out's last error says so.
bool RasterizeSvg(QSvgRenderer& renderer, QSize size, uint64_t& costBudget, RasterImage& out);

}  // namespace tavolo
