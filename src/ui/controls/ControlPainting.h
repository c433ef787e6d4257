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

// A control's picture holds device pixels (devicePixelRatio of them per control pixel on a
// high-density screen), so that it is drawn at the screen's resolution; a painter on it works in
// control pixels. These give the picture's extent in control pixels.
QSize LogicalSize(const QImage& picture);
QRect LogicalRect(const QImage& picture);
// A picture of `size` control pixels at `ratio` device pixels each; a null image for an empty size.
QImage DevicePicture(QSize size, qreal ratio, QImage::Format format);

// Inverts every colour channel of the pixels of `rect` (control pixels) inside the picture.
void InvertRect(QImage& picture, const QRect& rect);

// The keyboard focus mark: a dotted outline of `rect` (control pixels) drawn by inverting every
// other dot, so that it shows on any colour; each dot is one control pixel.
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
