// The print-shop options of the commands that print cards into a PDF (print, pdf, merge):
// --bleed MM, --crop-marks, --pdfx, --cmyk PROFILE.icc and, for sheets, --offset X,Y,
// --fit sheet|card and --back long|short.
#pragma once

#include <optional>

#include "CliSupport.h"
#include "core/print/CardFit.h"
#include "core/print/DuplexFlip.h"
#include "core/print/PrinterCalibration.h"
#include "core/print/SheetMarks.h"
#include "core/print/SheetPdf.h"

namespace tavolo::cli {

inline constexpr const char* kBleedOption = "--bleed";
inline constexpr const char* kCropMarksFlag = "--crop-marks";
inline constexpr const char* kOffsetOption = "--offset";
inline constexpr const char* kFitOption = "--fit";
inline constexpr const char* kBackOption = "--back";
inline constexpr const char* kPdfxFlag = "--pdfx";
inline constexpr const char* kCmykOption = "--cmyk";

// Reads --bleed (0 to 5 mm) and --crop-marks. A bad value is a usage error.
Step<> ReadPrintShop(const Arguments& arguments, PrintShopOptions& options);

// Reads --pdfx and --cmyk PROFILE.icc (the profile loaded and checked) into `options`. A
// profile that cannot serve is a failure.
Step<> ReadPdfStandard(const Arguments& arguments, PdfOptions& options);

// Reads --offset X,Y (millimetres, each −10 to 10) into the calibration's offset.
Step<> ReadOffset(const Arguments& arguments, PrinterCalibration& calibration);

// Reads --fit sheet|card into `fit` (left empty when not given).
Step<> ReadFit(const Arguments& arguments, std::optional<CardFit>& fit);

// Reads --back long|short: the backs' pages follow each sheet, mirrored for that flip (left kNone
// when not given).
Step<> ReadBackSide(const Arguments& arguments, DuplexFlip& flip);

// Refuses backs (`flip` other than kNone) for a card that has no back.
Step<> RefuseMissingBack(DuplexFlip flip, const CardState& card);

}  // namespace tavolo::cli
