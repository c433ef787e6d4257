#include "core/print/PageLayout.h"

namespace tavolo {

LengthUnit LengthUnitFromStored(int32_t stored) {
  switch (stored) {
    case 0:
      return LengthUnit::kInches;
    case 1:
      return LengthUnit::kCm;
    default:
      return LengthUnit::kMm;
  }
}

}  // namespace tavolo
