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

// The face picture, Format_RGB32, 30 x 30 control pixels drawn at `scale` device pixels each
// (a dense screen's face is drawn afresh at its size, never enlarged).
const QImage& PillButtonFacePicture(PillButtonFace face, int scale = 1);

// The face column that button column x shows in a button `width` wide, both in the pixels of a
// face `faceSize` wide: the left and the right half unchanged, the middle column repeated between.
int PillButtonFaceColumn(int x, int width, int faceSize = kPillButtonFaceSize);

}  // namespace tavolo
