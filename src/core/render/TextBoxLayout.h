// Where the lines of one text box go on the card at full size and in which font each is drawn:
// the one layout that the frame, the text, every reduced rendering (drawn through a scaled
// painter) and the too-wide check share, so that the preview shows what the export shows.
// Lines are never clipped: a glyph reaching past its line (an accent, a tail, a glyph of a
// fallback font) is drawn whole, and a line from a taller fallback font gets a taller slot.
// Fonts need a QGuiApplication.
#pragma once

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
  int width = 0;         // advance width in `font`
  bool tooWide = false;  // wider than the box's room even as drawn
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
// layout row. An empty layout for a box at or past the box count.
TextBoxLayout LayOutTextBox(const CardState& card, int box, PixelRect area, int offset, int align,
                            int angle);

// How far a box's frame reaches past its text on a card of `dpi` drawn at `divisor`: 4 pixels
// per step of frame size at 300 dpi.
int FrameMargin(const TextBoxStyle& style, int divisor, int dpi);

// The full-size card a rendering of dx × dy pixels at `divisor` stands for: the card's own size
// when the rendering is the whole card reduced, otherwise the rendering's size times the divisor.
PixelRect FullSizeArea(const CardState& card, int divisor, int dx, int dy);

// The lines of box `box` that stay wider than their box on the card as drawn (after shrinking,
// when the box shrinks to fit), in order; none without a QGuiApplication.
QStringList LinesTooWide(const CardState& card, int box);

}  // namespace tavolo
