#include "PrintShopOptions.h"

#include <string>

namespace tavolo::cli {

Step<> ReadPrintShop(const Arguments& arguments, PrintShopOptions& options) {
  options.cropMarks = arguments.flags.contains(kCropMarksFlag);
  if (arguments.values.contains(kBleedOption)) {
    const auto bleed = ParseNumber(arguments.values.at(kBleedOption), 0.0, kMaxBleedMm);
    if (!bleed) return Misused(TrText("--bleed must be a number of millimetres from 0 to 5"));
    options.bleedMm = *bleed;
  }
  return {};
}

Step<> ReadPdfStandard(const Arguments& arguments, PdfOptions& options) {
  options.pdfx = arguments.flags.contains(kPdfxFlag);
  if (!arguments.values.contains(kCmykOption)) return {};
  Outcome<CmykProfile> profile = CmykProfile::Load(arguments.values.at(kCmykOption));
  if (!profile) return Failed(profile.Message());
  options.cmyk = std::move(profile).Value();
  return {};
}

Step<> ReadOffset(const Arguments& arguments, PrinterCalibration& calibration) {
  if (!arguments.values.contains(kOffsetOption)) return {};
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
    return Misused(
        TrText("--offset must be X,Y in millimetres, each from -10 to 10, such as 1.5,-2"));
  }
  calibration.offsetXMm = *x;
  calibration.offsetYMm = *y;
  return {};
}

Step<> ReadFit(const Arguments& arguments, std::optional<CardFit>& fit) {
  if (!arguments.values.contains(kFitOption)) return {};
  const std::string& value = arguments.values.at(kFitOption);
  if (value != "sheet" && value != "card") return Misused(TrText("--fit must be sheet or card"));
  fit = value == "sheet" ? CardFit::kSheetSize : CardFit::kCardSize;
  return {};
}

Step<> ReadBackSide(const Arguments& arguments, DuplexFlip& flip) {
  if (!arguments.values.contains(kBackOption)) return {};
  const std::string& value = arguments.values.at(kBackOption);
  if (value != "long" && value != "short") {
    return Misused(TrText("--back must be long or short"));
  }
  flip = value == "long" ? DuplexFlip::kLongEdge : DuplexFlip::kShortEdge;
  return {};
}

Step<> RefuseMissingBack(DuplexFlip flip, const CardState& card) {
  if (flip == DuplexFlip::kNone || card.back.Has()) return {};
  return Failed(TrText("the card has no back side; --back prints one"));
}

}  // namespace tavolo::cli
