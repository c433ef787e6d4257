// Each printer's calibration in the user's settings, kept by the printer's name (the PDF
// printer has its own), so that it applies to every sheet printed on that printer.
#pragma once

#include <QString>

#include "core/print/PrinterCalibration.h"

namespace tavolo {

// The printer's calibration, held to its ranges; none when it was never set.
PrinterCalibration LoadCalibration(const QString& printerName);
void SaveCalibration(const QString& printerName, const PrinterCalibration& calibration);

}  // namespace tavolo
