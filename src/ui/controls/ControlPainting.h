// Drawing steps the owner-drawn controls share: 3-D frames, the sunken edge, hatching, colour
// inversion, the focus mark, and the checked redraw and capture release.
#pragma once

#include <QColor>
#include <QImage>
#include <QPalette>
#include <QRect>

#include "core/base/ColourModel.h"

class QPainter;
class QWidget;

namespace tavolo {

inline QRgb ToQRgb(ColourRef colour) {
  return qRgb(ColourRefRed(colour), ColourRefGreen(colour), ColourRefBlue(colour));
}

// A one-pixel frame inside `rect`: the top row and left column (short of the far corners) in
// `topLeft`, the bottom row and right column in full in `bottomRight`.
void FrameRect3d(QPainter& painter, const QRect& rect, const QColor& topLeft,
                 const QColor& bottomRight);

// The sunken edge around the whole picture: an outer and an inner bevel, dark at the top left.
void DrawSunkenEdge(QPainter& painter, const QSize& size, const QPalette& palette);

// A diagonal cross-hatch in `colour` over `background`, the look of a disabled swatch.
void FillHatched(QPainter& painter, const QRect& rect, const QColor& colour,
                 const QColor& background);

// Inverts every colour channel of the pixels of `rect` that lie inside the picture.
void InvertRect(QImage& picture, const QRect& rect);

// The keyboard focus mark: a dotted outline of `rect` drawn by inverting every other pixel, so
// that it shows on any colour.
void DrawFocusMark(QImage& picture, const QRect& rect);

// A rectangle of the classic kind: the half-open box (left, top)-(right, bottom) filled with
// `fill` and outlined one pixel wide in `outline`.
void DrawBox(QPainter& painter, int left, int top, int right, int bottom, const QColor& outline,
             const QColor& fill);

// Paints the control at once; checked by the callers as "RedrawWindow()".
bool RedrawNow(QWidget& control);

// Gives up the mouse when the control holds it; true when the control no longer holds it.
// Checked by the callers as "ReleaseCapture()".
bool ReleaseMouseCapture(QWidget& control);

}  // namespace tavolo
