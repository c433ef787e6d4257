#include "core/print/PaperChange.h"

#include <cmath>

namespace tavolo {

namespace {

constexpr double kHalfMmToHundredthsOfInch = 1.968504;

}  // namespace

float CentringMargin(int paperMm, double cardMm) {
  if (!(cardMm > 0) || !std::isfinite(cardMm)) return 0.0f;
  const double paper = paperMm;
  const double left = paper - std::trunc(paper / cardMm) * cardMm;
  return static_cast<float>(std::trunc(left * kHalfMmToHundredthsOfInch) * 0.01);
}

ShownLengths ApplyPaperChange(PageLayout& layout, int32_t paperId, PaperMm paper, int dpi) {
  layout.paper = paperId;
  layout.unit = static_cast<int32_t>(LengthUnit::kInches);
  layout.horizontalPitch = layout.cardWidth;
  layout.verticalPitch = layout.cardHeight;
  ShownLengths shown = ShowLengths(layout, dpi, LengthUnit::kInches);
  At(shown, LayoutLength::kLeftMargin) =
      CentringMargin(paper.width, PrintPixelsToMm(layout.cardWidth, dpi));
  At(shown, LayoutLength::kTopMargin) =
      CentringMargin(paper.height, PrintPixelsToMm(layout.cardHeight, dpi));
  for (const LayoutLength margin : {LayoutLength::kLeftMargin, LayoutLength::kTopMargin}) {
    LengthOf(layout, margin) = FromDisplay(At(shown, margin), dpi, LengthUnit::kInches);
  }
  return shown;
}

}  // namespace tavolo
