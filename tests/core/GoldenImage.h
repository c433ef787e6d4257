// Comparison of a rendered picture with its golden picture in tests/data/golden/.
// Run the tests with TAVOLO_UPDATE_GOLDEN=1 to write the pictures anew, then look at every one.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QString>

namespace tavolo::test {

struct GoldenTolerance {
  int channel = 0;            // a pixel differs when a channel is further apart than this
  double differingShare = 0;  // the share of the pixels that may differ
};

// Exact: pictures built from numbers alone.
inline constexpr GoldenTolerance kExact{};
// Text: glyph edges may vary with the font version and its rasteriser.
inline constexpr GoldenTolerance kWithText{40, 0.04};
// Whole cards: anti-aliased text in a small share of the card.
inline constexpr GoldenTolerance kCard{48, 0.002};

// `name` is a picture of golden/ui/ for the controls, of golden/ itself for whole cards.
::testing::AssertionResult MatchesGolden(const QImage& actual, const QString& name,
                                         GoldenTolerance tolerance);
::testing::AssertionResult MatchesCardGolden(const QImage& actual, const QString& name);

}  // namespace tavolo::test
