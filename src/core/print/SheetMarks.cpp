#include "core/print/SheetMarks.h"

#include <algorithm>
#include <cmath>

namespace tavolo {

namespace {

double Bleed(double bleedMm) {
  return std::isfinite(bleedMm) ? std::clamp(bleedMm, 0.0, kMaxBleedMm) : 0.0;
}

bool Overlap(const QRectF& a, const QRectF& b) {
  return a.left() < b.right() && b.left() < a.right() && a.top() < b.bottom() &&
         b.top() < a.bottom();
}

// A line's bounding box, widened so that a mark along a printed area's edge counts as touching.
QRectF Around(const QLineF& line) {
  constexpr double kTouch = 1e-6;
  return QRectF(line.p1(), line.p2()).normalized().adjusted(-kTouch, -kTouch, kTouch, kTouch);
}

}  // namespace

double CropMarkOffsetMm(double bleedMm) {
  return Bleed(bleedMm) + kCropMarkGapMm;
}

double CropMarkReachMm(double bleedMm) {
  return CropMarkOffsetMm(bleedMm) + kCropMarkLengthMm;
}

std::vector<CardOnSheet> CardsOnSheet(std::span<const QRectF> cells, QSizeF card, double bleed) {
  std::vector<CardOnSheet> cards;
  cards.reserve(cells.size());
  for (const QRectF& cell : cells) {
    const QSizeF size = card.isEmpty() ? cell.size() : card;
    const QRectF whole(cell.center().x() - size.width() / 2, cell.center().y() - size.height() / 2,
                       size.width(), size.height());
    const QRectF cut = whole.intersected(cell);
    cards.push_back({whole, cut, cut.adjusted(-bleed, -bleed, bleed, bleed)});
  }
  return cards;
}

bool BleedsOverlap(std::span<const CardOnSheet> cards, const GridSize& grid) {
  // Every card has the same size and the pitch is regular: the first card and its neighbours
  // across and down stand for all.
  const auto columns = static_cast<size_t>(std::max(grid.columns, 0));
  if (cards.empty()) return false;
  if (grid.columns > 1 && Overlap(cards[0].printed, cards[1].printed)) return true;
  return grid.rows > 1 && columns < cards.size() && Overlap(cards[0].printed, cards[columns].printed);
}

std::vector<QLineF> CropMarks(std::span<const CardOnSheet> cards, double offset, double length) {
  std::vector<QLineF> marks;
  const auto keep = [&](const QLineF& mark) {
    const QRectF box = Around(mark);
    for (const CardOnSheet& other : cards) {
      if (Overlap(box, other.printed)) return;
    }
    marks.push_back(mark);
  };
  const double reach = offset + length;
  for (const CardOnSheet& card : cards) {
    const QRectF& c = card.cut;
    for (const double y : {c.top(), c.bottom()}) {
      keep(QLineF(c.left() - reach, y, c.left() - offset, y));
      keep(QLineF(c.right() + offset, y, c.right() + reach, y));
    }
    for (const double x : {c.left(), c.right()}) {
      keep(QLineF(x, c.top() - reach, x, c.top() - offset));
      keep(QLineF(x, c.bottom() + offset, x, c.bottom() + reach));
    }
  }
  return marks;
}

}  // namespace tavolo
