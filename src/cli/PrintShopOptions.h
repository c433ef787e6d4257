// The print-shop options of the commands that print cards into a PDF (print, pdf): --bleed MM,
// --crop-marks and, for sheets, --offset X,Y.
#pragma once

#include <optional>

#include "CliSupport.h"
#include "core/print/PrinterCalibration.h"
#include "core/print/SheetMarks.h"

namespace tavolo::cli {

inline constexpr const char* kBleedOption = "--bleed";
inline constexpr const char* kCropMarksFlag = "--crop-marks";
inline constexpr const char* kOffsetOption = "--offset";

// Reads --bleed (0 to 5 mm) and --crop-marks. On a bad value prints why and returns the exit code.
std::optional<int> ReadPrintShop(const char* command, const Arguments& arguments,
                                 PrintShopOptions& options);

// Reads --offset X,Y (millimetres, each −10 to 10) into the calibration's offset.
std::optional<int> ReadOffset(const char* command, const Arguments& arguments,
                              PrinterCalibration& calibration);

}  // namespace tavolo::cli
