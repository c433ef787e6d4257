// One text box of the card: its translucent frame, blended straight into the card's pixel buffer
// (frame pass), and its lines, drawn through a painter on top of everything else (text pass),
// both where TextBoxLayout puts them.
// Fonts need a QGuiApplication; the offscreen platform is enough.
#pragma once

#include <cstdint>
#include <optional>

#include <QString>

#include "core/card/CardState.h"
#include "core/card/LayoutTable.h"
#include "core/card/PixelRect.h"
#include "core/render/TextBoxLayout.h"

class QPainter;

namespace tavolo {

// Draws one box of `live` (its style and lines; a box at or past its box count draws nothing),
// laid out in `cardArea`, the card at full size (see FullSizeArea); a rendering at `divisor` is
// that card reduced. With print false it blends the frame into backgroundBuffer (dx × dy pixels,
// top-down) and needs no painter; with print true it draws the text with `dc`, whole and
// unclipped. Returns 0 (a zero divisor is reported here and draws nothing); 1 when there is no
// QGuiApplication, so fonts cannot exist. `laidOut`, when given, keeps the box's layout from the
// frame pass for the text pass of the same rendering: laid out when empty, used as it is after.
int DrawField(const CardState& live, int box, int divisor, QPainter* dc, PixelRect cardArea,
              int offset, int align, uint32_t* backgroundBuffer, int dx, int dy, bool print = false,
              int angle = 0, std::optional<TextBoxLayout>* laidOut = nullptr);

// Draws the lines of a free text box laid out as `layout` (see LayOutFreeText) in its style's
// colour, through `dc` in the box's own full-size coordinates.
void DrawFreeText(QPainter& dc, const TextBoxLayout& layout, const TextSource& text);

// Alignment value for "use the text rectangle's own left and right" (the rotated box).
inline constexpr int kAlignOwnEdges = 4;

// A box's frame as it is blended: its area (see FrameArea), its colour as a pixel value (red in
// bits 16..23) and the weight the old pixels keep (0..255).
struct FrameFill {
  PixelRect area;
  uint32_t colour = 0;
  int alpha = 0;
};

// The frame of box `box` of `live` laid out as `layout` (see DrawField), at `divisor`; none when
// the box has no frame or nothing to frame.
std::optional<FrameFill> BoxFrame(const CardState& live, int box, int divisor, PixelRect cardArea,
                                  int align, int angle, const TextBoxLayout& layout);

// The area a box's frame covers: the text rectangle widened by `f`, spread by the frame mode to
// the edges of `spreadArea`; none for a mode that draws no frame or a box with nothing to frame.
std::optional<PixelRect> FrameArea(PixelRect spreadArea, PixelRect text, int frameMode, int w,
                                   int align, int f, int angle);

// Blends a box's frame (FrameArea) into the buffer.
void DrawFrame(PixelRect spreadArea, PixelRect text, int frameMode, int w, int align,
               HslColour fill, int f, uint32_t* buf, int dx, int dy, int alpha, int angle);

// Blends `colour` over the rectangle, whose outermost ring gets `border`: per colour byte
// (colour × (255 − alpha) + old × alpha) / 255, fourth byte 0. The right and bottom edges are
// exclusive and never pass dx − 1 and dy − 1.
void BlendRect(uint32_t* buf, int dx, int dy, PixelRect rect, uint32_t colour, uint32_t border,
               int alpha);
// The part of `rect` that BlendRect changes in a dx × dy buffer; empty (left == right) for none.
PixelRect BlendedArea(PixelRect rect, int dx, int dy);

}  // namespace tavolo
