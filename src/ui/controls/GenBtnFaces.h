// The three 30 x 30 faces of the application's push button, drawn once: a disc with a soft
// blue ring on the window background, in a normal, a hover and a pressed version.
#pragma once

#include <QImage>

namespace tavolo {

enum class GenBtnFace { Normal, Hover, Pressed };

inline constexpr int kGenBtnFaceSize = 30;
// The window background around the disc and below the face rows, as 0x00RRGGBB.
inline constexpr QRgb kGenBtnBackground = 0xECECF1;

// The face picture, Format_RGB32, 30 x 30.
const QImage& GenBtnFacePicture(GenBtnFace face);

// The face column that button column x shows in a button `width` wide: the 15 left and the 15
// right columns unchanged, the 16th repeated between them.
int GenBtnFaceColumn(int x, int width);

}  // namespace tavolo
