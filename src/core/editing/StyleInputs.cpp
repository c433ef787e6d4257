#include "core/editing/StyleInputs.h"

#include <QCoreApplication>

namespace tavolo {

namespace {

constexpr float kBlackLightness = 0.0f;
constexpr float kWhiteLightness = 240.0f;

}  // namespace

QStringList FontStyleChoices() {
  return {QStringLiteral("Regular"), QStringLiteral("Bold"), QStringLiteral("Italic"),
          QStringLiteral("Bold Italic")};
}

QStringList GradientOrientationChoices() {
  // Only the index is stored, so the names are shown in the user's language.
  return {QCoreApplication::translate("Tavolo", "Top to Bottom"),
          QCoreApplication::translate("Tavolo", "Left to Right"),
          QCoreApplication::translate("Tavolo", "Bottom to Top"),
          QCoreApplication::translate("Tavolo", "Right to Left")};
}

float SwatchBrightness(const HslColour& swatch) {
  if (swatch.l == kBlackLightness) return 0.0f;
  if (swatch.l == kWhiteLightness) return 1.0f;
  return 0.5f;
}

}  // namespace tavolo
