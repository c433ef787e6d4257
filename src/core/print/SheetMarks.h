// What a print shop needs around each card of a sheet: the card at its true size centred in its
// rectangle of the layout (clipped to it when larger), the bleed printed past its cut, and crop
// marks outside the cuts. All lengths in the device units the sheet is painted in.
#pragma once

#include <span>
#include <vector>

#include <QLineF>
#include <QRectF>
#include <QSizeF>

#include "core/print/SheetGrid.h"

namespace tavolo {

inline constexpr double kMaxBleedMm = 5.0;
inline constexpr double kCropMarkLengthMm = 5.0;
// Between the bleed's edge and a mark, so that a mark never prints on the card's bleed.
inline constexpr double kCropMarkGapMm = 1.0;
inline constexpr double kCropMarkWeightPt = 0.25;  // a hairline

struct PrintShopOptions {
  double bleedMm = 0.0;  // 0 to kMaxBleedMm
  bool cropMarks = false;
  friend bool operator==(const PrintShopOptions&, const PrintShopOptions&) = default;
};

// Where a crop mark starts from the cut, and how far past the cut it reaches.
double CropMarkOffsetMm(double bleedMm);
double CropMarkReachMm(double bleedMm);

struct CardOnSheet {
  QRectF card;     // the card at its true size, centred in its rectangle of the layout
  QRectF cut;      // where it is cut: the card, clipped to its rectangle
  QRectF printed;  // the cut and the bleed around it: all that is printed of the card
};

// The cards of `cells` at their true size `card` (device units), with `bleed` device units
// printed around each cut.
std::vector<CardOnSheet> CardsOnSheet(std::span<const QRectF> cells, QSizeF card, double bleed);

// Whether the printed areas of neighbouring cards overlap: the layout has no room for the bleed.
bool BleedsOverlap(std::span<const CardOnSheet> cards, const GridSize& grid);

// At each corner of every cut, two lines continuing its edges outward, from `offset` past the
// corner and `length` long; a mark that would reach into any card's printed area is left out, so
// no mark lands on a card.
std::vector<QLineF> CropMarks(std::span<const CardOnSheet> cards, double offset, double length);

}  // namespace tavolo
