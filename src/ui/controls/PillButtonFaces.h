// The three 30 x 30 faces of the application's push button, drawn once: a disc with a soft
// blue ring on the window background, in a normal, a hover and a pressed version.
#pragma once

#include <QImage>

#include "core/base/WindowColour.h"

namespace tavolo {

enum class PillButtonFace { Normal, Hover, Pressed };

inline constexpr int kPillButtonFaceSize = 30;
// The window background around the disc and below the face rows, as 0x00RRGGBB.
inline constexpr QRgb kPillButtonBackground = kWindowColour & 0xFFFFFFu;

// The face picture, Format_RGB32, 30 x 30.
const QImage& PillButtonFacePicture(PillButtonFace face);

// The face column that button column x shows in a button `width` wide: the 15 left and the 15
// right columns unchanged, the 16th repeated between them.
int PillButtonFaceColumn(int x, int width);

}  // namespace tavolo
