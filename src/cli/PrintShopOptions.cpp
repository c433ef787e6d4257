#include "PrintShopOptions.h"

#include <string>

namespace tavolo::cli {

std::optional<int> ReadPrintShop(const char* command, const Arguments& arguments,
                                 PrintShopOptions& options) {
  options.cropMarks = arguments.flags.contains(kCropMarksFlag);
  if (arguments.values.contains(kBleedOption)) {
    const auto bleed = ParseNumber(arguments.values.at(kBleedOption), 0.0, kMaxBleedMm);
    if (!bleed)
      return UsageError(command, TrText("--bleed must be a number of millimetres from 0 to 5"));
    options.bleedMm = *bleed;
  }
  return std::nullopt;
}

std::optional<int> ReadPdfStandard(const char* command, const Arguments& arguments,
                                   PdfOptions& options) {
  options.pdfx = arguments.flags.contains(kPdfxFlag);
  if (!arguments.values.contains(kCmykOption)) return std::nullopt;
  Outcome<CmykProfile> profile = CmykProfile::Load(arguments.values.at(kCmykOption));
  if (!profile) {
    PrintError(command, profile.Message());
    return kExitFailure;
  }
  options.cmyk = std::move(profile).Value();
  return std::nullopt;
}

std::optional<int> ReadOffset(const char* command, const Arguments& arguments,
                              PrinterCalibration& calibration) {
  if (!arguments.values.contains(kOffsetOption)) return std::nullopt;
  const std::string& text = arguments.values.at(kOffsetOption);
  const size_t comma = text.find(',');
  const auto along = [&](std::string_view part) {
    return ParseNumber(part, -kMaxCalibrationOffsetMm, kMaxCalibrationOffsetMm);
  };
  const std::optional<double> x =
      comma == std::string::npos ? std::nullopt : along(std::string_view(text).substr(0, comma));
  const std::optional<double> y =
      comma == std::string::npos ? std::nullopt : along(std::string_view(text).substr(comma + 1));
  if (!x || !y) {
    return UsageError(
        command,
        TrText("--offset must be X,Y in millimetres, each from -10 to 10, such as 1.5,-2"));
  }
  calibration.offsetXMm = *x;
  calibration.offsetYMm = *y;
  return std::nullopt;
}

std::optional<int> ReadFit(const char* command, const Arguments& arguments,
                           std::optional<CardFit>& fit) {
  if (!arguments.values.contains(kFitOption)) return std::nullopt;
  const std::string& value = arguments.values.at(kFitOption);
  if (value != "sheet" && value != "card")
    return UsageError(command, TrText("--fit must be sheet or card"));
  fit = value == "sheet" ? CardFit::kSheetSize : CardFit::kCardSize;
  return std::nullopt;
}

std::optional<int> ReadBackSide(const char* command, const Arguments& arguments, DuplexFlip& flip) {
  if (!arguments.values.contains(kBackOption)) return std::nullopt;
  const std::string& value = arguments.values.at(kBackOption);
  if (value != "long" && value != "short") {
    return UsageError(command, TrText("--back must be long or short"));
  }
  flip = value == "long" ? DuplexFlip::kLongEdge : DuplexFlip::kShortEdge;
  return std::nullopt;
}

std::optional<int> RefuseMissingBack(const char* command, DuplexFlip flip, const CardState& card) {
  if (flip == DuplexFlip::kNone || card.back.Has()) return std::nullopt;
  PrintError(command, TrText("the card has no back side; --back prints one"));
  return kExitFailure;
}

}  // namespace tavolo::cli
