// Conversion of an image-layer picture to a QImage the renderer can draw: 32-bit, top-down.
#pragma once

#include <QImage>

#include "core/imaging/RasterImage.h"

namespace tavolo {

// A Format_RGB32 copy of the picture, rows turned top-down and palette indices resolved. An empty
// or unreadable image gives a null QImage.
QImage ToQImage(const RasterImage& image);

}  // namespace tavolo
