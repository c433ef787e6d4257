// The card's size as the card properties dialog shows it: pixels at the card's resolution turned
// into inches, cm, mm or pixels and typed values turned back, the
// resolutions it offers, and the sizes and resolutions a card may have.
#pragma once

#include <array>
#include <vector>

#include <QLocale>
#include <QString>

#include "core/card/CardLimits.h"
#include "core/storage/Outcome.h"

namespace tavolo {

// The unit selectors' entries, in list order.
enum SizeUnit : int { kUnitInches = 0, kUnitCm = 1, kUnitMm = 2, kUnitPixels = 3 };
inline constexpr int kSizeUnitCount = 4;
inline constexpr std::array<const char*, kSizeUnitCount> kSizeUnitNames = {"inches", "cm", "mm",
                                                                           "pixels"};

// The unit the dialog opens in for a card's stored unit: a length unit the user chose stays; the
// pixels every card starts with (and a unit outside the list, from a damaged card) give the
// locale's unit, inches where it measures in inches, else millimetres.
int ShownSizeUnit(int storedUnit, QLocale::MeasurementSystem system);

// Pixels as shown in `unit` at `dpi`: p / dpi (× 2.54 for cm, × 25.4 for mm), or as they are.
// A unit outside the list raises the fatal-error report ("0") and shows pixels.
float PixelsToShown(float pixels, int unit, float dpi);
// A shown value back in pixels: v × dpi (× 0.39370078 for cm, × 0.03937008 for mm). Not an exact
// inverse of the above, and not rounded to whole pixels.
float ShownToPixels(float shown, int unit, float dpi);

// The resolutions offered: 300, 600, 1200 and 2400 dpi, then the card's own when it is none of
// them.
std::vector<int> ResolutionChoices(int cardDpi);

// What a card may be: every side at least one pixel and at most the card limit (kMaxCardSide a
// side, kMaxCardPixels in all), and a resolution from 50 to 4800 dpi.
inline constexpr float kMinCardSide = 1.0f;
inline constexpr int kMinCardDpi = 50;
inline constexpr int kMaxCardDpi = 4800;

// Whether a card can have this size and resolution, and why not, for the user.
Outcome<> CheckCardSize(float widthPixels, float heightPixels, int dpi);

// Whether a card side (from a file, which may be damaged) can be drawn: a number from one pixel
// to the image layer's limit.
bool UsableCardSide(float pixels);
// The divisor that draws a card at about the print image's size (1062 × 615): the card's size
// divided by it, truncated, is at most twice the print image's.
int PrintSizeDivisor(float cardWidth, float cardHeight);

}  // namespace tavolo
