// Where the lines of one text box go on the card at full size and in which font each is drawn:
// the one layout that the frame, the text, every reduced rendering (drawn through a scaled
// painter) and the too-wide check share, so that the preview shows what the export shows.
// Lines are never clipped: a glyph reaching past its line (an accent, a tail, a glyph of a
// fallback font) is drawn whole, and a line from a taller fallback font gets a taller slot.
// A line keeps clear of the photo, the logo, the QR code, the other boxes' text and, on a card
// made from a template, of the artwork around its box's clear area: what would run into them
// counts as too wide, and a box that shrinks to fit draws it smaller until it fits.
// Fonts need a QGuiApplication.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include <QFont>
#include <QString>
#include <QStringList>

#include "core/card/CardState.h"
#include "core/card/PixelRect.h"
#include "core/render/BoxFont.h"
#include "core/render/ShapedLine.h"

namespace tavolo {

struct LaidOutLine {
  QString text;
  // The box's font, or a smaller one when the line was shrunk to fit.
  QFont font;
  // Across the lines: where the line's slot starts (its top; its left edge in a rotated box) and
  // how deep it is: the box's line height, or more when a font on the line is taller.
  int top = 0;
  int height = 0;
  // How far below the slot's start the line's text box begins: 0, or for a shrunk line what
  // keeps it on the baseline the box's font would give it (horizontal boxes).
  qreal drop = 0;
  // How far below the slot's start the baseline lies (rotated boxes).
  qreal baseline = 0;
  int width = 0;  // advance width in `font`
  // The widest the line may be where it stands: the box's room, less what pictures, other boxes'
  // text and the artwork around a template's clear area take from it.
  int room = 0;
  bool tooWide = false;  // wider than its room even as drawn
  // The line as last drawn, kept with the layout so that a sheet of cards shapes it once.
  mutable ShapedLine shaped;
};

struct TextBoxLayout {
  QFont font;
  int lineHeight = 0;   // of the sample text "TEST STRING" in the box's font
  PixelRect inner;      // the card less the margin
  int room = 0;         // the widest a line may be: the inner area, and the frame kept on the card
  int blockTop = 0;     // horizontal boxes: the top of the first line
  int blockHeight = 0;  // the slots of all lines together
  int widest = 0;       // the widest line as drawn
  std::vector<LaidOutLine> lines;  // the non-empty lines, in order
};

// Whether fonts can be had: only inside a QGuiApplication.
bool FontsExist();

// Box `box` of `card` laid out in `area` (the card at full size) with the placement of its
// layout row (or where it stands, when placed freely: see LayOutFreeBox), each line kept clear of
// the card's pictures and of the artwork around the box's clear area; the other boxes are not
// looked at (see LayOutCardText). An empty layout for a box at or past the box count.
TextBoxLayout LayOutTextBox(const CardState& card, int box, PixelRect area, int offset, int align,
                            int angle);

// Box `box` of `card` placed freely at `where` (see FreeBoxOf): its lines laid out as a free text
// box's in its style, aligned across by `align` and down as the card aligns the box (the top when
// it does not say), then moved to where the box stands on the card.
TextBoxLayout LayOutFreeBox(const CardState& card, int box, const FreeBox& where, int align);

// A free text box's lines laid out in a box of width × height at the origin (the object's box
// before its turn, so that moving the box needs no new layout): in the font its style gives a box
// of `card`, placed by its alignments, each line shrunk to the box's width when the box shrinks
// to fit. The lines keep clear of nothing: where the box stands is the user's choice.
TextBoxLayout LayOutFreeText(const CardState& card, const TextSource& text, int width, int height);

// Every box of the card's layout, one per placement row (none for a box at or past the box
// count), each also kept clear of the other boxes' lines: where two would meet, they share the
// gap between where they start in proportion to their widths. A picture or a line already over
// where a line starts was placed there, and is not avoided.
std::vector<std::optional<TextBoxLayout>> LayOutCardText(const CardState& card, PixelRect area);

// Where a laid-out line's text lies on the card at full size: its slot across the lines, its
// advance width along them, placed by `align` and `angle` as it is drawn.
PixelRect LineArea(const TextBoxLayout& layout, const LaidOutLine& line, PixelRect area, int align,
                   int angle);

// What the lines of a box keep clear of besides the other boxes' text: the photo, the logo and
// the QR code, at full size.
std::vector<PixelRect> PictureAreas(const CardState& card);

// How far a box's frame reaches past its text on a card of `dpi` drawn at `divisor`: 4 pixels
// per step of frame size at 300 dpi.
int FrameMargin(const TextBoxStyle& style, int divisor, int dpi);

// The full-size card a rendering of dx × dy pixels at `divisor` stands for: the card's own size
// when the rendering is the whole card reduced, otherwise the rendering's size times the divisor.
PixelRect FullSizeArea(const CardState& card, int divisor, int dx, int dy);

// The lines of box `box` that stay wider than their room on the card as drawn (after shrinking,
// when the box shrinks to fit), in order; none without a QGuiApplication.
QStringList LinesTooWide(const CardState& card, int box);
// The same for every box at once, the card laid out once.
std::array<QStringList, kTextBoxCount> LinesTooWideByBox(const CardState& card);

}  // namespace tavolo
