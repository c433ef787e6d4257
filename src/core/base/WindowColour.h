// The window colour, a light grey-blue: behind the main window's controls, the template library
// and the loading window, the background chooser, the field captions, the corners of the pill
// buttons and the template previews.
#pragma once

#include <QColor>

namespace tavolo {

// The 32-bit pixel value 15527153, opaque.
inline constexpr QRgb kWindowColour = 0xFFECECF1;

}  // namespace tavolo
