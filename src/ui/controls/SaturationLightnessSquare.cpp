#include "ui/controls/SaturationLightnessSquare.h"

#include <QPainter>
#include <algorithm>
#include <array>

#include "core/base/ColourModel.h"
#include "ui/controls/ControlPainting.h"
#include "ui/controls/PickerGeometry.h"

namespace tavolo {

namespace {

using Bytes = std::array<int, 3>;

Bytes ExactColour(float h, float s, float l) {
  const RgbColour c = HslToRgb({h, s, l});
  return {static_cast<int>(c.r * 255), static_cast<int>(c.g * 255), static_cast<int>(c.b * 255)};
}

float Fraction(int n, int last) {
  return last > 0 ? static_cast<float>(n) / static_cast<float>(last) : 0.0f;
}

}  // namespace

void FillSaturationRow(QRgb* row, int width, float h, float l) {
  // The colour is linear in saturation, so each third of the row is interpolated between two
  // exact conversions at its ends.
  for (int k = 0; k < 3; ++k) {
    const int a = k * width / 3;
    const int b = std::min(((k + 1) * width + 2) / 3, width - 1);
    if (b < a) continue;
    const Bytes ca = ExactColour(h, Fraction(a, width - 1) * 240, l);
    const Bytes cb = ExactColour(h, Fraction(b, width - 1) * 240, l);
    const int span = b - a;
    for (int x = a; x <= b; ++x) {
      Bytes c = ca;
      if (span > 0) {
        for (size_t i = 0; i < 3; ++i) c[i] = ca[i] + (cb[i] - ca[i]) * (x - a) / span;
      }
      row[x] = qRgb(c[0], c[1], c[2]);
    }
  }
}

SaturationLightnessSquare::SaturationLightnessSquare(QWidget* parent) : DragPicker(parent) {}

void SaturationLightnessSquare::SetSaturation(float position) {
  saturation_ = position;
  update();
}

void SaturationLightnessSquare::SetLightness(float position) {
  lightness_ = position;
  update();
}

void SaturationLightnessSquare::SetHue(float position) {
  hue_ = position;
  update();
}

void SaturationLightnessSquare::MapPoint(QPoint point) {
  saturation_ = PickerPositionAt(point.x(), width());
  lightness_ = PickerPositionAt(point.y(), height());
}

void SaturationLightnessSquare::StepBy(float across, float down) {
  saturation_ = std::clamp(saturation_ + across, 0.0f, 1.0f);
  lightness_ = std::clamp(lightness_ + down, 0.0f, 1.0f);
}

void SaturationLightnessSquare::Draw(QImage& picture) const {
  const int w = LogicalSize(picture).width();
  const int h = LogicalSize(picture).height();
  const float hue = hue_ * 239;
  // The colours are computed for every device pixel, so a dense screen shows a finer square.
  const int rows = picture.height();
  for (int y = 0; y < rows; ++y) {
    FillSaturationRow(reinterpret_cast<QRgb*>(picture.scanLine(y)), picture.width(), hue,
                      Fraction(y, rows - 1) * 240);
  }
  DrawPositionMarker(picture, QPoint(PickerMarkerCoordinate(saturation_, w),
                                     PickerMarkerCoordinate(lightness_, h)));
  QPainter painter(&picture);
  DrawSunkenEdge(painter, LogicalSize(picture), palette());
}

}  // namespace tavolo
