// The picture around the card in the preview: a vertical gradient from a pale grey-blue at the
// top towards a deeper blue at the bottom, grainy with a little noise in every pixel, inside a
// one-pixel 3-D frame (top and left edges shaded, bottom and right edges white).
#pragma once

#include <cstdint>

#include <QImage>
#include <QSize>

namespace tavolo {

inline constexpr QRgb kBackdropShade = qRgb(144, 163, 174);
inline constexpr QRgb kBackdropLight = qRgb(255, 255, 255);

// The noise generator's sequence: values 0..32767, starting afresh for every backdrop so that a
// backdrop of a given size always looks the same.
class BackdropNoise {
 public:
  int Next();

 private:
  uint32_t state_ = 1;
};

// The backdrop for a control of `size`; a null image when a side is 0 or less. An allocation
// that fails is reported (checked, "bmp!=0") and gives a null image.
QImage MakePreviewBackdrop(QSize size);

}  // namespace tavolo
