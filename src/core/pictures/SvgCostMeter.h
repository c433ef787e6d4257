// What drawing an SVG would cost, found without drawing it. A small drawing can keep the painter
// busy for minutes: thousands of long edges crossing the same rows (the raster painter keeps each
// row's cells in a list it walks for every new cell, so the work grows with the square of the
// edges on a row), wide strokes over many segments, or thousands of shapes each filling the whole
// picture. The drawing is painted once onto a device that draws nothing and counts, for every
// shape as the painter would fill it, its edges, the cells its outline passes through row by row
// and the pixels it covers.
#pragma once

#include <cstdint>

#include <QSize>

class QSvgRenderer;

namespace tavolo {

// Cost is counted in units of about a nanosecond of the raster painter's work on one core; a
// drawing that would cost more than this is not drawn.
inline constexpr uint64_t kMaxSvgPaintCost = 700'000'000;

// The cost of painting `renderer`'s drawing stretched over `size` pixels. The count stops soon
// after it passes `limit`, so a costly drawing costs little to measure.
uint64_t SvgPaintCost(QSvgRenderer& renderer, QSize size, uint64_t limit = kMaxSvgPaintCost);

}  // namespace tavolo
