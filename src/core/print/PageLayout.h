// PageLayout: how cards lie on a sheet of paper. The six lengths are print pixels, pixels of the
// print image at the card's resolution (300 dpi by default), so a 1062-pixel card is 3.54 inches
// wide on paper at 300 dpi.
#pragma once

#include <cstdint>

#include <QString>

#include "core/card/CardState.h"

namespace tavolo {

// The unit in which the print dialog shows lengths; stored in page-layout files.
enum class LengthUnit : int32_t { kInches = 0, kCm = 1, kMm = 2 };

// A stored unit as the dialog shows it: 0 inches, 1 cm, anything else mm.
LengthUnit LengthUnitFromStored(int32_t stored);

inline constexpr float kDefaultLeftMargin = 225.0f;
inline constexpr float kDefaultTopMargin = 150.0f;

struct PageLayout {
  float cardHeight = kDefaultCardHeight;
  float cardWidth = kDefaultCardWidth;
  float horizontalPitch = kDefaultCardWidth;  // left edge of one card to the left edge of the next
  float verticalPitch = kDefaultCardHeight;   // top edge of one card to the top edge of the next
  float leftMargin = kDefaultLeftMargin;
  float topMargin = kDefaultTopMargin;
  int32_t unit = 0;   // a LengthUnit value
  int32_t paper = 0;  // the Windows paper identifier (DMPAPER value); 0 names no paper
  QString name;
  friend bool operator==(const PageLayout&, const PageLayout&) = default;
};

}  // namespace tavolo
