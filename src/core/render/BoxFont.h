// The font a text box's style asks for at one rendering size: its size text read as a number, the
// height for the card's size, resolution and divisor, the weight, the slant and the turn.
#pragma once

#include <QFont>
#include <QString>

#include "core/card/CardState.h"

namespace tavolo {

// The logical font a box's style asks for at one rendering size.
struct FontSpec {
  int height = 0;  // negative: a character height in pixels
  int weight = 0;  // 0 (default), 400 or 700
  bool italic = false;
  int escapement = 0;  // tenths of a degree, counter-clockwise
  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// The leading decimal integer of a size text ("36", " 12pt" → 12); 0 when there is none.
int ParseFontSize(const QString& size);
// The font of a card of `dpi` drawn at `divisor`.
FontSpec MakeFontSpec(const TextBoxStyle& style, int divisor, float cardHeight, int angle, int dpi);
QFont MakeFont(const QString& face, const FontSpec& spec);

}  // namespace tavolo
