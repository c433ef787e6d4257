#include "core/print/PrinterCalibration.h"

#include <algorithm>
#include <cmath>

namespace tavolo {

namespace {

constexpr double kMmPerInch = 25.4;

double Held(double value, double low, double high, double none) {
  return std::isfinite(value) ? std::clamp(value, low, high) : none;
}

}  // namespace

PrinterCalibration Clamped(PrinterCalibration calibration) {
  calibration.offsetXMm =
      Held(calibration.offsetXMm, -kMaxCalibrationOffsetMm, kMaxCalibrationOffsetMm, 0.0);
  calibration.offsetYMm =
      Held(calibration.offsetYMm, -kMaxCalibrationOffsetMm, kMaxCalibrationOffsetMm, 0.0);
  calibration.scalePercent = Held(calibration.scalePercent, kMinCalibrationScalePercent,
                                  kMaxCalibrationScalePercent, 100.0);
  return calibration;
}

QTransform CalibrationTransform(const PrinterCalibration& calibration, double deviceDpi) {
  const PrinterCalibration held = Clamped(calibration);
  const double scale = held.scalePercent / 100.0;
  return QTransform()
      .translate(held.offsetXMm / kMmPerInch * deviceDpi, held.offsetYMm / kMmPerInch * deviceDpi)
      .scale(scale, scale);
}

}  // namespace tavolo
