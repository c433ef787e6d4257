// The ten text layouts as data: which named value fills which line of which box, and where each
// box is placed and aligned on the card, in drawing order.
#pragma once

#include <array>
#include <span>

#include <QString>

#include "core/card/CardState.h"
#include "core/card/ContactDetails.h"
#include "core/card/FieldNames.h"

namespace tavolo {

inline constexpr int kLayoutCount = 10;
static_assert(kCustomLayout == kLayoutCount);
// "Company Name", "Name", "Title", … "Phone: Number 2", in index order.
const ContactDetails& DefaultContactDetails();

enum TextAlign : int { kAlignLeft = 0, kAlignCenter = 1, kAlignRight = 2 };

// Offset 0 anchors a box at the top of the inner area, 1 at its bottom; any other value v places
// the box v per cent of the inner height below the top.
inline constexpr int kOffsetTop = 0;
inline constexpr int kOffsetBottom = 1;
// Centres the box's lines in the inner area's height (never a layout's own offset).
inline constexpr int kOffsetMiddle = -1;

struct PlacementRow {
  int box;
  int offset;
  int align;
  int angle;
};

// Text boxes the layout uses: 3, 4 or 5.
int LayoutBoxCount(int layoutIndex);

// Fills the used boxes' lines from the named values and returns the box count; boxes beyond the
// count keep whatever they held. An layoutIndex outside 0..9 is treated as layout 0.
int FieldDistribution(int layoutIndex, const ContactDetails& values,
                      std::array<TextBoxLines, kTextBoxCount>& boxes);

// The lines a box of the layout holds (0 for a box it does not use).
int LayoutLineCount(int layoutIndex, int box);
// The field that a line of a box holds alone; -1 for a line that joins several fields and for a
// line the layout does not have.
int SingleFieldOfLine(int layoutIndex, int box, int line);

// The rows handed to the text renderer, in drawing order; one per used box.
std::span<const PlacementRow> PlacementRows(int layoutIndex);

// A card's placement rows: its layout's, each with the alignment the card gives its box, where it
// gives one. A box whose lines run up the card keeps its layout's placement.
struct CardRows {
  std::array<PlacementRow, kTextBoxCount> rows{};
  size_t count = 0;
  std::span<const PlacementRow> Rows() const { return {rows.data(), count}; }
};
CardRows CardPlacementRows(const CardState& card);
// The alignment across a row stands for.
HorizontalAlign RowHorizontal(const PlacementRow& row);

// "Layout 1" … "Layout 10".
QString LayoutName(int layoutIndex);

}  // namespace tavolo
