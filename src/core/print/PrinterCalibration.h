// How a printer misplaces a sheet, as the user measured it on the calibration page: an offset in
// millimetres and a scale, applied to everything printed on that printer so that the cards land
// where the layout puts them.
#pragma once

#include <QTransform>

namespace tavolo {

inline constexpr double kMaxCalibrationOffsetMm = 10.0;
inline constexpr double kMinCalibrationScalePercent = 95.0;
inline constexpr double kMaxCalibrationScalePercent = 105.0;

struct PrinterCalibration {
  double offsetXMm = 0.0;  // to the right
  double offsetYMm = 0.0;  // down
  double scalePercent = 100.0;
  friend bool operator==(const PrinterCalibration&, const PrinterCalibration&) = default;
};

// The calibration held to its ranges (offsets −10 … 10 mm, scale 95 … 105 %); a number that is
// not finite (a damaged setting) counts as none.
PrinterCalibration Clamped(PrinterCalibration calibration);

// Device units of the page to device units on paper: scaled about the paper's top-left corner,
// then moved by the offset.
QTransform CalibrationTransform(const PrinterCalibration& calibration, double deviceDpi);

}  // namespace tavolo
