// The contact details in the lines of a layout. Which line of a layout holds which detail comes
// from the layout table; these functions read the details off the boxes and carry what belongs
// to no detail across a layout switch.
#pragma once

#include <array>

#include "core/card/CardState.h"
#include "core/card/ContactDetails.h"
#include "core/card/LayoutTable.h"

namespace tavolo {

using CardBoxes = std::array<TextBoxLines, kTextBoxCount>;

// The details the boxes of a card in `layout` show: each line that holds one field alone gives
// that field its text. A box whose line count differs from the layout's (lines added or removed)
// no longer says which line is which and gives nothing; fields it does not give stay empty.
ContactDetails DetailsFromBoxes(int layout, const CardBoxes& boxes, int boxCount);

// The details after the editor of `box` went from `before` to `after`. With the layout's line
// count every line that holds one field alone gives it its text; with another count a line that
// read exactly as one of the box's fields and was changed in place carries the change to it.
ContactDetails DetailsAfterEdit(ContactDetails details, int layout, int box,
                                const TextBoxLines& before, const TextBoxLines& after);

// What a card keeps: its own details; without them (its file held none, or damaged ones) what
// its boxes show.
ContactDetails ContactDetailsOf(const CardState& card);

// The lines of `box` in `layout` that belong to no field: none when the box has the layout's
// line count, else every non-empty line that reads as none of the box's distributed lines.
TextBoxLines LinesOfNoField(int layout, int box, const TextBoxLines& shown,
                            const ContactDetails& details);

// Where the lines of no field of `box` in layout `from` go in layout `to`: the box that holds the
// first field of the source box on a line of its own, else the box of the same number, else the
// last box.
int CarriedLinesBox(int from, int box, int to);

}  // namespace tavolo
