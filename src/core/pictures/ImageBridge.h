// Where the engine's Qt pictures meet the Qt-free image layer: the image layer's pictures become
// QImages the renderer can draw, and a rendered card becomes a RasterImage that can be printed,
// exported or saved. Every conversion between the two goes through here.
#pragma once

#include <QImage>

#include "core/imaging/RasterImage.h"

namespace tavolo {

// A Format_RGB32 copy of the picture, rows turned top-down and palette indices resolved; a picture
// with alpha gives a Format_ARGB32_Premultiplied one, which QPainter blends onto what is under
// it. An empty or unreadable image gives a null QImage.
QImage ToQImage(const RasterImage& image);

// `image` (a rendered card, Format_RGB32) as a 24-bit RasterImage. False, with the reason in
// out's last error, when the picture is null, of another format or cannot be held.
bool ToRasterImage(const QImage& image, RasterImage& out);

}  // namespace tavolo
