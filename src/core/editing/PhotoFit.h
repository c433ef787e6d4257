// The size of a photo or logo as its options dialog shows it (a whole percentage of the picture's
// own size), the percentages the scale box accepts, and the fit of a newly loaded picture to the
// card.
#pragma once

#include <optional>

namespace tavolo {

inline constexpr int kFullSizePercent = 100;

// The whole percentages a scale box takes, and the range its up-down arrows step in.
struct ScaleRange {
  int low = 0;
  int high = 0;
};
inline constexpr ScaleRange kPhotoScaleRange{0, 999};
inline constexpr ScaleRange kLogoScaleRange{0, 1000};
inline constexpr ScaleRange kScaleStepRange{1, 1000};

// The percentage shown for a reduction: (1 − reduction) × 100, truncated toward zero; a
// reduction made from a whole percentage shows that percentage again.
int ShownPercent(float reduction);
// The reduction a typed percentage stands for: 1 − percent × 0.01.
float ReductionForPercent(int percent);

// The reduction that brings a newly loaded picture down to half the card: by its height when it
// is higher than half the card, else by its width when it is wider than half the card; none when
// it fits as it is.
std::optional<float> FitReduction(float imageWidth, float imageHeight, float cardWidth,
                                  float cardHeight);

}  // namespace tavolo
