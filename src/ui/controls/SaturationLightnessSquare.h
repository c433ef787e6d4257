// The saturation/lightness square of one hue: grey at the left, full colour at the right, black
// at the top, white at the bottom, with a marker at the current saturation and lightness.
#pragma once

#include "ui/controls/DragPicker.h"

namespace tavolo {

// One row of the square: lightness `l` (0..240) for hue `h` (0..239), saturation running from
// 0 at the left to 240 at the right; written to `row`, `width` pixels.
void FillSaturationRow(QRgb* row, int width, float h, float l);

class SaturationLightnessSquare : public DragPicker {
  Q_OBJECT

 public:
  explicit SaturationLightnessSquare(QWidget* parent = nullptr);

  // Positions 0..1: saturation = x 240, lightness = x 240, hue = x 239.
  void SetSaturation(float position);
  void SetLightness(float position);
  void SetHue(float position);
  float Saturation() const { return saturation_; }
  float Lightness() const { return lightness_; }
  float Hue() const { return hue_; }

 protected:
  void Draw(QImage& picture) const override;
  void MapPoint(QPoint point) override;
  void StepBy(float across, float down) override;

 private:
  float saturation_ = 0.0f;
  float lightness_ = 0.0f;
  float hue_ = 0.0f;
};

}  // namespace tavolo
